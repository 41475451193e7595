#pragma once

#include <QString>

// Title and starting folder of a file dialog; the dialog itself is shown through Dialogs.
struct FileDialogSettings {
    QString title;
    QString folder = QStringLiteral(".");
};

// The settings of the window's file dialogs. They all open in the folder of the last file chosen
// in any of them, kept between sessions in the user's configuration folder.
class DialogFolders {
public:
    // Recalls the last session's folder, unless it has gone since: then the dialogs start in ".".
    DialogFolders();

    const FileDialogSettings &open() const { return open_; }
    const FileDialogSettings &save() const { return save_; }
    void setTitles(const QString &open, const QString &save);
    // `path` was chosen in a dialog: its folder is where the next one opens.
    void remember(const QString &path);

private:
    FileDialogSettings open_;
    FileDialogSettings save_;
};
