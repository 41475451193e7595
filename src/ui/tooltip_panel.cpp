#include "ui/tooltip_panel.h"

#include "talents/talent_table.h"
#include "toolkit/label_control.h"
#include "toolkit/panel_control.h"
#include "ui/window_controls.h"

namespace {
const QSize PanelSize(355, 420);
const QSize TextSize(345, 325);
const QColor Met(0, 255, 0);
const QColor Unmet(255, 0, 0);
constexpr int LineHeight = 13;
constexpr int HintMargin = 4;
constexpr QPoint LevelsAt(6, 31);
constexpr QPoint RequirementAt(6, 31);
} // namespace

TooltipPanel::TooltipPanel(QWidget &window)
{
    panel_ = new PanelControl(&window, QStringLiteral("p_info"));
    panel_->setGeometry(QRect(QPoint(120, 40), PanelSize));
    QPalette black = panel_->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel_->setPalette(black);
    // The panel may stand over talents of another tree: a press or a pointer there reaches the
    // talent under it, as if the panel were not there.
    panel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    panel_->hide();
    name_ = makeLabel(panel_, QStringLiteral("lb_name"), {6, 1}, LargeFont, true, White);
    rank_ = makeLabel(panel_, QStringLiteral("lb_rang"), {6, 16}, SmallFont, false, White);
    rank_->setAutoSize(false);
    rank_->resize(345, 13);
    levels_ = makeLabel(panel_, QStringLiteral("lb_levels"), LevelsAt, SmallFont, false, White);
    levels_->setAutoSize(false);
    levels_->resize(345, LineHeight);
    levels_->hide();
    requirement_ =
        makeLabel(panel_, QStringLiteral("lb_treb"), RequirementAt, SmallFont, false, White);
    requirement_->setAutoSize(false);
    requirement_->resize(345, 26);
    text_ = makeLabel(panel_, QStringLiteral("lb_text"), {6, 57}, SmallFont, false, Gold);
    text_->setAutoSize(false);
    text_->resize(TextSize);
    text_->setWordWrap(true);
    learnHint_ = makeLabel(panel_, QStringLiteral("lb_inc"), {2, 391}, SmallFont, false, Lime);
    learnHint_->setBackground(Qt::black);
    unlearnHint_ = makeLabel(panel_, QStringLiteral("lb_dec"), {202, 394}, SmallFont, false, Red);
    unlearnHint_->setBackground(Qt::black);
    describe(panel_, QStringLiteral("Talent details"),
             QStringLiteral("The talent under the pointer: its rank, requirements and effects"));
    describe(name_, {}, QStringLiteral("The talent's name"));
    describe(rank_, {}, QStringLiteral("The talent's rank"));
    describe(levels_, {},
             QStringLiteral("The character levels at which the talent took its points"));
    describe(requirement_, {},
             QStringLiteral("What the talent needs before a point can go into it"));
    describe(text_, {}, QStringLiteral("What the talent does at its current and next rank"));
    describe(learnHint_, {}, QStringLiteral("A left press spends a point"));
    describe(unlearnHint_, {}, QStringLiteral("A right press gives a point back"));
}

void TooltipPanel::setHints(const QString &learn, const QString &unlearn)
{
    learnHint_->setCaption(u' ' + learn);
    unlearnHint_->setCaption(unlearn);
}

void TooltipPanel::show(const TooltipTexts &texts, bool requirementsMet, int slot, int tree,
                        const QRect &icon, const QString &levels)
{
    panel_->setAutoSize(false);
    text_->setAutoSize(false);
    panel_->resize(PanelSize);
    requirement_->setAutoSize(false);

    name_->setCaption(texts.name);
    rank_->setCaption(texts.rankLine);
    // The levels line, when there is one, pushes everything under the rank line down by its height.
    levels_->setCaption(levels);
    levels_->setVisible(!levels.isEmpty());
    requirement_->move(RequirementAt + QPoint(0, levels.isEmpty() ? 0 : LineHeight));
    requirement_->setFontColour(requirementsMet ? Met : Unmet);
    requirement_->setCaption(texts.requirements);
    text_->setCaption(texts.description);

    // The rank texts follow the requirement lines, a little lower for talents below the first row.
    requirement_->setAutoSize(true);
    text_->move(text_->x(),
                requirement_->y() + requirement_->height() + (slot > ColumnsPerRow ? 5 : 0));
    text_->setAutoSize(true);
    const int hintsTop = text_->y() + text_->height() + 5;
    learnHint_->move(learnHint_->x(), hintsTop);
    // The right hint ends a few pixels inside the panel's border, which is drawn around it.
    unlearnHint_->move(panel_->width() - unlearnHint_->width() - HintMargin, hintsTop);
    panel_->setAutoSize(true);
    const int hintRight = unlearnHint_->x() + unlearnHint_->width();
    if (panel_->width() < hintRight + HintMargin + panel_->lineWidth())
        panel_->resize(hintRight + HintMargin + panel_->lineWidth(), panel_->height());

    panel_->move(tooltipPosition(icon, panel_->size(), slot, tree));
    panel_->show();
}

void TooltipPanel::hide()
{
    panel_->hide();
    panel_->setAutoSize(false);
    panel_->resize(PanelSize);
    text_->setAutoSize(false);
    text_->resize(TextSize);
}

bool TooltipPanel::isVisible() const
{
    return panel_->isVisible();
}

void TooltipPanel::setVisible(bool visible)
{
    panel_->setVisible(visible);
}

void TooltipPanel::raise()
{
    panel_->raise();
}
