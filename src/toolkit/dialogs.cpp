#include "toolkit/dialogs.h"

#include "toolkit/dialog_look.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

void Dialogs::message(QWidget *owner, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                    owner ? owner : QApplication::activeWindow());
    applyDialogLook(&box);
    box.exec();
}

QString Dialogs::openFileName(QWidget *owner, const QString &title, const QString &folder)
{
    QFileDialog dialog(owner, title, folder);
    applyDialogLook(&dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString Dialogs::saveFileName(QWidget *owner, const QString &title, const QString &folder,
                              const QString &filter)
{
    QFileDialog dialog(owner, title, folder);
    applyDialogLook(&dialog);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> Dialogs::askText(QWidget *owner, const QString &title, const QString &label,
                                        const QString &suggestion)
{
    QInputDialog dialog(owner);
    applyDialogLook(&dialog);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(suggestion);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool Dialogs::confirm(QWidget *owner, const QString &title, const QString &question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    owner);
    box.setDefaultButton(QMessageBox::Yes);
    applyDialogLook(&box);
    return box.exec() == QMessageBox::Yes;
}

int Dialogs::runModal(QDialog *dialog)
{
    return dialog->exec();
}

void Dialogs::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

namespace {
Dialogs realDialogs;
Dialogs *current = &realDialogs;
} // namespace

Dialogs &dialogs()
{
    return *current;
}

void setDialogs(Dialogs *replacement)
{
    current = replacement ? replacement : &realDialogs;
}
