#pragma once

#include "board/tooltip_text.h"
#include "talents/tree_slot.h"
#include "ui/arrow_layer.h"
#include "ui/talent_accessible.h"
#include "ui/talent_cell.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <memory>

class BoardFocus;
class Build;
class ImageControl;
class LabelControl;
class TalentSearch;
class TooltipPanel;
struct PreparedClass;

// The three trees of the window as a view of one build: each tree's background, emblem and label,
// the cells of its talents (three controls each), the arrows, the tooltip, the board's keyboard
// focus and the talent search. It redraws from the build's signals, and a press on a talent is
// the build's press. Its controls are the window's children, at the places the window's design
// gives them.
class BoardView final : public QObject, private TalentSpeaker {
    Q_OBJECT
public:
    // Places the trees' controls on `window`; the arrow bitmaps are read from `dataFolder`.
    BoardView(QWidget &window, Build &build, const QString &dataFolder);
    ~BoardView() override;

    const TalentCell &cell(int slot, int tree) const;
    const ArrowLayer &arrows() const { return *arrows_; }
    // The icons in the board's order, tree by tree, slot by slot: the board's part of the Tab
    // chain.
    QList<QWidget *> talentIcons() const;
    // The tree of the talent that has the keyboard focus; the first tree when none has it.
    int treeOfFocus() const;
    void openSearch();
    void showNextMatch();

    // What a screen reader says of a talent icon beside its name: its state and requirements.
    QString talentDescription(const ImageControl &icon) const override;

signals:
    // A press on the board was answered: why it changed nothing, or empty when it did (or when it
    // pressed no talent).
    void pressAnswered(const QString &why);
    // The tree's menu is asked for, by a right press on the tree or by the keyboard.
    void treeMenuWanted(int tree, const QPoint &globalAt);

private:
    void createTrees();
    void createCells();
    void createKeyboardParts();
    void connectPresses();
    TalentCell &cellAt(int slot, int tree);

    // The build's check of a class about to be shown: its arrows' bitmaps are read.
    void stageArrows(const PreparedClass &prepared);
    void showClass();
    void showTreeRanks(int tree);
    void showLanguage();
    void drawRank(int slot, int tree);

    void press(TreeSlot at, Qt::MouseButton button);
    void showTooltip(TreeSlot at);
    TooltipWords tooltipWords() const;

    QWidget &window_;
    Build &build_;
    std::array<ImageControl *, TreeCount> backgrounds_{}; // imv1..imv3
    std::array<ImageControl *, TreeCount> emblems_{};     // imc1..imc3
    std::array<LabelControl *, TreeCount> treeLabels_{};  // lbc1..lbc3
    std::array<std::array<TalentCell, SlotsPerTree>, TreeCount> cells_{};
    std::unique_ptr<ArrowLayer> arrows_;
    std::unique_ptr<TooltipPanel> tooltip_;
    BoardFocus *focus_ = nullptr;
    TalentSearch *search_ = nullptr;
    QVector<StagedArrow> stagedArrows_; // the arrows of the class the build shows next
    bool budgetLeftShown_ = true; // whether the rank labels were drawn with points left to spend
};
