#include "label_control.h"

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
    caption_ = caption;
    setText(displayedCaption(caption));
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
    if (wordWrap())
        resize(width(), heightForWidth(width()));
    else
        resize(sizeHint());
}

QColor LabelControl::fontColour() const { return palette().color(QPalette::WindowText); }

void LabelControl::setFontColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LabelControl::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    if (autoSize_)
        fitToText();
}

void LabelControl::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void LabelControl::setTransparentBackground() { setAutoFillBackground(false); }

void LabelControl::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LabelControl::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && autoSize_)
        fitToText();
}
