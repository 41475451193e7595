#include "ui/tooltip_widget.h"

#include "board/fonts.h"
#include "toolkit/label_control.h"
#include "ui/tooltip_accessible.h"
#include "ui/window_controls.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace {
// Where the panel stands, and its size, until a talent is first shown.
const QRect DesignGeometry(120, 40, 355, 420);

// The texts a part remembers the size of, at most: more than the rank texts of a whole class
// (132 talents, each with at most six different ones).
constexpr qsizetype MeasuredTexts = 1024;

// The hints are drawn on a black ground of their own: where long ones meet, the right one covers
// the left.
bool hasOwnBackground(TooltipPart part)
{
    return part == TooltipPart::LearnHint || part == TooltipPart::UnlearnHint;
}
} // namespace

TooltipWidget::TooltipWidget(QWidget &window) : QFrame(&window)
{
    // Before anything a screen reader hears of: its first question makes the interface it keeps.
    installTooltipAccessible();
    setObjectName(QStringLiteral("p_info"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    // paintEvent fills the whole panel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The panel may stand over talents of another tree: a press or a pointer there reaches the
    // talent under it, as if the panel were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(DesignGeometry);
    hide();
    takeFonts();
    describe(this, QStringLiteral("Talent details"),
             QStringLiteral("The talent under the pointer: its rank, requirements and effects"));
}

void TooltipWidget::setHints(const QString &learn, const QString &unlearn)
{
    setCaption(TooltipPart::LearnHint, u' ' + learn);
    setCaption(TooltipPart::UnlearnHint, unlearn);
    layOut();
}

void TooltipWidget::setTexts(const TooltipTexts &texts, const QString &levels, bool requirementsMet,
                             int slot)
{
    setCaption(TooltipPart::Name, texts.name);
    setCaption(TooltipPart::Rank, texts.rankLine);
    setCaption(TooltipPart::Compared, texts.comparedLine);
    setCaption(TooltipPart::Levels, levels);
    setCaption(TooltipPart::Requirements, texts.requirements);
    setCaption(TooltipPart::Description, texts.description);
    requirementsMet_ = requirementsMet;
    slot_ = slot;
    layOut();
}

void TooltipWidget::setCaption(TooltipPart part, const QString &caption)
{
    QString &current = captions_[indexOf(part)];
    if (current == caption)
        return;
    current = caption;
    drawn_[indexOf(part)] = displayedCaption(caption);
    announceTooltipText(*this, part);
}

QColor TooltipWidget::textColour(TooltipPart part) const
{
    switch (part) {
    case TooltipPart::Requirements:
        return requirementsMet_ ? Lime : Red;
    case TooltipPart::Description:
        return Gold;
    case TooltipPart::LearnHint:
        return Lime;
    case TooltipPart::UnlearnHint:
        return Red;
    default:
        return White;
    }
}

QSize TooltipWidget::measured(TooltipPart part)
{
    QHash<QString, QSize> &known = measured_[indexOf(part)];
    const QString &text = drawn_[indexOf(part)];
    if (const auto found = known.constFind(text); found != known.constEnd())
        return *found;
    if (known.size() >= MeasuredTexts)
        known.clear();
    const QFontMetrics font(part == TooltipPart::Name ? nameFont_ : textFont_);
    return *known.insert(text, measureTooltipText(font, part, text));
}

void TooltipWidget::layOut()
{
    const TooltipTextSizes sizes{measured(TooltipPart::Name), measured(TooltipPart::Requirements),
                                 measured(TooltipPart::Description),
                                 measured(TooltipPart::LearnHint),
                                 measured(TooltipPart::UnlearnHint)};
    layout_ = layOutTooltip(sizes, !drawn_[indexOf(TooltipPart::Levels)].isEmpty(), slot_,
                            !drawn_[indexOf(TooltipPart::Compared)].isEmpty());
    resize(layout_.size);
    update();
}

void TooltipWidget::takeFonts()
{
    // Resolved against the panel's own font, as a child label's font would be.
    nameFont_ = QFont(tahoma(LargeFont, true).resolve(font()), this);
    textFont_ = QFont(tahoma(SmallFont).resolve(font()), this);
    for (QHash<QString, QSize> &known : measured_)
        known.clear();
}

void TooltipWidget::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    drawFrame(&painter);
    for (std::size_t k = 0; k < TooltipPartCount; ++k) {
        const auto part = static_cast<TooltipPart>(k);
        if (!layout_.shows(part))
            continue;
        const QRect at = layout_.rects[k];
        // A text never spills out of its rectangle: what the layout measured is all that shows.
        painter.setClipRect(at);
        if (hasOwnBackground(part))
            painter.fillRect(at, palette().window());
        painter.setFont(part == TooltipPart::Name ? nameFont_ : textFont_);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, textColour(part));
        // A text in a right-to-left script starts at the right, as the system draws such text.
        const QString &text = drawn_[k];
        const Qt::LayoutDirection direction =
            text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const int flags =
            int(QStyle::visualAlignment(direction, QFlag(tooltipTextFlags(part)))) |
            (direction == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        style()->drawItemText(&painter, at, flags, colours, isEnabled(), text,
                              QPalette::WindowText);
    }
}

void TooltipWidget::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        takeFonts();
        layOut();
    }
}
