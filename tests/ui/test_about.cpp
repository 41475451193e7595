// The About dialog: its texts in both languages, its design, and what showing and its controls do.
#include "board/fonts.h"
#include "controls_by_name.h"
#include "recording_dialogs.h"
#include "toolkit/label_control.h"
#include "ui/about_dialog.h"
#include "ui/about_texts.h"
#include "window_fixture.h"

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

QStringList shownLines(const AboutDialog &dialog)
{
    return aboutText(dialog)->toPlainText().split(u'\n');
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
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
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

        QCOMPARE(aboutText(dialog)->objectName(), QStringLiteral("st1"));
        QCOMPARE(aboutText(dialog)->geometry(), QRect(3, 2, 322, 141));
        QCOMPARE(aboutText(dialog)->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(aboutText(dialog)->font().pixelSize(), 11);
        QVERIFY(aboutText(dialog)->font().bold());
        QCOMPARE(aboutText(dialog)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(aboutText(dialog)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(aboutText(dialog)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        QCOMPARE(aboutLink(dialog)->objectName(), QStringLiteral("lb_url"));
        QCOMPARE(aboutLink(dialog)->pos(), QPoint(5, 150));
        QCOMPARE(aboutLink(dialog)->font().pixelSize(), 13);
        QVERIFY(aboutLink(dialog)->font().underline());
        QCOMPARE(aboutLink(dialog)->fontColour(), QColor(0, 0, 255));
        QCOMPARE(aboutLink(dialog)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(aboutLink(dialog)->caption(), QStringLiteral("URL:  ") + ProductAddress);
        QCOMPARE(aboutLink(dialog)->toolTip(), ProductAddress);

        QCOMPARE(aboutOkButton(dialog)->objectName(), QStringLiteral("BitBtn1"));
        QCOMPARE(aboutOkButton(dialog)->geometry(), QRect(248, 150, 75, 25));
        QCOMPARE(aboutOkButton(dialog)->text(), QStringLiteral("OK"));
        QVERIFY(!aboutOkButton(dialog)->icon().isNull());
        QVERIFY(aboutOkButton(dialog)->isDefault());
    }

    void everyControlIsNamedForScreenReaders()
    {
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        for (QWidget *control :
             {static_cast<QWidget *>(aboutText(dialog)), static_cast<QWidget *>(aboutLink(dialog)),
              static_cast<QWidget *>(aboutOkButton(dialog))}) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    void tabOrder()
    {
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(aboutOkButton(dialog)->hasFocus());
        QTest::keyClick(aboutOkButton(dialog), Qt::Key_Tab);
        QVERIFY(aboutText(dialog)->hasFocus());
        QTest::keyClick(aboutText(dialog), Qt::Key_Tab);
        QVERIFY(aboutOkButton(dialog)->hasFocus());
    }

    void linkStaysClearOfOk()
    {
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        QVERIFY2(aboutLink(dialog)->geometry().right() < aboutOkButton(dialog)->geometry().left(),
                 qPrintable(QString::number(aboutLink(dialog)->width())));
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
        AboutDialog dialog(nullptr, [&] { return code; });
        dialog.show();
        const AboutTexts texts = aboutTexts(code);
        QCOMPARE(dialog.windowTitle(), texts.title);
        QCOMPARE(shownLines(dialog), texts.lines);
        QVERIFY(aboutText(dialog)->isReadOnly());
        QCOMPARE(dialog.focusWidget(), aboutOkButton(dialog));
        // Every line is visible without scrolling: nothing is lost below the box's edge.
        QCOMPARE(aboutText(dialog)->verticalScrollBar()->maximum(), 0);
    }

    void eachShowingRebuildsTheTexts()
    {
        QString code = QStringLiteral("ru");
        RecordingDialogs dialogs;
        AboutDialog dialog(nullptr, [&] { return code; });
        dialogs.runModal(&dialog);
        dialog.hide();
        dialogs.runModal(&dialog);
        QCOMPARE(shownLines(dialog), aboutTexts(code).lines);
        aboutOkButton(dialog)->click();

        code = QStringLiteral("en");
        dialogs.runModal(&dialog);
        QCOMPARE(dialog.windowTitle(), aboutTexts(code).title);
        QCOMPARE(shownLines(dialog), aboutTexts(code).lines);
        QCOMPARE(dialogs.modals.size(), 3);
    }

    void userCannotEdit()
    {
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        dialog.show();
        const QString before = aboutText(dialog)->toPlainText();
        aboutText(dialog)->setFocus();
        QTest::keyClicks(aboutText(dialog), QStringLiteral("xyz"));
        QTest::keyClick(aboutText(dialog), Qt::Key_Delete);
        QCOMPARE(aboutText(dialog)->toPlainText(), before);
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
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        dialogs.runModal(&dialog);
        dialog.setResult(QDialog::Rejected);
        QVERIFY(dialog.focusWidget());
        if (byEnter)
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        else
            QTest::mouseClick(aboutOkButton(dialog), Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void linkOpensTheAddress()
    {
        RecordingDialogs dialogs;
        AboutDialog dialog(nullptr, [] { return QStringLiteral("en"); });
        dialogs.runModal(&dialog);
        QTest::mouseClick(aboutLink(dialog), Qt::LeftButton);
        QCOMPARE(dialogs.addresses, QStringList{ProductAddress});
        QVERIFY(dialog.isVisible());
    }

    // The window makes its dialog only when About is first pressed, and shows that one dialog at
    // every press, in the language of the board.
    void aboutButtonShowsTheWindowsDialog_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << 0 << "en";
        QTest::newRow("ru") << 1 << "ru";
    }
    void aboutButtonShowsTheWindowsDialog()
    {
        QFETCH(int, language);
        QFETCH(QString, code);
        FixtureWorld world;
        world.writeStandardClass();
        OpenedWindow w;
        w.open(world);
        QVERIFY(!w->findChild<AboutDialog *>());
        chooseEntry(languageBox(*w), language);
        aboutButton(*w)->click();
        aboutButton(*w)->click();
        QCOMPARE(w.dialogs.modals.size(), 2);
        QCOMPARE(w.dialogs.modals[0], w.dialogs.modals[1]);
        QCOMPARE(w.dialogs.modals[0]->parent(), w.window.get());
        QCOMPARE(w.dialogs.modals[0]->windowTitle(), aboutTexts(code).title);
    }

    void opensCentredOverItsParent()
    {
        QWidget parent;
        parent.setGeometry(140, 90, 700, 500);
        parent.show();
        AboutDialog dialog(&parent, [] { return QStringLiteral("en"); });
        dialog.show();
        const QPoint offset = dialog.geometry().center() - parent.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
