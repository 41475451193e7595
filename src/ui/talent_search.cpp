#include "ui/talent_search.h"

#include "board/fonts.h"
#include "board/talent_search.h"
#include "toolkit/label_control.h"
#include "ui/window_controls.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int CountWidth = 24; // room for "132" at the field's right end
}

TalentSearch::TalentSearch(QWidget &window, const TalentTable &table, Handlers handlers)
    : QObject(&window), table_(table), handlers_(std::move(handlers))
{
    field_ = new QLineEdit(&window);
    field_->setObjectName(QStringLiteral("ed_search"));
    field_->setGeometry(912, 42, 92, 21);
    field_->setFont(tahoma(SmallFont));
    field_->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: #00ff00; "
                                         "border: 1px solid #00ff00; padding-left: 1px; }"));
    field_->setTextMargins(0, 0, CountWidth, 0);
    field_->hide();
    count_ = makeLabel(field_, QStringLiteral("lb_found"), {0, 0}, SmallFont, false, White);
    count_->setAutoSize(false);
    count_->setGeometry(92 - CountWidth - 2, 1, CountWidth, 19);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The field's style sheet reaches its children: the count states its own colours.
    count_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    describe(field_, QStringLiteral("Find talents"),
             QStringLiteral("Dims the talents whose name and texts do not hold every word typed"));
    describe(count_, {}, QStringLiteral("How many talents match the search"));
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textChanged, this, [this] { apply(); });
    connect(field_, &QLineEdit::returnPressed, this, [this] { showNextMatch(); });
}

bool TalentSearch::isOpen() const
{
    return field_->isVisible();
}

void TalentSearch::setHint(const QString &hint)
{
    field_->setToolTip(hint);
}

void TalentSearch::open()
{
    field_->show();
    field_->raise();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    apply();
}

void TalentSearch::close()
{
    if (!isOpen())
        return;
    field_->hide();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            handlers_.dim({tree, slot}, false);
    }
    handlers_.closed();
}

void TalentSearch::boardChanged()
{
    for (auto &tree : folded_)
        tree.fill(std::nullopt);
    if (isOpen())
        apply();
}

const QString &TalentSearch::foldedText(int slot, int tree)
{
    std::optional<QString> &text = folded_[tree - 1][slot - 1];
    if (!text)
        text = searchableText(table_.at(slot, tree));
    return *text;
}

void TalentSearch::apply()
{
    const QStringList words = searchWords(field_->text());
    matchCount_ = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const bool placed = table_.at(slot, tree).present;
            const bool match =
                placed && (words.isEmpty() || containsAllWords(foldedText(slot, tree), words));
            matches_[tree - 1][slot - 1] = match;
            matchCount_ += match ? 1 : 0;
            handlers_.dim({tree, slot}, placed && !match);
        }
    }
    count_->setCaption(words.isEmpty() ? QString() : QString::number(matchCount_));
}

void TalentSearch::showNextMatch()
{
    if (!isOpen() || matchCount_ == 0)
        return;
    const TreeSlot from = handlers_.boardFocus();
    // The board's order as one count: tree 1 slot 1 is 0, tree 3 slot 44 is 131.
    const int start = TalentTable::validTree(from.tree) && TalentTable::validSlot(from.slot)
                          ? (from.tree - 1) * SlotsPerTree + from.slot - 1
                          : -1;
    constexpr int places = TreeCount * SlotsPerTree;
    for (int step = 1; step <= places; ++step) {
        const int k = (start + step + places) % places;
        if (matches_[k / SlotsPerTree][k % SlotsPerTree]) {
            handlers_.showMatch({k / SlotsPerTree + 1, k % SlotsPerTree + 1});
            return;
        }
    }
}

bool TalentSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}
