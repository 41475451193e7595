// The tooltip panel as the user sees it: pointing at an icon, pressing it, leaving it.
#include "board/fonts.h"
#include "board_driver.h"
#include "standard_window_test.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QTest>
#include <tuple>

namespace {
const QColor Met(0, 255, 0);
const QColor Unmet(255, 0, 0);

QString rankText(int tree, int slot, int k)
{
    return QStringLiteral("en rank %1 of %2-%3").arg(k).arg(tree).arg(slot);
}

QString needs(const QString &number, const QString &name)
{
    return QStringLiteral("en:2 ") + number + QStringLiteral(" en:3 ") + name +
           QStringLiteral(" en:4");
}

// Where the panel must stand beside the icon of (slot, tree) at its current size.
QPoint besideIcon(const MainWindow &w, int slot, int tree)
{
    const QRect icon = w.board().cell(slot, tree).icon;
    const int x = tree == 3 ? icon.left() - tooltip(w)->width() - 5 : icon.right() + 1 + 5;
    const int y = slot <= 32 ? icon.top() : icon.top() - tooltip(w)->height();
    return {x, y};
}

const TooltipPart EveryPart[] = {TooltipPart::Name,        TooltipPart::Rank,
                                 TooltipPart::Levels,      TooltipPart::Requirements,
                                 TooltipPart::Description, TooltipPart::LearnHint,
                                 TooltipPart::UnlearnHint};

// Whether `pixel` is `colour` laid over the black background with at least half coverage, as
// antialiased text is.
bool inkOf(const QColor &pixel, const QColor &colour)
{
    const int full = colour.red() + colour.green() + colour.blue();
    const int got = pixel.red() + pixel.green() + pixel.blue();
    const auto near = [&](int p, int c) { return qAbs(p * full - c * got) <= 8 * full; };
    return 2 * got >= full && near(pixel.red(), colour.red()) &&
           near(pixel.green(), colour.green()) && near(pixel.blue(), colour.blue());
}

// The texts of the panel stand in a column: requirements right under the rank line's area, the
// description under the requirements, the two hints under the description. Each is painted in
// its own rectangle, in its colour.
void verifyLayout(const MainWindow &w, int slot, int tree)
{
    // A talent with points has the line of its levels under the rank line.
    const bool levels = w.talents().at(slot, tree).rank > 0;
    QCOMPARE(tooltipLevels(w)->isShown(), levels);
    const QRect requirement = tooltipRequirement(w)->geometry();
    const QRect text = tooltipText(w)->geometry();
    QCOMPARE(requirement.topLeft(), QPoint(6, levels ? 44 : 31));
    QCOMPARE(text.y(), requirement.y() + requirement.height() + (slot > 4 ? 5 : 0));
    QCOMPARE(text.width(), 345);
    const int hintsTop = text.y() + text.height() + 5;
    QCOMPARE(learnHint(w)->geometry().y(), hintsTop);
    QCOMPARE(unlearnHint(w)->geometry().y(), hintsTop);
    QCOMPARE(unlearnHint(w)->geometry().right() + 1, 351);
    // The hint ends 4 pixels inside the border, drawn in the panel's last column.
    QVERIFY(tooltip(w)->width() - 1 - (unlearnHint(w)->geometry().right() + 1) >= 4);
    const QImage painted = tooltip(w)->grab().toImage();
    for (const TooltipPart part : EveryPart) {
        const TooltipText shown{tooltip(w), part};
        if (!shown.isShown())
            continue;
        const QRect at = shown.geometry();
        QVERIFY2(tooltip(w)->rect().contains(at), qPrintable(shown.caption()));
        if (shown.caption().trimmed().isEmpty())
            continue;
        bool inks = false;
        for (int y = at.top(); y <= at.bottom() && !inks; ++y) {
            for (int x = at.left(); x <= at.right() && !inks; ++x)
                inks = inkOf(painted.pixelColor(x, y), shown.fontColour());
        }
        QVERIFY2(inks, qPrintable(shown.caption()));
    }
    QCOMPARE(tooltip(w)->pos(), besideIcon(w, slot, tree));
}
} // namespace

