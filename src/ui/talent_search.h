#pragma once

#include "talents/talent_table.h"
#include "talents/tree_slot.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class LabelControl;
class QLineEdit;
class QWidget;

// The talent search: a field over the language box, shown only while searching. What is typed
// dims every talent of the board that does not match it (see board/talent_search.h) and the
// field shows how many match; Enter (or F3, the window's key) moves the board's focus to the next
// match while the typing stays in the field; Escape closes the search and the board looks as
// before. A search never changes a rank.
class TalentSearch final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(TreeSlot, bool)> dim; // dims a talent of the board, or no longer
        std::function<TreeSlot()> boardFocus;    // the board's current talent
        std::function<void(TreeSlot)> showMatch; // moves the board's focus to a match
        std::function<void()> closed;
    };
    TalentSearch(QWidget &window, const TalentTable &table, Handlers handlers);

    void open();
    void close();
    bool isOpen() const;
    // The field's tooltip, in the interface's language.
    void setHint(const QString &hint);
    // The board shows other talents or texts (a class or language change): the search follows.
    void boardChanged();
    // Moves the board's focus to the match after the board's current talent, in the board's
    // order (tree by tree, slot by slot), starting again at the first; none without matches.
    void showNextMatch();
    int matchCount() const { return matchCount_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    const QString &foldedText(int slot, int tree);

    const TalentTable &table_;
    Handlers handlers_;
    QLineEdit *field_ = nullptr;    // ed_search
    LabelControl *count_ = nullptr; // lb_found, inside the field's right end
    // The talents' searchable texts, folded when first searched after a class is shown.
    std::array<std::array<std::optional<QString>, SlotsPerTree>, TreeCount> folded_;
    std::array<std::array<bool, SlotsPerTree>, TreeCount> matches_{};
    int matchCount_ = 0;
};
