// The board as one widget: its parts' places, what lies under the pointer, and what a press or
// the pointer does there.
#include "ui/board_view.h"

#include "board/cell_geometry.h"
#include "board/fonts.h"
#include "board/refusal_text.h"
#include "board/trees_picture.h"
#include "build/build.h"
#include "build/level_view.h"
#include "build/step_refusal.h"
#include "toolkit/error_report.h"
#include "toolkit/label_control.h"
#include "ui/board_accessible.h"
#include "ui/talent_search.h"
#include "ui/tooltip_panel.h"

#include <QCursor>
#include <QMouseEvent>

namespace {

// The board's part of the window: the trees, left of the side column.
const QRect BoardArea(0, 0, 912, 721);

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

} // namespace

BoardView::BoardView(QWidget &window, Build &build, const QString &dataFolder)
    : QWidget(&window), build_(build), arrows_(dataFolder)
{
    // Its interface is set before anything asks for it: the first question fixes it.
    speakForBoard(*this);
    setObjectName(QStringLiteral("board"));
    setGeometry(BoardArea);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A Tab stop; a press gives the focus only on a talent (see pressAt).
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Talent trees"));
    setAccessibleDescription(QStringLiteral("The class's three talent trees"));

    // One black picture shared by the three trees until a class is shown.
    QImage blank(300, 717, QImage::Format_RGB32);
    blank.fill(Qt::black);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        TreeParts &parts = trees_[tree - 1];
        parts.background = {treeBackgroundPosition(tree), blank};
        parts.emblemBox = QRect(treeEmblemPosition(tree), QSize(27, 27));
        parts.labelAt = treeLabelPosition(tree);
        setTreeLabel(tree, QStringLiteral("lbc") + QString::number(tree));
    }
    tooltip_ = std::make_unique<TooltipPanel>(window);
    tooltip_->raise();
    search_ = new TalentSearch(window, build_.talents(),
                               {[this](TreeSlot at, bool dimmed) { setDimmed(at, dimmed); },
                                [this] { return current_; },
                                [this](TreeSlot at) {
                                    moveTo(at, false);
                                    showTooltip(at);
                                },
                                [this] {
                                    setMarking(false);
                                    tooltip_->hide();
                                    moveTo(current_, true);
                                }});

    build_.setClassCheck([this](const PreparedClass &prepared) { stageClass(prepared); });
    connect(&build_, &Build::classChanged, this, [this] { showClass(); });
    connect(&build_, &Build::ranksChanged, this, [this](int tree) { showTreeRanks(tree); });
    connect(&build_, &Build::languageChanged, this, [this] { showLanguage(); });
}

BoardView::~BoardView() = default;

const TalentTable &BoardView::shown() const
{
    return levels_ ? levels_->shown() : build_.talents();
}

const TalentCell &BoardView::cell(int slot, int tree) const
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

TalentCell &BoardView::cellAt(int slot, int tree)
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

bool BoardView::placed(TreeSlot at) const
{
    return TalentTable::validTree(at.tree) && TalentTable::validSlot(at.slot) &&
           cell(at.slot, at.tree).placed;
}

QList<TreeSlot> BoardView::placedTalents() const
{
    QList<TreeSlot> talents;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            if (cell(slot, tree).placed)
                talents.append({tree, slot});
        }
    }
    return talents;
}

std::optional<TreeSlot> BoardView::talentAt(QPoint point) const
{
    // Every move of the pointer asks: no list is made.
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const TalentCell &c = cell(slot, tree);
            if (c.placed && c.icon.contains(point))
                return TreeSlot{tree, slot};
        }
    }
    return std::nullopt;
}

int BoardView::treeAt(QPoint point) const
{
    for (int tree = TreeCount; tree >= 1; --tree) {
        const TreeParts &parts = trees_[tree - 1];
        // The emblem and the label take a press for themselves, and do nothing with it.
        if (parts.emblemBox.contains(point) || parts.labelBox.contains(point))
            return 0;
    }
    for (int tree = TreeCount; tree >= 1; --tree) {
        const TreeParts &parts = trees_[tree - 1];
        if (QRect(parts.background.at, parts.background.picture.size()).contains(point))
            return tree;
    }
    return 0;
}

void BoardView::setTreeLabel(int tree, const QString &text)
{
    TreeParts &parts = trees_[tree - 1];
    if (parts.label == text && !parts.labelBox.isNull())
        return;
    update(parts.labelBox);
    parts.label = text;
    parts.labelBox = QRect(parts.labelAt, labelSizes_.of(displayedCaption(text)));
    update(parts.labelBox);
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    guarded([&] { pressAt(event->position().toPoint(), event->button()); });
}

void BoardView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press too.
    guarded([&] { pressAt(event->position().toPoint(), event->button()); });
}

void BoardView::pressAt(QPoint point, Qt::MouseButton button)
{
    if (const auto at = talentAt(point)) {
        moveTo(*at, true);
        press(*at, button);
        return;
    }
    const int tree = treeAt(point);
    if (tree == 0)
        return;
    emit pressAnswered({});
    if (button == Qt::RightButton)
        emit treeMenuWanted(tree, QCursor::pos());
}

void BoardView::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] { hover(talentAt(event->position().toPoint())); });
}

void BoardView::enterEvent(QEnterEvent *event)
{
    // Also when the board appears under a pointer that has not moved.
    guarded([&] { hover(talentAt(event->position().toPoint())); });
}

void BoardView::leaveEvent(QEvent *)
{
    guarded([&] { hover(std::nullopt); });
}

void BoardView::hover(std::optional<TreeSlot> at)
{
    if (at == hovered_)
        return;
    if (hovered_)
        tooltip_->hide();
    hovered_ = at;
    if (at)
        showTooltip(*at);
}

void BoardView::press(TreeSlot at, Qt::MouseButton button)
{
    if (!placed(at))
        return;
    // A press acts on the whole build, which the board shows again first.
    if (levels_)
        levels_->toEnd();
    // The build records a press that changed a rank as a step; the board follows its signal.
    const PressOutcome outcome = build_.press(at.slot, at.tree, pressButton(button));
    // A press that changed nothing says why; any other press clears what the last one said.
    emit pressAnswered(outcome.spent || outcome.refunded
                           ? QString()
                           : refusalText(build_.talents(), at.slot, at.tree, pressButton(button),
                                         refusalWords(build_.moreStrings())));
    showTooltip(at);
}

void BoardView::openSearch()
{
    setMarking(true);
    search_->open();
}

bool BoardView::searchOpen() const
{
    return search_->isOpen();
}

void BoardView::showNextMatch()
{
    search_->showNextMatch();
}

int BoardView::treeOfFocus() const
{
    return hasFocus() && placed(current_) ? current_.tree : 1;
}
