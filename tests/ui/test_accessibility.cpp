// What assistive technology reads of the window: a name and a description for every control, and
// talent icons named after their talent and rank as the rank changes.
#include "board/fonts.h"
#include "board_driver.h"
#include "standard_window_test.h"
#include "toolkit/label_control.h"

#include <QAccessible>
#include <QTest>

namespace {

QString accessibleText(QObject *object, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(which) : QStringLiteral("(no interface)");
}

QString nameOf(QObject *object)
{
    return accessibleText(object, QAccessible::Name);
}

} // namespace

class TestAccessibility : public StandardWindowTest {
    Q_OBJECT
private slots:

    void controlNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        // Lists and pictures have names in words; labels and buttons are named by their
        // captions, in the interface's language.
        QTest::newRow("board") << "board"
                               << "Talent trees";
        QTest::newRow("details panel") << "p_info"
                                       << "Talent details";
        QTest::newRow("focus rest") << "Edit1"
                                    << "Focus rest";
        QTest::newRow("free points") << "Lb_Free"
                                     << "en:8: 71";
        QTest::newRow("points spent") << "lb_tot"
                                      << "en:7: 0";
        QTest::newRow("level") << "lb_lvl"
                               << "en:15: 9";
        QTest::newRow("language caption") << "lb_lang"
                                          << "en:9";
        QTest::newRow("save") << "sp_save"
                              << "en:12";
        QTest::newRow("load") << "sp_load"
                              << "en:11";
        QTest::newRow("reset") << "bt_reset"
                               << "en:14";
        QTest::newRow("about") << "sp_ab"
                               << "About";
    }
    void controlNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto *widget = w_->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(nameOf(widget), name);
        QVERIFY(!accessibleText(widget, QAccessible::Description).isEmpty());
    }

    // On Linux Qt names a list by its selection; the screen reader finds what the list is for
    // through its label, and other platforms through its accessible name.
    void listsAreLabelled_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("language") << "cb_lang"
                                  << "lb_lang"
                                  << "Language";
        QTest::newRow("class") << "cb_class"
                               << "lb_class"
                               << "Class";
    }
    void listsAreLabelled()
    {
        QFETCH(QString, list);
        QFETCH(QString, label);
        QFETCH(QString, name);
        auto *box = w_->findChild<QWidget *>(list);
        QVERIFY(box);
        QCOMPARE(box->accessibleName(), name);
        QVERIFY(!accessibleText(box, QAccessible::Description).isEmpty());
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
        const auto labels = face->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->object(), w_->findChild<QObject *>(label));
        QCOMPARE(labels[0].first->text(QAccessible::Name),
                 w_->findChild<LabelControl *>(label)->caption());
    }

    // Every control on show, with the details panel of a talent open, has both texts, and no
    // name is a control's object name.
    void everyControlIsDescribed()
    {
        pointAtTalent(*w_, 6, 1); // a talent with requirements: every line of the panel is filled
        QVERIFY(tooltip(*w_)->isVisible());
        const QList<QWidget *> controls = w_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        int checked = 0;
        for (QWidget *control : controls) {
            if (control->isWindow() || !control->isVisible())
                continue;
            const QString name = nameOf(control);
            const QString what = control->metaObject()->className() + QStringLiteral(" ") +
                                 control->objectName() + QStringLiteral(" named '") + name +
                                 QStringLiteral("'");
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));
            QVERIFY2(name != control->objectName(), qPrintable(what));
            QVERIFY2(!accessibleText(control, QAccessible::Description).isEmpty(),
                     qPrintable(what));
            ++checked;
        }
        // The board's talents: a button for each talent the standard class places (55), tree by
        // tree and slot by slot, named by its talent and rank and standing on its icon.
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(boardOf(*w_));
        QCOMPARE(board->childCount(), 55);
        int k = 0;
        for (int tree = 1; tree <= 3; ++tree) {
            for (int slot = 1; slot <= 44; ++slot) {
                const Talent &talent = w_->talents().at(slot, tree);
                if (!talent.present)
                    continue;
                QAccessibleInterface *button = board->child(k++);
                QCOMPARE(
                    button->text(QAccessible::Name),
                    QStringLiteral("en talent %1-%2 0/%3").arg(tree).arg(slot).arg(talent.maxRank));
                QVERIFY(!button->text(QAccessible::Description).isEmpty());
                const QRect icon = w_->board().cell(slot, tree).icon;
                QCOMPARE(button->rect(),
                         QRect(boardOf(*w_)->mapToGlobal(icon.topLeft()), icon.size()));
            }
        }
        QCOMPARE(k, 55);
        QVERIFY(checked > 10);
        // The panel paints its texts; a reader finds each as a static text named by it, in
        // order, the empty levels line of a talent without points and the compared line left out.
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(tooltip(*w_));
        QCOMPARE(panel->childCount(), 8);
        for (int k = 0; k < panel->childCount(); ++k) {
            QAccessibleInterface *text = panel->child(k);
            const auto part = static_cast<TooltipPart>(k);
            QCOMPARE(text->parent(), panel);
            QCOMPARE(panel->indexOfChild(text), k);
            QCOMPARE(text->state().invisible,
                     part == TooltipPart::Levels || part == TooltipPart::Compared);
            QCOMPARE(text->text(QAccessible::Name), tooltip(*w_)->shownText(part));
            QVERIFY(!text->text(QAccessible::Description).isEmpty());
            QCOMPARE(text->rect(),
                     QRect(tooltip(*w_)->mapToGlobal(tooltip(*w_)->textRect(part).topLeft()),
                           tooltip(*w_)->textRect(part).size()));
        }
    }

    void talentNameFollowsItsRank_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("spent");
        QTest::addColumn<int>("givenBack");
        QTest::addColumn<QString>("name");
        QTest::newRow("untouched") << 2 << 1 << 0 << 0 << "en talent 1-2 0/3";
        QTest::newRow("one point") << 2 << 1 << 1 << 0 << "en talent 1-2 1/3";
        QTest::newRow("full rank") << 1 << 1 << 5 << 0 << "en talent 1-1 5/5";
        QTest::newRow("past full rank") << 3 << 1 << 4 << 0 << "en talent 1-3 2/2";
        QTest::newRow("given back") << 2 << 2 << 3 << 1 << "en talent 2-2 2/3";
        QTest::newRow("all given back") << 2 << 2 << 2 << 2 << "en talent 2-2 0/3";
        QTest::newRow("locked, pressed") << 5 << 2 << 2 << 0 << "en talent 2-5 0/5";
    }
    void talentNameFollowsItsRank()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(int, spent);
        QFETCH(int, givenBack);
        QFETCH(QString, name);
        MainWindow &w = *w_.window;
        pressTalentTimes(w, slot, tree, spent);
        pressTalentTimes(w, slot, tree, givenBack, Qt::RightButton);
        QCOMPARE(talentInterface(w, slot, tree)->text(QAccessible::Name), name);
        // The name says what the rank label shows.
        QVERIFY(name.endsWith(w.board().cell(slot, tree).rank.text));
    }

    void namesFollowTheLanguageTheResetAndTheClass()
    {
        MainWindow &w = *w_.window;
        pressTalentTimes(w, 2, 1, 2);
        chooseEntry(languageBox(w), 1);
        QCOMPARE(talentInterface(w, 2, 1)->text(QAccessible::Name),
                 QStringLiteral("ru talent 1-2 2/3"));
        pressTalent(w, 2, 1);
        resetButton(w)->click();
        QCOMPARE(talentInterface(w, 2, 1)->text(QAccessible::Name),
                 QStringLiteral("ru talent 1-2 0/3"));
        QCOMPARE(talentInterface(w, 1, 3)->text(QAccessible::Name),
                 QStringLiteral("ru talent 3-1 0/5"));
        // Another class: as many buttons as it places talents.
        for (int tree = 1; tree <= 3; ++tree)
            world_.writeTree(QStringLiteral("Dr"), tree, {QStringLiteral("Plain"), {{1, 2}}});
        chooseEntry(classBox(w), 1);
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(boardOf(w));
        QCOMPARE(board->childCount(), 3);
        QCOMPARE(board->child(2)->text(QAccessible::Name), QStringLiteral("ru talent 3-1 0/2"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
