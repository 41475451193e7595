#pragma once

#include "board/tooltip_layout.h"
#include "board/tooltip_text.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QHash>

// The tooltip panel as one widget ("p_info"): it lays its texts out once per show and paints them,
// its black background and its raised border itself, so that showing a talent costs one layout
// rather than a child widget per text sizing and placing itself. It is transparent for the mouse: a
// press over it reaches the talent under it.
class TooltipWidget final : public QFrame {
    Q_OBJECT
public:
    explicit TooltipWidget(QWidget &window);

    // The press hints in the current language.
    void setHints(const QString &learn, const QString &unlearn);
    // The texts of the talent in `slot`; `levels`, when not empty, is the line of the levels the
    // talent took its points at. The panel takes the size they need.
    void setTexts(const TooltipTexts &texts, const QString &levels, bool requirementsMet, int slot);

    // What the panel shows, as given (a carriage return starts a line), where and in which
    // colour: what tests and assistive technology read.
    const QString &text(TooltipPart part) const { return captions_[indexOf(part)]; }
    // The text as drawn and as a screen reader reads it: a '\n' starts a line.
    const QString &shownText(TooltipPart part) const { return drawn_[indexOf(part)]; }
    QRect textRect(TooltipPart part) const { return layout_.rect(part); }
    bool showsText(TooltipPart part) const { return layout_.shows(part); }
    QColor textColour(TooltipPart part) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setCaption(TooltipPart part, const QString &caption);
    QSize measured(TooltipPart part);
    void layOut();
    void takeFonts();

    TooltipStrings captions_;
    TooltipStrings drawn_;
    bool requirementsMet_ = false;
    int slot_ = 1;
    QFont nameFont_;
    QFont textFont_;
    // What each text measured, by text: laying text out is most of what showing a talent costs,
    // and the same texts come again and again (a press shows its talent once more).
    std::array<QHash<QString, QSize>, TooltipPartCount> measured_;
    TooltipLayout layout_;
};
