// The board's controls, made once for every class, and what a press, the pointer or the keyboard
// does on them.
#include "ui/board_view.h"

#include "board/cell_geometry.h"
#include "board/icon_tag.h"
#include "board/refusal_text.h"
#include "board/trees_picture.h"
#include "build/build.h"
#include "toolkit/error_report.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/board_focus.h"
#include "ui/talent_search.h"
#include "ui/tooltip_panel.h"
#include "ui/window_controls.h"

#include <QApplication>
#include <QCursor>

namespace {

// The focus mark of the board's talents: the yellow of the tree names.
const QColor FocusMarkColour = TreeLabelColour;

QImage blankBackground()
{
    QImage image(300, 717, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

PressButton pressButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PressButton::Left;
    case Qt::RightButton:
        return PressButton::Right;
    default:
        return PressButton::Middle;
    }
}

RefusalWords refusalWords(const MoreStrings &more)
{
    return {more.at(More::RefusedRow), more.at(More::RefusedPrerequisite),
            more.at(More::RefusedNoPoints), more.at(More::RefusedFull), more.at(More::RefusedHeld)};
}

} // namespace

BoardView::BoardView(QWidget &window, Build &build, const QString &dataFolder)
    : QObject(&window), window_(window), build_(build)
{
    createTrees();
    tooltip_ = std::make_unique<TooltipPanel>(window_);
    // The arrows first, then the cells, all below the tooltip.
    arrows_ = std::make_unique<ArrowLayer>(window_, dataFolder);
    createCells();
    tooltip_->raise();
    createKeyboardParts();
    connectPresses();

    build_.setClassCheck([this](const PreparedClass &prepared) { stageArrows(prepared); });
    connect(&build_, &Build::classChanged, this, [this] { showClass(); });
    connect(&build_, &Build::ranksChanged, this, [this](int tree) { showTreeRanks(tree); });
    connect(&build_, &Build::languageChanged, this, [this] { showLanguage(); });
}

BoardView::~BoardView()
{
    // The icons lose the focus as they go, after the tooltip has gone: the board's focus must not
    // hear of it.
    delete focus_;
}

void BoardView::createTrees()
{
    // One black picture shared by the three trees until a class is shown.
    const QImage blank = blankBackground();
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        backgrounds_[t] = new ImageControl(&window_, QStringLiteral("imv") + n);
        backgrounds_[t]->setGeometry(QRect(treeBackgroundPosition(t + 1), QSize(300, 717)));
        backgrounds_[t]->setAutoSize(true);
        backgrounds_[t]->setPicture(blank);
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        emblems_[t] = new ImageControl(&window_, QStringLiteral("imc") + n);
        emblems_[t]->setGeometry(QRect(treeEmblemPosition(t + 1), QSize(27, 27)));
        emblems_[t]->setAutoSize(true);
        treeLabels_[t] = makeLabel(&window_, QStringLiteral("lbc") + n, treeLabelPosition(t + 1),
                                   LargeFont, true, TreeLabelColour);
        treeLabels_[t]->setCaption(QStringLiteral("lbc") + n);
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        describe(backgrounds_[t], QStringLiteral("Tree ") + n,
                 QStringLiteral("The picture behind talent tree ") + n);
        describe(emblems_[t], QStringLiteral("Tree ") + n + QStringLiteral(" emblem"),
                 QStringLiteral("The emblem of talent tree ") + n);
        describe(treeLabels_[t], {},
                 QStringLiteral("The name of tree ") + n +
                     QStringLiteral(" and the points spent in it"));
    }
}

void BoardView::createCells()
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            c.iconSource = new ImageControl(&window_);
            c.iconSource->setAutoSize(true);
            c.iconSource->hide();
            c.icon = new ImageControl(&window_);
            // Its interface is set before anything asks for it: the first question fixes it.
            speakAsTalent(*c.icon, *this);
            c.icon->setAutoSize(true);
            c.icon->hide();
            c.icon->setEnabled(false);
            c.rankLabel = new LabelControl(&window_);
            c.rankLabel->setBackground(Qt::black);
            c.rankLabel->setAutoSize(true);
            c.rankLabel->hide();
            // A press on a rank label reaches the tree below it, as on any empty place.
            c.rankLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
            // Named after its talent and rank once a talent is placed on it (see drawRank).
            c.icon->setAccessibleName(QStringLiteral("Empty talent place"));
            c.icon->setAccessibleDescription(QStringLiteral(
                "A talent: a left press spends a point, a right press gives one back"));
            c.iconSource->setAccessibleName(QStringLiteral("Talent picture"));
            c.iconSource->setAccessibleDescription(
                QStringLiteral("The talent's picture in colour"));
            c.rankLabel->setAccessibleDescription(QStringLiteral("The talent's rank"));
        }
    }
}

