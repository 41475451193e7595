// The library of builds: its dialog, the board kept in it or opened from it, and the caption that
// names the library build on the board.
#include "base/version.h"
#include "build/comparison.h"
#include "build/library_document.h"
#include "toolkit/dialogs.h"
#include "toolkit/flat_button.h"
#include "toolkit/message_line.h"
#include "ui/library_dialog.h"
#include "ui/main_window.h"

#include <QDateTime>
#include <QUndoStack>

Library &MainWindow::library()
{
    // Read when first opened, not at start-up; read again at every opening after.
    if (!library_)
        library_ = new Library(libraryFolder(), build_->strings().classNames().size(), this);
    else
        library_->reload();
    return *library_;
}

void MainWindow::openLibrary(bool toCompare)
{
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    const MoreStrings &more = build_->moreStrings();
    LibraryDialog::Actions actions;
    if (toCompare) {
        actions.choose = [this](const LibraryEntry &entry) {
            comparison_->set(build_->stateOfCode(entry.build->code));
        };
    } else {
        actions.choose = [this](const LibraryEntry &entry) {
            BusyScope loading(busy_);
            build_->loadCode(entry.build->code);
            showLibraryBuild(entry.path, entry.build->name);
        };
    }
    actions.keepBoard = [this] { keepBoardInLibrary(true); };
    LibraryDialog dialog(this, library(), build_->strings().classNames(), more,
                         more.at(toCompare ? More::Compare : More::LibraryOpen), actions);
    dialogs().runModal(&dialog);
    library_->forgetRemoved();
}

void MainWindow::keepBoardInLibrary(bool askName)
{
    if (build_->classIndex() < 0)
        return;
    Library &kept = library();
    const MoreStrings &more = build_->moreStrings();
    QString path = askName ? QString() : kept.pathOfName(libraryName_);
    QString name = libraryName_;
    if (path.isEmpty()) {
        const QString suggestion =
            QStringLiteral("%1 %2").arg(build_->strings().classNames().value(build_->classIndex()),
                                        QString::number(characterLevel(talents().totalPoints)));
        const auto asked = dialogs().askText(this, more.at(More::LibrarySaveAs),
                                             more.at(More::LibraryName), suggestion);
        if (!asked || asked->trimmed().isEmpty())
            return;
        name = asked->trimmed();
        path = kept.pathOfName(name);
        if (!path.isEmpty() && !dialogs().confirm(this, QStringLiteral("Runeplan"),
                                                  more.at(More::LibraryReplace).arg(name)))
            return;
    }
    LibraryBuild build{name, build_->code(), QDateTime::currentDateTimeUtc(), {}, {}};
    if (path.isEmpty()) {
        path = kept.add(build);
    } else {
        for (const LibraryEntry &entry : kept.entries()) {
            if (entry.path == path)
                build.notes = entry.build->notes;
        }
        kept.replace(path, build);
    }
    showLibraryBuild(path, name);
    side_->messageLine->showMessage(more.at(More::LibraryKept));
}

void MainWindow::showLibraryBuild(const QString &path, const QString &name)
{
    libraryPath_ = path;
    libraryName_ = name;
    build_->history().setClean();
    showCaption();
}

void MainWindow::showCaption()
{
    QString caption = QStringLiteral("Runeplan ") + QLatin1String(ProgramVersion);
    if (!libraryName_.isEmpty()) {
        caption += QStringLiteral(" - ") + libraryName_;
        if (!build_->history().isClean())
            caption += u'*';
    }
    setWindowTitle(caption);
}
