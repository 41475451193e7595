#include "ui/library_dialog.h"

#include "board/talent_search.h"
#include "build/library_document.h"
#include "datafolder/more_strings.h"
#include "datafolder/ui_strings.h"
#include "toolkit/dialog_look.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "ui/window_controls.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

enum Column { NameColumn, ClassColumn, PointsColumn, SavedColumn, NotesColumn };

QString firstLine(const QString &text)
{
    return text.section(u'\n', 0, 0).trimmed();
}

} // namespace

LibraryDialog::LibraryDialog(QWidget *parent, Library &library, const QStringList &classNames,
                             const MoreStrings &more, const QString &chooseText, Actions actions)
    : QDialog(parent), library_(library), classNames_(classNames), more_(more),
      actions_(std::move(actions))
{
    setObjectName(QStringLiteral("fr_library"));
    setWindowTitle(more.at(More::Library));
    resize(760, 520);
    applyDialogLook(this);
    // Under a style sheet the children no longer take the dialog's palette: the sheet gives the
    // fields, the list and the buttons the same colours.
    setStyleSheet(QStringLiteral("QDialog, QTreeWidget, QLineEdit, QPlainTextEdit, QHeaderView "
                                 "{ background: black; color: #00ff00; }"
                                 "QHeaderView::section { background: #1f1f1f; color: #00ff00; }"
                                 "QTreeWidget::item:selected { background: #1f4f1f; }"
                                 // A build that cannot be read is listed greyed.
                                 "QTreeWidget::item:disabled { color: #808080; }"
                                 "QLineEdit, QPlainTextEdit { border: 1px solid #3c3c3c; }"
                                 "QPushButton { background: #1f1f1f; color: #00ff00; "
                                 "border: 1px solid #505050; padding: 3px 8px; }"
                                 "QPushButton:disabled { color: #808080; }"
                                 "QLabel { color: #ff0000; }"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("ed_libraryFilter"));
    filter_->setPlaceholderText(more.at(More::LibraryFilter));
    filter_->setAccessibleName(more.at(More::LibraryFilter));
    filter_->installEventFilter(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lv_library"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(more.at(More::LibraryColumns).split(u'|'));
    list_->setAccessibleName(more.at(More::Library));
    list_->installEventFilter(this);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *notesLabel = new QLabel(more.at(More::LibraryNotes), this);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("ed_notes"));
    notes_->setAccessibleName(more.at(More::LibraryNotes));
    notes_->setMaximumHeight(110);
    notesLabel->setBuddy(notes_);

    auto *choose = new QPushButton(chooseText, this);
    choose->setObjectName(QStringLiteral("bt_libraryChoose"));
    auto *keep = new QPushButton(more.at(More::LibrarySaveAs), this);
    keep->setObjectName(QStringLiteral("bt_librarySave"));
    auto *rename = new QPushButton(more.at(More::LibraryRename), this);
    rename->setObjectName(QStringLiteral("bt_libraryRename"));
    auto *remove = new QPushButton(more.at(More::LibraryDelete), this);
    remove->setObjectName(QStringLiteral("bt_libraryDelete"));
    undoDelete_ = new QPushButton(more.at(More::LibraryUndoDelete), this);
    undoDelete_->setObjectName(QStringLiteral("bt_libraryUndoDelete"));
    auto *close = new QPushButton(more.at(More::Close), this);
    close->setObjectName(QStringLiteral("bt_close"));
    for (QPushButton *button : {choose, keep, rename, remove, undoDelete_, close})
        button->setAutoDefault(false);

    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showSelected(); });
    connectGuarded(list_, &QTreeWidget::itemActivated, this, [this] { chooseSelected(); });
    connectGuarded(choose, &QPushButton::clicked, this, [this] { chooseSelected(); });
    connectGuarded(keep, &QPushButton::clicked, this, [this] {
        keepNotes();
        actions_.keepBoard();
    });
    connectGuarded(rename, &QPushButton::clicked, this, [this] { renameSelected(); });
    connectGuarded(remove, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connectGuarded(undoDelete_, &QPushButton::clicked, this, [this] {
        keepNotes();
        library_.undoRemove();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&library_, &Library::changed, this, [this] { fillList(); });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {choose, keep, rename, remove, undoDelete_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    layout->addWidget(notesLabel);
    layout->addWidget(notes_);
    layout->addLayout(buttons);
    fillList();
    filter_->setFocus();
}

void LibraryDialog::fillList()
{
    const QString selected =
        selectNext_.isEmpty() ? selectedPath() : std::exchange(selectNext_, {});
    notesShownFor_.clear();
    list_->clear();
    folded_.clear();
    for (const LibraryEntry &entry : library_.entries()) {
        auto *item = new QTreeWidgetItem(list_);
        item->setData(NameColumn, Qt::UserRole, entry.path);
        if (!entry.build) {
            // Listed greyed with its reason, never hidden: the player sees what the folder holds.
            item->setText(NameColumn, QFileInfo(entry.path).fileName());
            item->setText(NotesColumn, more_.at(More::LibraryUnreadable).arg(entry.problem));
            item->setDisabled(true);
            folded_ << searchFolded(item->text(NameColumn));
            continue;
        }
        const QString className = classNames_.value(entry.classIndex);
        item->setText(NameColumn, entry.build->name);
        item->setText(ClassColumn, className);
        item->setText(PointsColumn, more_.at(More::LibraryPoints)
                                        .arg(QString::number(entry.points),
                                             QString::number(characterLevel(entry.points))));
        item->setText(SavedColumn,
                      entry.sortTime.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        item->setText(NotesColumn, firstLine(entry.build->notes));
        folded_ << searchFolded(entry.build->name + u' ' + className + u' ' + entry.build->notes);
        if (entry.path == selected)
            list_->setCurrentItem(item);
    }
    undoDelete_->setEnabled(library_.canUndoRemove());
    applyFilter();
}

void LibraryDialog::applyFilter()
{
    const QStringList words = searchWords(filter_->text());
    QTreeWidgetItem *first = nullptr;
    for (int k = 0; k < list_->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = list_->topLevelItem(k);
        const bool shown = containsAllWords(folded_.value(k), words);
        item->setHidden(!shown);
        if (shown && !first && !item->isDisabled())
            first = item;
    }
    // Typing selects the first build that matches; the list keeps a selection that still does.
    if (!filter_->text().isEmpty() || !list_->currentItem())
        list_->setCurrentItem(first);
    else if (list_->currentItem()->isHidden())
        list_->setCurrentItem(first);
}

const LibraryEntry *LibraryDialog::selectedEntry() const
{
    const QString path = selectedPath();
    for (const LibraryEntry &entry : library_.entries()) {
        if (entry.path == path && entry.build)
            return &entry;
    }
    return nullptr;
}

QString LibraryDialog::selectedPath() const
{
    const QTreeWidgetItem *item = list_->currentItem();
    return item ? item->data(NameColumn, Qt::UserRole).toString() : QString();
}

void LibraryDialog::showSelected()
{
    guarded([this] { keepNotes(); });
    const LibraryEntry *entry = selectedEntry();
    notesShownFor_ = entry ? entry->path : QString();
    const QSignalBlocker quiet(notes_);
    notes_->setPlainText(entry ? entry->build->notes : QString());
    notes_->setEnabled(entry != nullptr);
}

void LibraryDialog::keepNotes()
{
    if (notesShownFor_.isEmpty())
        return;
    const QString path = std::exchange(notesShownFor_, QString());
    const QString notes = notes_->toPlainText();
    library_.setNotes(path, notes);
    for (int k = 0; k < list_->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = list_->topLevelItem(k);
        if (item->data(NameColumn, Qt::UserRole).toString() != path)
            continue;
        item->setText(NotesColumn, firstLine(notes));
        folded_[k] =
            searchFolded(item->text(NameColumn) + u' ' + item->text(ClassColumn) + u' ' + notes);
    }
}

void LibraryDialog::chooseSelected()
{
    keepNotes();
    const LibraryEntry *entry = selectedEntry();
    if (!entry)
        return;
    const LibraryEntry chosen = *entry;
    accept();
    actions_.choose(chosen);
}

void LibraryDialog::renameSelected()
{
    keepNotes();
    const LibraryEntry *entry = selectedEntry();
    if (!entry)
        return;
    const QString path = entry->path;
    const auto name = dialogs().askText(this, more_.at(More::LibraryRename),
                                        more_.at(More::LibraryName), entry->build->name);
    if (!name || name->trimmed().isEmpty())
        return;
    // The list is filled again with the build selected under its new name.
    const QString renamed = library_.rename(path, name->trimmed());
    selectNext_ = renamed;
    fillList();
}

void LibraryDialog::deleteSelected()
{
    notesShownFor_.clear();
    if (const LibraryEntry *entry = selectedEntry())
        library_.remove(entry->path);
}

bool LibraryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == filter_ && key == Qt::Key_Down) {
            list_->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded([this] { chooseSelected(); });
            return true;
        }
        if (watched == list_ && key == Qt::Key_Delete) {
            guarded([this] { deleteSelected(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LibraryDialog::done(int result)
{
    // The notes typed are kept when the dialog closes, as when another build is selected.
    guarded([this] { keepNotes(); });
    QDialog::done(result);
}
