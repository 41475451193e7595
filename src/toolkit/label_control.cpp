#include "toolkit/label_control.h"

#include <QMouseEvent>

LabelControl::LabelControl(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setTransparentBackground();
}

QString displayedCaption(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void LabelControl::setCaption(const QString &caption)
{
    if (caption != caption_) {
        caption_ = caption;
        setText(displayedCaption(caption));
    }
    if (autoSize_)
        fitToText();
}

void LabelControl::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on)
        fitToText();
}

void LabelControl::setWrapping(bool on)
{
    setWordWrap(on);
    if (autoSize_)
        fitToText();
}

void LabelControl::fitToText()
{
    const int wrapWidth = wordWrap() ? width() : -1;
    // A label that shows ever new texts (messages) keeps only the latest few hundred.
    constexpr qsizetype MaxFits = 256;
    if (wrapWidth != fitsWidth_ || fits_.size() >= MaxFits) {
        fits_.clear();
        fitsWidth_ = wrapWidth;
    }
    if (const auto fit = fits_.constFind(text()); fit != fits_.constEnd()) {
        resize(*fit);
        return;
    }
    // Only a text's own measure is kept: QLabel's hint, and any measure of an empty text, depend
    // on the label's size as well.
    if (wordWrap()) {
        const QSize wrapped(width(), heightForWidth(width()));
        if (!text().isEmpty())
            fits_.insert(text(), wrapped);
        resize(wrapped);
    } else if (const std::optional<QSize> plain = plainTextSize()) {
        fits_.insert(text(), *plain);
        resize(*plain);
    } else {
        resize(sizeHint());
    }
}

std::optional<QSize> LabelControl::plainTextSize() const
{
    // QLabel's size hint lays the text out three times, as it works out the minimum size too,
    // which auto-size never uses. For a label as this class makes it (plain text, no margin,
    // indent, frame, buddy or minimum size) the hint is the text's bounding box: one layout.
    const bool plain =
        textFormat() == Qt::PlainText && margin() == 0 && indent() <= 0 && frameWidth() == 0 &&
        contentsMargins().isNull() && minimumSize().isNull() && !buddy() && !text().isEmpty() &&
        !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
    if (!plain)
        return std::nullopt;
    ensurePolished();
    // As QLabel measures: tabs expanded, as QLabel always draws them; centring left out, as it
    // only moves the box.
    const int flags =
        (int(alignment()) & ~int(Qt::AlignVCenter | Qt::AlignHCenter)) | int(Qt::TextExpandTabs);
    return fontMetrics().boundingRect(0, 0, 2000, 2000, flags, text()).size();
}

QColor LabelControl::fontColour() const
{
    return palette().color(QPalette::WindowText);
}

bool LabelControl::showsFontColour(const QColor &colour) const
{
    const QPalette &p = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (!p.isBrushSet(group, QPalette::WindowText) ||
            p.color(group, QPalette::WindowText) != colour)
            return false;
    }
    return true;
}

void LabelControl::setFontColour(const QColor &colour)
{
    // The rank labels are given their colour on every press; a palette change costs even when it
    // changes nothing.
    if (showsFontColour(colour))
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LabelControl::setBold(bool bold)
{
    // Rank labels are made bold at every placement; the font change (and the refit that
    // changeEvent makes for it) is only needed the first time.
    if (font().bold() == bold)
        return;
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void LabelControl::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void LabelControl::setTransparentBackground()
{
    setAutoFillBackground(false);
}

void LabelControl::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LabelControl::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        // The text measures differently now.
        fits_.clear();
        break;
    default:
        break;
    }
    if (event->type() == QEvent::FontChange && autoSize_)
        fitToText();
}
