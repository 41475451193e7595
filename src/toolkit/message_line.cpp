#include "toolkit/message_line.h"

#include <QFontMetrics>
#include <QTextLayout>

MessageLine::MessageLine(QWidget *parent, const QString &name, const QRect &box, const QFont &font)
    : QLabel(parent)
{
    setObjectName(name);
    setGeometry(box);
    setFont(font);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    clearing_.setSingleShot(true);
    clearing_.setInterval(ShownFor);
    connect(&clearing_, &QTimer::timeout, this, [this] { showMessage({}); });
    hide();
}

void MessageLine::showMessage(const QString &text)
{
    if (text.isEmpty())
        clearing_.stop();
    else
        clearing_.start();
    display(text.isEmpty() ? standing_ : text);
}

void MessageLine::setStanding(const QString &text)
{
    standing_ = text;
    if (!clearing_.isActive())
        display(standing_);
}

void MessageLine::display(const QString &text)
{
    if (text == message_)
        return;
    message_ = text;
    const int lines = std::max(1, height() / QFontMetrics(font()).lineSpacing());
    setText(fitToLines(text, font(), width(), lines));
    setToolTip(text);
    // The name carries the whole text: setting it is what a screen reader is told of.
    setAccessibleName(text);
    // An empty line is not on show: nothing stands there for a screen reader to name.
    setVisible(!text.isEmpty());
}

QString fitToLines(const QString &text, const QFont &font, int width, int lines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList shown;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (shown.size() == lines - 1) {
            // The last line that fits takes the rest of the text, cut short when it is too long.
            const QString rest = text.mid(line.textStart());
            shown << QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        shown << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return shown.join(u'\n');
}