class TestTooltip : public StandardWindowTest {
    Q_OBJECT
private slots:
    void init()
    {
        openFreshWindow();
        QVERIFY(!tooltip(*w_)->isVisible());
    }

    void pointingShowsTheTalentBesideItsIcon_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<QString>("requirements");
        QTest::addColumn<bool>("met");

        QTest::newRow("row 1, nothing required") << 3 << 1 << "" << true;
        QTest::newRow("row 3") << 9 << 1 << needs("10", "First Tree") << false;
        QTest::newRow("row 4 behind a prerequisite")
            << 14 << 1 << needs("2", "en talent 1-10") + u'\r' + needs("15", "First Tree") << false;
        QTest::newRow("behind a prerequisite without picture")
            << 11 << 1 << needs("3", "en talent 1-7") + u'\r' + needs("10", "First Tree") << false;
        QTest::newRow("row 9, above the icon") << 33 << 1 << needs("40", "First Tree") << false;
        QTest::newRow("tree 2, prerequisite in the same row")
            << 6 << 2 << needs("5", "en talent 2-5") + u'\r' + needs("5", "Second Tree") << false;
        QTest::newRow("tree 3 row 1, left of the icon") << 1 << 3 << "" << true;
        QTest::newRow("tree 3 slot 30, last row level with the icon")
            << 30 << 3 << needs("35", "Third Tree") << false;
        QTest::newRow("tree 3 slot 33, left of and above the icon")
            << 33 << 3 << needs("40", "Third Tree") << false;
        QTest::newRow("tree 3 slot 42") << 42 << 3 << needs("50", "Third Tree") << false;
    }
    void pointingShowsTheTalentBesideItsIcon()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(QString, requirements);
        QFETCH(bool, met);
        MainWindow &w = *w_.window;
        pointAtTalent(w, slot, tree);
        QVERIFY(tooltip(w)->isVisible());
        QCOMPARE(tooltipName(w)->caption(), QStringLiteral("en talent %1-%2").arg(tree).arg(slot));
        const int maxRank = w.talents().at(slot, tree).maxRank;
        QCOMPARE(tooltipRank(w)->caption(), QStringLiteral("en:6:0/%1").arg(maxRank));
        QCOMPARE(tooltipRequirement(w)->caption(), requirements);
        QCOMPARE(tooltipRequirement(w)->fontColour(), met ? Met : Unmet);
        QCOMPARE(tooltipText(w)->caption(), rankText(tree, slot, 1));
        verifyLayout(w, slot, tree);
        QVERIFY(w_.dialogs.messages.isEmpty());
    }

    void requirementColourFollowsTheRules_data()
    {
        QTest::addColumn<Presses>("before");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::addColumn<bool>("met");

        QTest::newRow("row 2 after four points above") << presses({{1, 1, 4}}) << 5 << 1 << false;
        QTest::newRow("row 2 after five points above") << presses({{1, 1, 5}}) << 5 << 1 << true;
        QTest::newRow("prerequisite short of full rank")
            << presses({{1, 1, 3}, {2, 1, 2}}) << 6 << 1 << false;
        QTest::newRow("prerequisite at full rank")
            << presses({{1, 1, 2}, {2, 1, 3}}) << 6 << 1 << true;
        QTest::newRow("row 3 with ten points above")
            << presses({{1, 1, 5}, {2, 1, 3}, {3, 1, 2}}) << 9 << 1 << true;
        QTest::newRow("prerequisite without picture never met")
            << presses({{1, 1, 5}, {2, 1, 3}, {3, 1, 2}}) << 11 << 1 << false;
        QTest::newRow("points in another tree do not count")
            << presses({{1, 3, 5}}) << 5 << 1 << false;
    }
    void requirementColourFollowsTheRules()
    {
        QFETCH(Presses, before);
        QFETCH(int, slot);
        QFETCH(int, tree);
        QFETCH(bool, met);
        MainWindow &w = *w_.window;
        pressAll(w, before);
        pointAtTalent(w, slot, tree);
        QCOMPARE(tooltipRequirement(w)->fontColour(), met ? Met : Unmet);
        QCOMPARE(tooltipRank(w)->caption().left(7), QStringLiteral("en:6:0/"));
    }

    // Leaving hides the panel. A talent is laid out alike whatever the panel showed before, the
    // first tooltip after start included (a talent without requirement lines once stood a pixel
    // higher until one with them had been shown).
    void leavingHidesThePanelAndNothingCarriesOver_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("tree");
        QTest::newRow("tree 1 row 4") << 14 << 1;
        QTest::newRow("tree 3 row 11") << 42 << 3;
        QTest::newRow("tree 1 row 1, no requirement") << 3 << 1;
    }
    void leavingHidesThePanelAndNothingCarriesOver()
    {
        QFETCH(int, slot);
        QFETCH(int, tree);
        MainWindow &w = *w_.window;
        const auto geometry = [&w] {
            QList<QRect> rects{tooltip(w)->geometry()};
            for (const TooltipPart part : EveryPart)
                rects << tooltip(w)->textRect(part);
            return rects;
        };
        pointAtTalent(w, slot, tree);
        verifyLayout(w, slot, tree);
        const QList<QRect> first = geometry();
        leaveTalent(w, slot, tree);
        QVERIFY(!tooltip(w)->isVisible());
        pointAtTalent(w, 9, 1);
        verifyLayout(w, 9, 1);
        QCOMPARE(tooltipRequirement(w)->caption(), needs("10", "First Tree"));
        leaveTalent(w, 9, 1);
        pointAtTalent(w, slot, tree);
        QCOMPARE(geometry(), first);
    }

    // The layout's rules in numbers, for a name of 90 x 16, rank texts 26 high and a left hint of
    // 78 x 13: where the requirement lines, the rank texts and the right hint stand, and the
    // panel's size.
    void layoutFollowsTheTextSizes_data()
    {
        QTest::addColumn<QSize>("requirements");
        QTest::addColumn<bool>("levels");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QSize>("unlearn");
        QTest::addColumn<QRect>("requirementsAt");
        QTest::addColumn<int>("descriptionTop");
        QTest::addColumn<QRect>("unlearnAt");
        QTest::addColumn<QSize>("panel");
        QTest::newRow("first row")
            << QSize(169, 13) << false << 3 << QSize(93, 13) << QRect(6, 31, 169, 13) << 44
            << QRect(258, 75, 93, 13) << QSize(356, 89);
        QTest::newRow("second row, with levels")
            << QSize(169, 13) << true << 5 << QSize(93, 13) << QRect(6, 44, 169, 13) << 62
            << QRect(258, 93, 93, 13) << QSize(356, 107);
        QTest::newRow("requirement wider than the panel")
            << QSize(600, 26) << false << 9 << QSize(93, 13) << QRect(6, 31, 600, 26) << 62
            << QRect(258, 93, 93, 13) << QSize(607, 107);
        // Empty texts still take their place: the panel ends under the hints' line.
        QTest::newRow("no requirement, empty hints")
            << QSize(0, 13) << false << 1 << QSize(0, 0) << QRect(6, 31, 0, 13) << 44
            << QRect(351, 75, 0, 0) << QSize(356, 76);
    }
    void layoutFollowsTheTextSizes()
    {
        QFETCH(QSize, requirements);
        QFETCH(bool, levels);
        QFETCH(int, slot);
        QFETCH(QSize, unlearn);
        const QSize learn = unlearn.isEmpty() ? unlearn : QSize(78, 13);
        const TooltipLayout layout = layOutTooltip(
            {QSize(90, 16), requirements, QSize(345, 26), learn, unlearn}, levels, slot);
        QCOMPARE(layout.rect(TooltipPart::Name), QRect(6, 1, 90, 16));
        QCOMPARE(layout.rect(TooltipPart::Rank), QRect(6, 16, 345, 13));
        QCOMPARE(layout.shows(TooltipPart::Levels), levels);
        QTEST(layout.rect(TooltipPart::Requirements), "requirementsAt");
        QTEST(layout.rect(TooltipPart::Description).top(), "descriptionTop");
        QCOMPARE(layout.rect(TooltipPart::LearnHint).topLeft(),
                 QPoint(2, layout.rect(TooltipPart::UnlearnHint).top()));
        QTEST(layout.rect(TooltipPart::UnlearnHint), "unlearnAt");
        QTEST(layout.size, "panel");
    }

    void everyPressRebuildsThePanel()
    {
        MainWindow &w = *w_.window;
        struct Step {
            int slot;
            int tree;
            Qt::MouseButton button;
            QString rankLine;
            QString description;
        };
        const QString nextRank = QStringLiteral("\r \ren:5:\r");
        const Step steps[] = {
            {1, 1, Qt::LeftButton, "en:6:1/5", rankText(1, 1, 1) + nextRank + rankText(1, 1, 2)},
            {1, 1, Qt::LeftButton, "en:6:2/5", rankText(1, 1, 2) + nextRank + rankText(1, 1, 3)},
            {1, 1, Qt::LeftButton, "en:6:3/5", rankText(1, 1, 3) + nextRank + rankText(1, 1, 4)},
            {1, 1, Qt::LeftButton, "en:6:4/5", rankText(1, 1, 4) + nextRank + rankText(1, 1, 5)},
            {1, 1, Qt::LeftButton, "en:6:5/5", rankText(1, 1, 5)},
            {1, 1, Qt::LeftButton, "en:6:5/5", rankText(1, 1, 5)}, // full: nothing moves
            {1, 1, Qt::RightButton, "en:6:4/5", rankText(1, 1, 4) + nextRank + rankText(1, 1, 5)},
            // Another talent: the panel moves to it.
            {5, 1, Qt::LeftButton, "en:6:0/3", rankText(1, 5, 1)}, // row 2 still locked
            {1, 1, Qt::LeftButton, "en:6:5/5", rankText(1, 1, 5)},
            {5, 1, Qt::LeftButton, "en:6:1/3", rankText(1, 5, 1) + nextRank + rankText(1, 5, 2)},
            {42, 3, Qt::MiddleButton, "en:6:0/5", rankText(3, 42, 1)},
        };
        pointAtTalent(w, 1, 1);
        for (const Step &step : steps) {
            const QString where =
                QStringLiteral("%1-%2 %3").arg(step.tree).arg(step.slot).arg(step.rankLine);
            pressTalent(w, step.slot, step.tree, step.button);
            QVERIFY2(tooltip(w)->isVisible(), qPrintable(where));
            QCOMPARE(tooltipName(w)->caption(),
                     QStringLiteral("en talent %1-%2").arg(step.tree).arg(step.slot));
            QCOMPARE(tooltipRank(w)->caption(), step.rankLine);
            QCOMPARE(tooltipText(w)->caption(), step.description);
            verifyLayout(w, step.slot, step.tree);
        }
        // The requirement colour of row 2 follows too: its five points above are now there.
        QCOMPARE(w.talents().at(1, 1).rank, 5);
        pointAtTalent(w, 5, 1);
        QCOMPARE(tooltipRequirement(w)->fontColour(), Met);
    }

    // The panel of a tree-3 talent stands over tree 2: a press there reaches the talent under it.
    void pressesGoThroughThePanel()
    {
        MainWindow &w = *w_.window;
        pointAtTalent(w, 1, 3);
        QVERIFY(tooltip(w)->isVisible());
        const QRect icon = w.board().cell(1, 2).icon;
        QVERIFY(tooltip(w)->geometry().contains(icon.center()));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, icon.center());
        QCOMPARE(w.talents().at(1, 2).rank, 1);
        QCOMPARE(tooltipName(w)->caption(), QStringLiteral("en talent 2-1"));
    }

    void wordsComeFromTheCurrentLanguage()
    {
        MainWindow &w = *w_.window;
        chooseEntry(languageBox(w), 1);
        QCOMPARE(w.build().languageCode(), QStringLiteral("ru"));
        pointAtTalent(w, 14, 1);
        QCOMPARE(tooltipName(w)->caption(), QStringLiteral("ru talent 1-14"));
        QCOMPARE(tooltipRank(w)->caption(), QStringLiteral("ru:6:0/3"));
        QCOMPARE(tooltipRequirement(w)->caption(),
                 QStringLiteral("ru:2 2 ru:3 ru talent 1-10 ru:4\r"
                                "ru:2 15 ru:3 First Tree ru:4"));
        QCOMPARE(tooltipText(w)->caption(), QStringLiteral("ru rank 1 of 1-14"));
        QCOMPARE(learnHint(w)->caption(), QStringLiteral(" ru:0"));
        verifyLayout(w, 14, 1);
    }

    // Texts longer than the panel: paragraphs, wrapping and a requirement line wider than it.
    void longTextsGrowThePanel_data()
    {
        QTest::addColumn<int>("tree");
        QTest::newRow("right of the icon") << 1;
        QTest::newRow("left of the icon") << 3;
    }
    void longTextsGrowThePanel()
    {
        QFETCH(int, tree);
        FixtureWorld world;
        world.writeStandardClass();
        const QString folder = QStringLiteral("Dd/%1/").arg(tree);
        world.writeTree(QStringLiteral("Dd"), tree, {QStringLiteral("Tree"), {{1, 1}, {5, 2, 1}}});
        const QByteArray sentence = "The ember grows warmer with every step the bearer takes. ";
        const QByteArray wideName =
            "Wide Wandering Wolves Woven With Winter Wind, Whirling Westward Without Warning";
        const QByteArray text = "Long Wide Tree Name With Many Words Within It Wide\r\n"
                                "#1 1\r\n" +
                                wideName + "\r\n" + sentence.repeated(4) +
                                "\r\n"
                                "#5 2 1\r\n"
                                "Spark\r\n" +
                                sentence.repeated(3) + "<br /><br />" + sentence.repeated(3) +
                                "<br /><br /><br />end\r\n"
                                "second\r\n"
                                "#endtalants\r\n";
        world.write(folder + QStringLiteral("tal.en"), text);
        OpenedWindow &w = w_;
        w.window.reset();
        w.open(world);
        QVERIFY(w.dialogs.messages.isEmpty());

        pointAtTalent(*w.window, 5, tree);
        QCOMPARE(
            tooltipRequirement(*w)->caption(),
            needs("1", QString::fromUtf8(wideName)) + u'\r' +
                needs("5", QStringLiteral("Long Wide Tree Name With Many Words Within It Wide")));
        const QString paragraph = QString::fromUtf8(sentence.repeated(3));
        QCOMPARE(tooltipText(*w)->caption(),
                 paragraph + u'\r' + paragraph + QStringLiteral("\r<br />end"));
        // Six sentences in two paragraphs cannot fit on two lines of 345 pixels.
        QVERIFY2(tooltipText(*w)->geometry().height() > 2 * tooltipRank(*w)->geometry().height(),
                 qPrintable(QString::number(tooltipText(*w)->geometry().height())));
        // The requirement line does not wrap: the panel grows past its design width.
        const QRect requirement = tooltipRequirement(*w)->geometry();
        QVERIFY2(requirement.width() > 355, qPrintable(QString::number(requirement.width())));
        QCOMPARE(tooltip(*w)->width(), requirement.right() + 1 + 1);
        verifyLayout(*w.window, 5, tree);
        w.window.reset(); // before its data folder goes
    }
};

QTEST_MAIN(TestTooltip)
#include "test_tooltip.moc"
