// The window by keyboard: the Tab chain, the board's focus, the shortcuts and their hints, the
// talent search, and what a screen reader says of a talent.
#include "board/tooltip_text.h"
#include "talents/rules.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "ui/board_focus.h"
#include "ui/main_window.h"
#include "ui/talent_search.h"
#include "ui/tooltip_panel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace {

// The focus mark of the board's talents: the yellow of the tree names.
const QColor FocusMarkColour(238, 221, 17);

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

void MainWindow::buildKeyboardParts()
{
    const auto iconAt = [this](TreeSlot at) { return cellAt(at.slot, at.tree).icon; };
    boardFocus_ =
        new BoardFocus(table(), iconAt,
                       {[this](TreeSlot at, Qt::MouseButton button) {
                            guarded([&] { pressTalent(cellAt(at.slot, at.tree).icon, button); });
                        },
                        [this](TreeSlot at) { showTooltip(at.slot, at.tree); },
                        [this] { tooltip_->hide(); }, [this](TreeSlot at) { openTreeMenu(at); }},
                       this);
    search_ = new TalentSearch(*this, build_->talents(), iconAt,
                               {[this] { return boardFocus_->current(); },
                                [this](TreeSlot at) {
                                    boardFocus_->moveTo(at, false);
                                    showTooltip(at.slot, at.tree);
                                },
                                [this] {
                                    boardFocus_->setMarking(false);
                                    tooltip_->hide();
                                    boardFocus_->moveTo(boardFocus_->current(), true);
                                }});
    for (auto &tree : cells_) {
        for (TalentCell &c : tree) {
            boardFocus_->watch(c.icon, FocusMarkColour);
        }
    }
    buildTabOrder();
}

void MainWindow::buildTabOrder()
{
    // The side panel's lists, the board as one stop, then the side panel's links top to bottom.
    QList<QWidget *> chain{findChild<QLineEdit *>(QStringLiteral("ed_search")), languageBox_,
                           classBox_};
    for (const auto &tree : cells_) {
        for (const TalentCell &c : tree)
            chain << c.icon;
    }
    chain << aboutButton_ << undoButton_ << redoButton_ << resetButton_ << saveButton_
          << loadButton_ << copyButton_ << pasteButton_ << summaryButton_;
    for (qsizetype k = 0; k + 1 < chain.size(); ++k)
        setTabOrder(chain[k], chain[k + 1]);
    // The window opens with the first stop of the chain focused.
    languageBox_->setFocus();
}

void MainWindow::connectShortcuts()
{
    const auto shortcut = [this](const QKeySequence &sequence, auto handler) {
        auto *s = new QShortcut(sequence, this);
        connectGuarded(s, &QShortcut::activated, this, handler);
    };
    shortcut(keys(Qt::CTRL | Qt::Key_Z), [this] { undoPressed(); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redoPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_Y), [this] { redoPressed(); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [this] { resetTreeOfFocus(); });
    shortcut(keys(Qt::Key_F2), [this] { summaryPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_S), [this] { savePressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_O), [this] { loadPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_R), [this] { resetPressed(); });
    shortcut(keys(Qt::Key_F1), [this] { aboutPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_F), [this] {
        boardFocus_->setMarking(true);
        search_->open();
    });
    shortcut(keys(Qt::Key_F3), [this] { search_->showNextMatch(); });
    // Copy and paste act on the board only while no text field takes them for itself.
    const auto outsideText = [this](auto action) {
        return [this, action] {
            if (!qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                (this->*action)();
        };
    };
    shortcut(keys(Qt::CTRL | Qt::Key_C), outsideText(&MainWindow::copyCode));
    shortcut(keys(Qt::CTRL | Qt::Key_V), outsideText(&MainWindow::pasteCode));
}

void MainWindow::showLinkHints()
{
    // Each link's hint says what it does and, in brackets, its key.
    const auto hint = [this](FlatButton *link, More text, const QString &key) {
        link->setToolTip(more().at(text) + QStringLiteral(" (") + key + u')');
    };
    hint(aboutButton_, More::AboutHint, QStringLiteral("F1"));
    hint(undoButton_, More::UndoHint, QStringLiteral("Ctrl+Z"));
    hint(redoButton_, More::RedoHint, QStringLiteral("Ctrl+Shift+Z, Ctrl+Y"));
    hint(resetButton_, More::ResetHint, QStringLiteral("Ctrl+R"));
    hint(saveButton_, More::SaveHint, QStringLiteral("Ctrl+S"));
    hint(loadButton_, More::LoadHint, QStringLiteral("Ctrl+O"));
    hint(copyButton_, More::CopyHint, QStringLiteral("Ctrl+C"));
    hint(pasteButton_, More::PasteHint, QStringLiteral("Ctrl+V"));
    hint(summaryButton_, More::SummaryHint, QStringLiteral("F2"));
    search_->setHint(more().at(More::SearchHint) + QStringLiteral(" (Ctrl+F)"));
}

void MainWindow::openTreeMenu(TreeSlot at)
{
    treeMenuTree_ = at.tree;
    const ImageControl *icon = cellAt(at.slot, at.tree).icon;
    treeMenu_->popup(icon->mapToGlobal(QPoint(icon->width(), 0)));
}

QString MainWindow::talentDescription(const ImageControl &icon) const
{
    const TreeSlot at = decodeIconTag(icon.tag());
    if (!TalentTable::validTree(at.tree) || !TalentTable::validSlot(at.slot) ||
        !table().at(at.slot, at.tree).present)
        return QStringLiteral(
            "A talent: a left press spends a point, a right press gives one back");
    const TalentAccess access = talentAccess(table(), at.slot, at.tree);
    QString state;
    switch (access.kind) {
    case TalentAccess::Kind::Open:
        state = more().at(More::TalentOpen);
        break;
    case TalentAccess::Kind::Full:
        state = more().at(More::TalentFull);
        break;
    case TalentAccess::Kind::NeedsPoints:
        state = more().at(More::TalentNeedsPoints).arg(access.missingPoints);
        break;
    case TalentAccess::Kind::NeedsPrerequisite:
        state = more()
                    .at(More::TalentNeedsPrerequisite)
                    .arg(table().at(access.prerequisite, at.tree).name);
        break;
    case TalentAccess::Kind::NoPointsLeft:
        state = more().at(More::TalentNoPointsLeft);
        break;
    }
    const QString requirements =
        tooltipTexts(table(), at.slot, at.tree, tooltipWords()).requirements;
    QStringList parts{state};
    for (const QString &line : requirements.split(u'\r', Qt::SkipEmptyParts))
        parts << line.trimmed();
    return parts.join(QStringLiteral(". "));
}