void BoardView::createKeyboardParts()
{
    const auto iconAt = [this](TreeSlot at) { return cellAt(at.slot, at.tree).icon; };
    focus_ = new BoardFocus(
        build_.talents(), iconAt,
        {[this](TreeSlot at, Qt::MouseButton button) { guarded([&] { press(at, button); }); },
         [this](TreeSlot at) { showTooltip(at); }, [this] { tooltip_->hide(); },
         [this](TreeSlot at) {
             const ImageControl *icon = cellAt(at.slot, at.tree).icon;
             emit treeMenuWanted(at.tree, icon->mapToGlobal(QPoint(icon->width(), 0)));
         }},
        this);
    search_ = new TalentSearch(window_, build_.talents(), iconAt,
                               {[this] { return focus_->current(); },
                                [this](TreeSlot at) {
                                    focus_->moveTo(at, false);
                                    showTooltip(at);
                                },
                                [this] {
                                    focus_->setMarking(false);
                                    tooltip_->hide();
                                    focus_->moveTo(focus_->current(), true);
                                }});
    for (auto &tree : cells_) {
        for (TalentCell &c : tree)
            focus_->watch(c.icon, FocusMarkColour);
    }
}

void BoardView::connectPresses()
{
    for (int tree = 1; tree <= TreeCount; ++tree) {
        connectGuarded(backgrounds_[tree - 1], &ImageControl::pressed, this,
                       [this, tree](Qt::MouseButton button) {
                           emit pressAnswered({});
                           if (button == Qt::RightButton)
                               emit treeMenuWanted(tree, QCursor::pos());
                       });
    }
    for (const auto &tree : cells_) {
        for (const TalentCell &c : tree) {
            ImageControl *icon = c.icon;
            connectGuarded(icon, &ImageControl::pressed, this,
                           [this, icon](Qt::MouseButton button) {
                               press(decodeIconTag(icon->tag()), button);
                           });
            connectGuarded(icon, &ImageControl::entered, this,
                           [this, icon] { showTooltip(decodeIconTag(icon->tag())); });
            connectGuarded(icon, &ImageControl::left, this, [this] { tooltip_->hide(); });
        }
    }
}

const TalentCell &BoardView::cell(int slot, int tree) const
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

TalentCell &BoardView::cellAt(int slot, int tree)
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

QList<QWidget *> BoardView::talentIcons() const
{
    QList<QWidget *> icons;
    for (const auto &tree : cells_) {
        for (const TalentCell &c : tree)
            icons << c.icon;
    }
    return icons;
}

int BoardView::treeOfFocus() const
{
    if (const auto *icon = qobject_cast<const ImageControl *>(QApplication::focusWidget())) {
        const TreeSlot at = decodeIconTag(icon->tag());
        if (TalentTable::validTree(at.tree))
            return at.tree;
    }
    return 1;
}

void BoardView::openSearch()
{
    focus_->setMarking(true);
    search_->open();
}

void BoardView::showNextMatch()
{
    search_->showNextMatch();
}

void BoardView::press(TreeSlot at, Qt::MouseButton button)
{
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot))
        return;
    // The build records a press that changed a rank as a step; the board follows its signal.
    const PressOutcome outcome = build_.press(at.slot, at.tree, pressButton(button));
    // A press that changed nothing says why; any other press clears what the last one said.
    emit pressAnswered(outcome.spent || outcome.refunded
                           ? QString()
                           : refusalText(build_.talents(), at.slot, at.tree, pressButton(button),
                                         refusalWords(build_.moreStrings())));
    showTooltip(at);
}
