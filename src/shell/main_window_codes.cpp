// Build codes: the board's code copied, a code pasted or dropped, and the report of a code whose
// class's trees changed since it was made.
#include "base/error.h"
#include "build/load_report.h"
#include "build/plan_file.h"
#include "shell/main_window.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/message_line.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

QString MainWindow::boardCode() const
{
    if (boardClass_ < 0)
        return {};
    BuildCode code;
    code.classCode = classCode(boardClass_).value_or(QString());
    code.ranks = ranksOf(table_);
    // A derived order says nothing the ranks do not: only a spent order travels with the code.
    if (!orderDerived_ && !order_.isEmpty())
        code.order = order_;
    code.fingerprints = treeFingerprints(table_);
    return encodeBuildCode(code);
}

void MainWindow::copyCode()
{
    if (const QString code = boardCode(); !code.isEmpty()) {
        QGuiApplication::clipboard()->setText(code);
        messageLine_->showMessage(moreStrings_.at(More::CodeCopied));
    }
}

void MainWindow::pasteCode()
{
    loadBuildCode(QGuiApplication::clipboard()->text());
    messageLine_->showMessage(moreStrings_.at(More::BuildLoaded));
}

void MainWindow::loadBuildCode(const QString &text)
{
    BusyScope busy(busy_);
    const auto found = findBuildCode(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Error(buildCodeErrorText(*error));
    const BuildCode &code = std::get<BuildCode>(found);
    const std::optional<int> classIndex = classIndexOf(code.classCode);
    if (!classIndex || *classIndex >= classBox_->count())
        throw Error(QStringLiteral("class %1 is not in this data folder").arg(code.classCode));

    const QString caption = windowTitle();
    setWindowTitle(uiStrings_.at(Str::Loading));
    ScopeExit restoreCaption([this, caption] { setWindowTitle(caption); });
    PreparedClass prepared = prepareClass(dataFolder_, *classIndex, languageCode_);
    CodeOnTrees loaded = codeOnTrees(code, prepared.table);
    const RankGrid ranks = loaded.ranks;
    const QString report = loadReport(moreStrings_, prepared.table, code, loaded);
    std::optional<PointOrder> order = std::move(loaded.order);
    StagedClass staged = finishStaging(std::move(prepared), ranks);
    const bool derived = !order.has_value();
    if (derived)
        order = derivedOrder(staged.prepared.table, ranks);
    stepTo({*classIndex, ranks, std::move(*order), derived}, std::move(staged));
    if (!report.isEmpty())
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
        }
    });
}
