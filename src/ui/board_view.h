#pragma once

#include "board/fonts.h"
#include "board/label_pictures.h"
#include "board/rank_look.h"
#include "board/text_sizes.h"
#include "board/tooltip_text.h"
#include "build/trees_layout.h"
#include "talents/tree_slot.h"
#include "ui/arrow_layer.h"

#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class Build;
class Comparison;
class LevelView;
class QPainter;
class TalentSearch;
class TooltipPanel;
struct PreparedClass;

// What the board draws of one talent place: where the class's layout puts it, and how it looks.
struct TalentCell : TalentPlace {
    QRect rankBox; // the rank label's box
    RankLook rank;
    // What was drawn last, so that a change of the build redraws only what changed.
    int drawnRank = -1;
    bool available = false;
    bool dimmed = false; // left out of a search's matches
    // While the board is compared: its rank minus the compared build's, and the badge saying so.
    int badge = 0;
    QRect badgeBox;
    QString accessibleName;

    // The icon's picture as drawn: in colour once the talent holds a point.
    const QImage &shownPicture() const { return drawnRank > 0 ? colour : grey; }
};

// The three trees of the window, one widget painting one build: each tree's background, emblem
// and label, the arrows, the talents' icons and rank labels, the keyboard's focus frame and a
// search's dimming. It redraws from the build's signals; a press on a talent is the build's press,
// found by the talent's place. The board is one stop of the Tab chain; on it the arrow keys,
// Home and End move the focus between talents and the keys of board/board_keys.h press them.
class BoardView final : public QWidget {
    Q_OBJECT
public:
    // Covers the trees' part of `window`; the arrow bitmaps are read from `dataFolder`.
    BoardView(QWidget &window, Build &build, const QString &dataFolder);
    ~BoardView() override;

    const TalentCell &cell(int slot, int tree) const;
    const ArrowLayer &arrows() const { return arrows_; }
    // A tree's label: its name and the points spent in it.
    const QString &treeLabel(int tree) const { return trees_[tree - 1].label; }
    // The talent placed at `point` (in the board's coordinates, which are the window's).
    std::optional<TreeSlot> talentAt(QPoint point) const;
    // The talents in the board's order (tree by tree, slot by slot) that a class places.
    QList<TreeSlot> placedTalents() const;
    // The talent the keyboard is on; {0, 0} when the class places none.
    TreeSlot current() const { return current_; }
    // Whether the focus frame is drawn on the current talent.
    bool framed() const;
    // The tree of the talent that has the keyboard focus; the first tree when none has it.
    int treeOfFocus() const;
    void openSearch();
    bool searchOpen() const;
    void showNextMatch();
    // Makes `at` the current talent and gives the board the keyboard focus.
    void focusTalent(TreeSlot at);

    // What a screen reader says of a talent beside its name: its state and requirements.
    QString talentDescription(TreeSlot at) const;

    // Marks how the board differs from the build `comparison` holds, while it holds one: a badge
    // on each talent whose rank differs, each tree's sums in its label, and the compared rank in
    // the tooltip.
    void compareWith(const Comparison &comparison);
    // Shows the build as it stood at the level `levels` shows, the talent of the next step framed
    // in white; a press returns it to the whole build before acting.
    void followLevels(LevelView &levels);

signals:
    // A press on the board was answered: why it changed nothing, or empty when it did (or when it
    // pressed no talent).
    void pressAnswered(const QString &why);
    // The tree's menu is asked for, by a right press on the tree or by the keyboard.
    void treeMenuWanted(int tree, const QPoint &globalAt);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The talents as the board shows them: the build's, or the level view's earlier build.
    const TalentTable &shown() const;
    TalentCell &cellAt(int slot, int tree);
    bool placed(TreeSlot at) const;
    // The tree whose background lies under `point` and no emblem or label of it: 0 for none.
    int treeAt(QPoint point) const;
    void pressAt(QPoint point, Qt::MouseButton button);
    void hover(std::optional<TreeSlot> at);

    // The build's check of a class about to be shown: its layout is worked out and its arrows'
    // bitmaps are read.
    void stageClass(const PreparedClass &prepared);
    void showClass();
    // The ranks of `tree` (of every tree when `everyTree`) as the talents shown have them.
    void showTreeRanks(int tree, bool everyTree = false);
    void showLanguage();
    void setTreeLabel(int tree, const QString &text);
    // A tree's label as the build stands: its name and points, and its sums while compared.
    QString treeLabelText(int tree) const;
    void showComparison();
    void showLevel();
    int comparedDifference(int slot, int tree) const;
    // Whether a talent's new rank asks for its own cell to be painted again, or the whole board
    // is about to be.
    enum class Repaint { Cell, WithTheBoard };
    void drawRank(int slot, int tree, Repaint repaint = Repaint::Cell);
    void placeBadge(TalentCell &c, int difference, Repaint repaint);
    void drawBadge(QPainter &painter, const TalentCell &c);

    void press(TreeSlot at, Qt::MouseButton button);
    void showTooltip(TreeSlot at);
    TooltipWords tooltipWords() const;
    // The keyboard's current talent moves to `at`; the board takes the focus when `focus`.
    void moveTo(TreeSlot at, bool focus);
    void setMarking(bool on);
    void setDimmed(TreeSlot at, bool dimmed);
    // Says to assistive technology that `what` changed on the talent `at`.
    void tellReader(TreeSlot at, int what) const;

    // A tree's background, emblem and label, and the boxes that take a press for themselves.
    struct TreeParts : TreeLook {
        QRect emblemBox;
        QRect labelBox;
    };

    Build &build_;
    const Comparison *comparison_ = nullptr;
    LevelView *levels_ = nullptr;
    std::optional<TreeSlot> nextStep_; // the level view's next step, framed in white
    std::array<TreeParts, TreeCount> trees_;
    std::array<std::array<TalentCell, SlotsPerTree>, TreeCount> cells_{};
    ArrowLayer arrows_;
    std::unique_ptr<TooltipPanel> tooltip_;
    TalentSearch *search_ = nullptr;
    // The class the build shows next: where its parts stand, and its arrows with their bitmaps.
    TreesLayout stagedLayout_;
    QVector<StagedArrow> stagedArrows_;
    TextSizes labelSizes_{tahoma(LargeFont, true)}; // the trees' labels
    TextSizes rankSizes_{tahoma(SmallFont, true)};  // the rank labels
    LabelPictures rankPictures_{rankSizes_.font()};
    bool budgetLeftShown_ = true; // whether the rank labels were drawn with points left to spend
    std::optional<TreeSlot> hovered_; // the talent under the pointer
    TreeSlot current_{0, 0};          // the keyboard's talent
    bool marking_ = false;            // the frame stays on the current talent (during a search)
};
