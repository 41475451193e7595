#include "recording_dialogs.h"

#include <QDialog>

int RecordingDialogs::runModal(QDialog *dialog)
{
    // Shown without its own event loop, so the test can look at it and it returns at once.
    modals.append(dialog);
    dialog->show();
    if (whileModal)
        whileModal(dialog);
    return QDialog::Accepted;
}
