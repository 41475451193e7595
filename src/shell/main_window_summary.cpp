// The summary of the build: as text, in a dialog, and as a picture of the three trees.
#include "base/write_file.h"
#include "build/build_summary.h"
#include "shell/main_window.h"
#include "shell/summary_dialog.h"
#include "shell/tooltip_panel.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

QString MainWindow::summaryText() const
{
    SummaryInput input;
    input.className = classBox_->itemText(boardClass_);
    input.table = &table_;
    input.order = order_;
    input.derivedOrder = orderDerived_;
    input.code = boardCode();
    return buildSummary(input, moreStrings_);
}

QImage MainWindow::boardPicture(int scale)
{
    // The three trees with their labels and arrows, as the board shows them: no side panel, no
    // tooltip.
    const QRect trees(QPoint(0, 0),
                      QPoint(treeBackgrounds_[TreeCount - 1]->geometry().right(), height() - 1));
    QImage picture(trees.size() * scale, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const bool tooltipShown = tooltip_->isVisible();
    tooltip_->setVisible(false);
    ScopeExit restore([this, tooltipShown] { tooltip_->setVisible(tooltipShown); });
    QPainter painter(&picture);
    painter.scale(scale, scale);
    render(&painter, QPoint(), QRegion(trees), DrawWindowBackground | DrawChildren);
    return picture;
}

void MainWindow::savePicture(int scale)
{
    QString path =
        dialogs().saveFileName(this, moreStrings_.at(More::SavePicture), saveDialogSettings_.folder,
                               moreStrings_.at(More::PictureFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    rememberFolder(path);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    boardPicture(scale).save(&buffer, "PNG");
    writeWholeFile(path, png);
}

void MainWindow::summaryPressed()
{
    if (boardClass_ < 0)
        return;
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    SummaryDialog dialog(this, summaryText(), moreStrings_,
                         [this](int scale) { savePicture(scale); });
    dialogs().runModal(&dialog);
}
