#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// Everything that waits for the user or leaves the program goes through here, so that tests can
// put a recording stand-in in its place and never block on a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with one OK button.
    virtual void message(QWidget *owner, const QString &caption, const QString &text);
    // The standard open and save dialogs; an empty result means the user cancelled. A save
    // dialog with a `filter` ("PNG pictures (*.png)") offers that type alone.
    virtual QString openFileName(QWidget *owner, const QString &title, const QString &folder);
    virtual QString saveFileName(QWidget *owner, const QString &title, const QString &folder,
                                 const QString &filter = {});
    // Asks for one line of text in a field that takes the focus, `suggestion` filled in; nothing
    // when the user cancelled.
    virtual std::optional<QString> askText(QWidget *owner, const QString &title,
                                           const QString &label, const QString &suggestion);
    // Asks a question answered by yes or no; true for yes.
    virtual bool confirm(QWidget *owner, const QString &title, const QString &question);
    // Shows a dialog modally and returns its result.
    virtual int runModal(QDialog *dialog);
    // Opens a web address with the user's default handler; failures are not reported.
    virtual void openAddress(const QString &address);
};

// The dialogs in use: the real ones unless a test installed its own.
Dialogs &dialogs();
// Installs a replacement (not owned); nullptr puts the real dialogs back.
void setDialogs(Dialogs *replacement);
