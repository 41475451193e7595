// The last session: the board kept at close and shown again at the next start.
#include "base/error.h"
#include "build/kept_session.h"
#include "datafolder/data_choice.h"
#include "toolkit/dialogs.h"
#include "ui/main_window.h"

void MainWindow::readFirstClassAhead()
{
    // The same choice as the start's, read early; what is wrong in it is left for the start to
    // meet and report, with no read ahead.
    int classIndex = chosenClass_;
    QString language;
    try {
        const DataChoice choice = chooseDataAndLanguage(dataFolder_, startLanguage_);
        if (choice.languageListMissing || choice.lastLanguageMissing ||
            !choice.lastLanguageUnreadable.isEmpty())
            return;
        language = choice.languages.value(choice.windowLanguageIndex());
        const KeptSession session(dataFolder_);
        if (const std::optional<QByteArray> bytes = session.read())
            classIndex = parsePlanText(*bytes, session.path()).classIndex;
    } catch (const Error &) {
        // A session that cannot be read leaves the class chosen to be shown; a choice that
        // cannot be made leaves no language to read in.
    }
    if (!language.isEmpty())
        build_->readAhead(classIndex, language);
}

bool MainWindow::restoreSession()
{
    const KeptSession session(dataFolder_);
    try {
        const std::optional<QByteArray> bytes = session.read();
        if (!bytes)
            return false;
        // One class load; below it in the history, the empty board of a plain start, loaded only
        // if the step is undone.
        const QString report = build_->restoreSession(*bytes, session.path(), chosenClass_);
        if (!report.isEmpty())
            dialogs().message(this, QStringLiteral("Runeplan"), report);
        return true;
    } catch (const Error &e) {
        // Kept aside rather than lost: the board of this start will be kept in its place.
        QString line = QStringLiteral("the last session is not restored: ") + e.message();
        try {
            line += QStringLiteral("; it is kept as ") + session.setAside();
        } catch (const Error &aside) {
            line += QStringLiteral("; ") + aside.message();
        }
        reportSessionTrouble(line);
    }
    return false;
}

void MainWindow::keepSession() const
{
    if (build_->classIndex() < 0)
        return;
    const KeptSession session(dataFolder_);
    try {
        session.write(build_->sessionText());
    } catch (const std::exception &e) {
        reportSessionTrouble(QStringLiteral("the session is not kept: ") +
                             QString::fromUtf8(e.what()));
    }
}
