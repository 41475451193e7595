// Build codes: the board's code copied, a code pasted or dropped, and the report of a code whose
// class's trees changed since it was made.
#include "base/error.h"
#include "build/load_report.h"
#include "build/plan_file.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/message_line.h"
#include "ui/main_window.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

void MainWindow::copyCode()
{
    if (const QString code = build_->code(); !code.isEmpty()) {
        QGuiApplication::clipboard()->setText(code);
        side_->messageLine->showMessage(build_->moreStrings().at(More::CodeCopied));
    }
}

void MainWindow::pasteCode()
{
    loadBuildCode(QGuiApplication::clipboard()->text());
    side_->messageLine->showMessage(build_->moreStrings().at(More::BuildLoaded));
}

void MainWindow::loadBuildCode(const QString &text)
{
    BusyScope busy(busy_);
    if (const QString report = build_->loadCode(text); !report.isEmpty())
        dialogs().message(this, QStringLiteral("Runeplan"), report);
}

void MainWindow::openArgument(const QString &argument)
{
    // A plan file by its path, else a code (or a text holding one).
    if (QFileInfo(argument).isFile())
        loadPlanFile(argument);
    else
        loadBuildCode(argument);
}

void MainWindow::takeHandOver(const QString &argument)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    if (!argument.isEmpty())
        guarded([&] { openArgument(argument); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    event->acceptProposedAction();
    guarded([&] {
        if (data->hasUrls() && data->urls().constFirst().isLocalFile()) {
            const QString path = data->urls().constFirst().toLocalFile();
            // A plan file loads as a plan; any other file is read as a text holding a code.
            const QByteArray bytes = readPlanFile(path);
            try {
                parsePlanText(bytes, path);
            } catch (const Error &) {
                loadBuildCode(QString::fromUtf8(bytes));
                return;
            }
            loadPlanFile(path);
        } else if (data->hasText()) {
            loadBuildCode(data->text());
        } else if (data->hasUrls()) {
            // A link with no text beside it, such as a runeplan: link.
            loadBuildCode(data->urls().constFirst().toString());
        }
    });
}
