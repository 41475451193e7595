#pragma once

#include <QString>

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
    // Shows a dialog modally and returns its result.
    virtual int runModal(QDialog *dialog);
    // Opens a web address with the user's default handler; failures are not reported.
    virtual void openAddress(const QString &address);
};

// The dialogs in use: the real ones unless a test installed its own.
Dialogs &dialogs();
// Installs a replacement (not owned); nullptr puts the real dialogs back.
void setDialogs(Dialogs *replacement);
