// The About dialog: its texts in both languages, its design, and what showing and its controls do.
#include "about_dialog.h"
#include "about_texts.h"
#include "fonts.h"
#include "label_control.h"
#include "recording_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

namespace {

const QString Separator = QStringLiteral("________________________");

QStringList shownLines(const Tfr_a &dialog)
{
    return dialog.st1->toPlainText().split(u'\n');
}

// The donation accounts: the lines between the introduction and the separator.
QStringList accounts(const QString &languageCode)
{
    const QStringList lines = aboutTexts(languageCode).lines;
    const qsizetype first = 3;
    return lines.mid(first, lines.size() - 2 - first);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerTahoma(); }

    void textsByLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("russian");
        QTest::newRow("ru") << "ru" << true;
        QTest::newRow("capitals") << "RU" << false;
        QTest::newRow("mixed case") << "Ru" << false;
        QTest::newRow("trailing blank") << "ru " << false;
        QTest::newRow("leading blank") << " ru" << false;
        QTest::newRow("en") << "en" << false;
        QTest::newRow("empty") << "" << false;
    }
    void textsByLanguage()
    {
        QFETCH(QString, code);
        QFETCH(bool, russian);
        const AboutTexts texts = aboutTexts(code);
        if (russian) {
            QCOMPARE(texts.title, QStringLiteral("Оффлайн калькулятор талантов Eldermoor"));
            QCOMPARE(texts.lines.size(), 8);
            QCOMPARE(texts.lines[0],
                     QStringLiteral("Runeplan полностью бесплатен, однако вы можете "));
            QVERIFY2(texts.lines[1].endsWith(QStringLiteral(";) ")), qPrintable(texts.lines[1]));
        } else {
            QCOMPARE(texts.title, QStringLiteral("Offline calculator talants Eldermoor"));
            QCOMPARE(texts.lines.size(), 7);
            QCOMPARE(texts.lines[0],
                     QStringLiteral("Runeplan is basically freeware, although I would "
                                    "like to accept small donations."));
        }
        QCOMPARE(texts.lines[texts.lines.size() - 2], Separator);
        static const QRegularExpression email(
            QStringLiteral("^Email: [a-z0-9.]+@([a-z0-9-]+\\.)*example\\.org$"));
        QVERIFY2(email.match(texts.lines.last()).hasMatch(), qPrintable(texts.lines.last()));
    }

    void accountIdentifiers()
    {
        const QStringList russian = accounts(QStringLiteral("ru"));
        const QStringList english = accounts(QStringLiteral("en"));
        QCOMPARE(russian.size(), 3);
        QCOMPARE(english.size(), 2);
        static const QRegularExpression format(QStringLiteral("^[A-Z][0-9]{12}$"));
        for (const QString &account : russian + english)
            QVERIFY2(format.match(account).hasMatch(), qPrintable(account));
        QCOMPARE(english, russian.mid(0, 2));
        QCOMPARE(QSet<QString>(russian.begin(), russian.end()).size(), 3);
    }

    void productAddressOpens()
    {
        const QUrl url(ProductAddress, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY(url.host().endsWith(QStringLiteral("example.org")));
    }

    void design()
    {
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        QCOMPARE(dialog.objectName(), QStringLiteral("fr_a"));
        QCOMPARE(dialog.size(), QSize(331, 184));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog.font().pixelSize(), 11);
        QCOMPARE(dialog.palette().color(QPalette::Window),
                 dialog.palette().color(QPalette::Button));

        QCOMPARE(dialog.st1->objectName(), QStringLiteral("st1"));
        QCOMPARE(dialog.st1->geometry(), QRect(3, 2, 322, 141));
        QCOMPARE(dialog.st1->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(dialog.st1->font().pixelSize(), 11);
        QVERIFY(dialog.st1->font().bold());
        QCOMPARE(dialog.st1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(dialog.st1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(dialog.st1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        QCOMPARE(dialog.lb_url->objectName(), QStringLiteral("lb_url"));
        QCOMPARE(dialog.lb_url->pos(), QPoint(5, 150));
        QCOMPARE(dialog.lb_url->font().pixelSize(), 13);
        QVERIFY(dialog.lb_url->font().underline());
        QCOMPARE(dialog.lb_url->fontColour(), QColor(0, 0, 255));
        QCOMPARE(dialog.lb_url->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(dialog.lb_url->caption(), QStringLiteral("URL:  ") + ProductAddress);
        QCOMPARE(dialog.lb_url->toolTip(), ProductAddress);

        QCOMPARE(dialog.BitBtn1->objectName(), QStringLiteral("BitBtn1"));
        QCOMPARE(dialog.BitBtn1->geometry(), QRect(248, 150, 75, 25));
        QCOMPARE(dialog.BitBtn1->text(), QStringLiteral("OK"));
        QVERIFY(!dialog.BitBtn1->icon().isNull());
        QVERIFY(dialog.BitBtn1->isDefault());
    }

    void everyControlIsNamedForScreenReaders()
    {
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        for (QWidget *control :
             {static_cast<QWidget *>(dialog.st1), static_cast<QWidget *>(dialog.lb_url),
              static_cast<QWidget *>(dialog.BitBtn1)}) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    void tabOrder()
    {
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(dialog.BitBtn1->hasFocus());
        QTest::keyClick(dialog.BitBtn1, Qt::Key_Tab);
        QVERIFY(dialog.st1->hasFocus());
        QTest::keyClick(dialog.st1, Qt::Key_Tab);
        QVERIFY(dialog.BitBtn1->hasFocus());
    }

    void linkStaysClearOfOk()
    {
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        QVERIFY2(dialog.lb_url->geometry().right() < dialog.BitBtn1->geometry().left(),
                 qPrintable(QString::number(dialog.lb_url->width())));
    }

    void showingFillsTheBox_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ru") << "ru";
        QTest::newRow("en") << "en";
        QTest::newRow("RU") << "RU";
    }
    void showingFillsTheBox()
    {
        QFETCH(QString, code);
        Tfr_a dialog(nullptr, [&] { return code; });
        dialog.show();
        const AboutTexts texts = aboutTexts(code);
        QCOMPARE(dialog.windowTitle(), texts.title);
        QCOMPARE(shownLines(dialog), texts.lines);
        QVERIFY(dialog.st1->isReadOnly());
        QCOMPARE(dialog.focusWidget(), dialog.BitBtn1);
        // Every line is visible without scrolling: nothing is lost below the box's edge.
        QCOMPARE(dialog.st1->verticalScrollBar()->maximum(), 0);
    }

    void eachShowingRebuildsTheTexts()
    {
        QString code = QStringLiteral("ru");
        RecordingDialogs dialogs;
        Tfr_a dialog(nullptr, [&] { return code; });
        dialogs.runModal(&dialog);
        dialog.hide();
        dialogs.runModal(&dialog);
        QCOMPARE(shownLines(dialog), aboutTexts(code).lines);
        dialog.BitBtn1->click();

        code = QStringLiteral("en");
        dialogs.runModal(&dialog);
        QCOMPARE(dialog.windowTitle(), aboutTexts(code).title);
        QCOMPARE(shownLines(dialog), aboutTexts(code).lines);
        QCOMPARE(dialogs.modals.size(), 3);
    }

    void userCannotEdit()
    {
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        const QString before = dialog.st1->toPlainText();
        dialog.st1->setFocus();
        QTest::keyClicks(dialog.st1, QStringLiteral("xyz"));
        QTest::keyClick(dialog.st1, Qt::Key_Delete);
        QCOMPARE(dialog.st1->toPlainText(), before);
    }

    void okCloses_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click") << false;
        QTest::newRow("enter") << true;
    }
    void okCloses()
    {
        QFETCH(bool, byEnter);
        RecordingDialogs dialogs;
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        dialogs.runModal(&dialog);
        dialog.setResult(QDialog::Rejected);
        QVERIFY(dialog.focusWidget());
        if (byEnter)
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        else
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void linkOpensTheAddress()
    {
        RecordingDialogs dialogs;
        Tfr_a dialog(nullptr, [] { return QStringLiteral("en"); });
        dialogs.runModal(&dialog);
        QTest::mouseClick(dialog.lb_url, Qt::LeftButton);
        QCOMPARE(dialogs.addresses, QStringList{ProductAddress});
        QVERIFY(dialog.isVisible());
    }

    void opensCentredOverItsParent()
    {
        QWidget parent;
        parent.setGeometry(140, 90, 700, 500);
        parent.show();
        Tfr_a dialog(&parent, [] { return QStringLiteral("en"); });
        dialog.show();
        const QPoint offset = dialog.geometry().center() - parent.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
