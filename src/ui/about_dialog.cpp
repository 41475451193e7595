#include "ui/about_dialog.h"

#include "board/fonts.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/label_control.h"
#include "ui/about_texts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int ClientWidth = 331;
constexpr int ClientHeight = 184;
constexpr int LinkFont = LargeFont;
constexpr int GlyphSize = 16;

const QColor LinkBlue(0, 0, 255);
const QColor CheckGreen(0, 128, 0);

// The OK button's glyph: a green check mark, drawn here so that it looks the same on every
// desktop theme.
QIcon checkMarkIcon()
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(CheckGreen, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    QPainterPath mark;
    mark.moveTo(2.5, 8.5);
    mark.lineTo(6.5, 12.5);
    mark.lineTo(13.5, 3.5);
    painter.drawPath(mark);
    painter.end();
    return QIcon(pixmap);
}

// The text box: bold text on the dialog's button-face colour in a flat one-pixel frame, wrapped
// at its width and never scrolled by bars.
QPlainTextEdit *makeTextBox(QWidget *parent, const QColor &face)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("st1"));
    box->setGeometry(3, 2, 322, 141);
    box->setFont(tahoma(SmallFont, true));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, face);
    p.setColor(QPalette::Text, p.color(QPalette::WindowText));
    box->setPalette(p);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(true);
    return box;
}

LabelControl *makeLink(QWidget *parent)
{
    auto *link = new LabelControl(parent, QStringLiteral("lb_url"));
    QFont font = tahoma(LinkFont);
    font.setUnderline(true);
    link->setFont(font);
    link->setFontColour(LinkBlue);
    link->setHandCursor();
    link->setHint(ProductAddress);
    link->move(5, 150);
    link->setAutoSize(true);
    link->setCaption(QStringLiteral("URL:  ") + ProductAddress);
    return link;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent, std::function<QString()> languageCode)
    : QDialog(parent), languageCode_(std::move(languageCode))
{
    buildDesign();
    connectGuarded(link_, &LabelControl::clicked, this, [this] { linkPressed(); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::buildDesign()
{
    setObjectName(QStringLiteral("fr_a"));
    // A title but no system menu, close, minimise or maximise button: only OK closes the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(tahoma(SmallFont));
    QPalette p = palette();
    const QColor face = p.color(QPalette::Button);
    p.setColor(QPalette::Window, face);
    setPalette(p);

    textBox_ = makeTextBox(this, face);
    link_ = makeLink(this);

    okButton_ = new QPushButton(checkMarkIcon(), QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("BitBtn1"));
    okButton_->setGeometry(248, 150, 75, 25);
    okButton_->setAutoDefault(true);
    okButton_->setDefault(true);

    setTabOrder(textBox_, okButton_);

    // What a screen reader says of each control.
    setAccessibleName(QStringLiteral("About Runeplan"));
    textBox_->setAccessibleName(QStringLiteral("About the program"));
    textBox_->setAccessibleDescription(
        QStringLiteral("What the program is, how to support it and how to reach its author"));
    link_->setAccessibleName(QStringLiteral("Web page"));
    link_->setAccessibleDescription(QStringLiteral("Opens the program's web page: ") +
                                    ProductAddress);
    okButton_->setAccessibleName(QStringLiteral("OK"));
    okButton_->setAccessibleDescription(QStringLiteral("Closes this dialog"));
}

void AboutDialog::showEvent(QShowEvent *event)
{
    // A spontaneous show is the system restoring a window that was already open: the texts stand.
    if (!event->spontaneous())
        guarded([this] { fillTexts(); });
    QDialog::showEvent(event);
}

void AboutDialog::fillTexts()
{
    textBox_->setReadOnly(false);
    textBox_->clear();
    const AboutTexts texts = aboutTexts(languageCode_ ? languageCode_() : QString());
    setWindowTitle(texts.title);
    for (const QString &line : texts.lines)
        textBox_->appendPlainText(line);
    // Read-only, yet the user can still select the text and copy it, with mouse or keyboard.
    textBox_->setReadOnly(true);
    textBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textBox_->moveCursor(QTextCursor::Start);
    okButton_->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::linkPressed()
{
    dialogs().openAddress(link_->toolTip());
}
