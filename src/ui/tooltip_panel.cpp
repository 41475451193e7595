#include "ui/tooltip_panel.h"

#include "ui/tooltip_widget.h"

TooltipPanel::TooltipPanel(QWidget &window) : panel_(new TooltipWidget(window)) {}

void TooltipPanel::setHints(const QString &learn, const QString &unlearn)
{
    panel_->setHints(learn, unlearn);
}

void TooltipPanel::show(const TooltipTexts &texts, bool requirementsMet, int slot, int tree,
                        const QRect &icon, const QString &levels)
{
    panel_->setTexts(texts, levels, requirementsMet, slot);
    panel_->move(tooltipPosition(icon, panel_->size(), slot, tree));
    panel_->show();
}

void TooltipPanel::hide()
{
    panel_->hide();
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
