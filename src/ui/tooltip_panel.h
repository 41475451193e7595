#pragma once

#include "board/tooltip_text.h"

#include <QRect>
#include <QString>

class TooltipWidget;
class QWidget;

// The panel beside a talent under the pointer: its name, rank, requirements, rank texts and the
// two press hints. The panel is one widget, a child of the window, made once and hidden until a
// talent is pointed at.
class TooltipPanel {
public:
    explicit TooltipPanel(QWidget &window);

    // The press hints in the current language.
    void setHints(const QString &learn, const QString &unlearn);
    // Fills the panel with `texts` and places it beside `icon`, the icon of `slot` in `tree`.
    // `requirementsMet` colours the requirement lines; `levels`, when not empty, is the line of the
    // levels the talent took its points at, under the rank line.
    void show(const TooltipTexts &texts, bool requirementsMet, int slot, int tree,
              const QRect &icon, const QString &levels = {});
    void hide();
    bool isVisible() const;
    void setVisible(bool visible);
    // Above every control made before it.
    void raise();

private:
    TooltipWidget *panel_ = nullptr;
};
