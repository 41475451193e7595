// The summary of the build: as text, in a dialog, and as a picture of the three trees.
#include "base/write_file.h"
#include "build/build_picture.h"
#include "build/comparison.h"
#include "toolkit/dialogs.h"
#include "ui/main_window.h"
#include "ui/summary_dialog.h"

#include <QBuffer>
#include <QFileInfo>

void MainWindow::savePicture(int scale, bool band)
{
    const MoreStrings &more = build_->moreStrings();
    QString path = dialogs().saveFileName(this, more.at(More::SavePicture), folders_.save().folder,
                                          more.at(More::PictureFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    folders_.remember(path);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // The build alone, drawn from the document as the command line draws it: the trees as the board
    // shows them, without the focus, a search or the tooltip.
    buildPicture(*build_, scale, band).save(&buffer, "PNG");
    writeWholeFile(path, png);
}

void MainWindow::summaryPressed()
{
    if (build_->classIndex() < 0)
        return;
    BusyScope busy(busy_);
    busy_.disableWhileDialogOpen();
    SummaryDialog dialog(
        this, *build_,
        [this] { return build_->summary(comparison_->active() ? &comparison_->state() : nullptr); },
        [this](int scale, bool band) { savePicture(scale, band); });
    dialogs().runModal(&dialog);
}
