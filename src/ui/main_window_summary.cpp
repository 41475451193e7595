// The summary of the build: as text, in a dialog, and as a picture of the three trees.
#include "base/write_file.h"
#include "board/trees_picture.h"
#include "build/build_picture.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "ui/main_window.h"
#include "ui/summary_dialog.h"

#include <QBuffer>
#include <QFileInfo>

QString MainWindow::summaryText() const
{
    return build_->summary();
}

QImage MainWindow::boardPicture(int scale)
{
    // The build alone, drawn from the document as the command line draws it: the trees as the
    // board shows them, without the focus, a search or the tooltip.
    return paintTrees(treesPictureOf(*build_), scale);
}

void MainWindow::savePicture(int scale)
{
    QString path =
        dialogs().saveFileName(this, more().at(More::SavePicture), saveDialogSettings_.folder,
                               more().at(More::PictureFilter));
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
    if (boardClass() < 0)
        return;
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    SummaryDialog dialog(this, summaryText(), more(), [this](int scale) { savePicture(scale); });
    dialogs().runModal(&dialog);
}
