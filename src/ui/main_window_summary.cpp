// The summary of the build: as text, in a dialog, and as a picture of the three trees.
#include "base/write_file.h"
#include "board/cell_geometry.h"
#include "board/rank_look.h"
#include "board/trees_picture.h"
#include "build/build_summary.h"
#include "ui/main_window.h"
#include "ui/summary_dialog.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"

#include <QBuffer>
#include <QFileInfo>

QString MainWindow::summaryText() const
{
    return build_->summary();
}

QImage MainWindow::boardPicture(int scale)
{
    // The build alone: the trees as the board shows them, without the focus, a search or the
    // tooltip.
    TreesPicture picture;
    picture.size = QSize(treeBackgrounds_[TreeCount - 1]->geometry().right() + 1, height());
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeLook &look = picture.trees[static_cast<size_t>(tree - 1)];
        look.background = {treeBackgroundPosition(tree), treeBackgrounds_[tree - 1]->picture()};
        look.emblem = {treeEmblemPosition(tree), treeEmblems_[tree - 1]->picture()};
        look.labelAt = treeLabelPosition(tree);
        look.label =
            displayedCaption(counterCaption(table().treeName(tree), table().treePoints(tree)));
    }
    picture.arrows = arrows_->shownPieces();
    const int treeWidth = treeBackgrounds_[0]->width();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &talent = table().at(slot, tree);
            if (!talent.present)
                continue;
            const TalentCell &c = cell(slot, tree);
            const QPoint at = iconPosition(slot, tree, treeWidth);
            picture.talents.append({{at, talent.rank > 0 ? c.iconSource->picture() : c.grey},
                                    rankLabelPosition(at),
                                    rankLook(talent, table().totalPoints)});
        }
    }
    return paintTrees(picture, scale);
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
