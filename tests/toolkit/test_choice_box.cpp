#include "toolkit/choice_box.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

// The language and class boxes: what the program selects, and which choices count as the user's.
class TestChoiceBox : public QObject {
    Q_OBJECT

private slots:
    void selectOutsideTheListLeavesNoSelection_data();
    void selectOutsideTheListLeavesNoSelection();
    void closedBoxKeysAndWheelChooseNothing_data();
    void closedBoxKeysAndWheelChooseNothing();
    void userPickInTheListIsAChoice();
    void programSelectionIsNoChoice();
};

namespace {

const QStringList Items = {QStringLiteral("Ashwalker"), QStringLiteral("Tidecaller"),
                           QStringLiteral("Stoneward")};

} // namespace

void TestChoiceBox::selectOutsideTheListLeavesNoSelection_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << Items << 0 << 0 << "Ashwalker";
    QTest::newRow("last") << Items << 2 << 2 << "Stoneward";
    QTest::newRow("one past the end") << Items << 3 << -1 << "";
    QTest::newRow("far past the end") << Items << 1000 << -1 << "";
    QTest::newRow("minus one") << Items << -1 << -1 << "";
    QTest::newRow("negative") << Items << -7 << -1 << "";
    QTest::newRow("empty box") << QStringList() << 0 << -1 << "";
}

void TestChoiceBox::selectOutsideTheListLeavesNoSelection()
{
    QFETCH(QStringList, items);
    QFETCH(int, index);
    QFETCH(int, selected);
    QFETCH(QString, text);
    ChoiceBox box(nullptr);
    box.addItems(items);
    box.select(items.isEmpty() ? -1 : 1); // something selected before

    box.select(index);
    QCOMPARE(box.currentIndex(), selected);
    QCOMPARE(box.selectedText(), text);
}

void TestChoiceBox::closedBoxKeysAndWheelChooseNothing_data()
{
    QTest::addColumn<int>("key"); // 0: a wheel turn
    QTest::addColumn<bool>("opensList");

    QTest::newRow("down") << int(Qt::Key_Down) << true;
    QTest::newRow("up") << int(Qt::Key_Up) << true;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << true;
    QTest::newRow("end") << int(Qt::Key_End) << false;
    QTest::newRow("home") << int(Qt::Key_Home) << false;
    QTest::newRow("a letter") << int(Qt::Key_S) << false;
    QTest::newRow("enter") << int(Qt::Key_Return) << false;
    QTest::newRow("wheel") << 0 << false;
}

void TestChoiceBox::closedBoxKeysAndWheelChooseNothing()
{
    QFETCH(int, key);
    QFETCH(bool, opensList);
    ChoiceBox box(nullptr);
    box.addItems(Items);
    box.select(1);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ChoiceBox::chosen);

    if (key == 0) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, box.mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&box, &wheel);
    } else {
        QTest::keyClick(&box, static_cast<Qt::Key>(key));
    }
    QCOMPARE(box.view()->isVisible(), opensList);
    box.hidePopup();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.currentIndex(), 1);
}

void TestChoiceBox::userPickInTheListIsAChoice()
{
    ChoiceBox box(nullptr);
    box.addItems(Items);
    box.select(0);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ChoiceBox::chosen);

    box.showPopup();
    QAbstractItemView *list = box.view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex pick = list->model()->index(2, 0);
    list->setCurrentIndex(pick);
    QTest::keyClick(list, Qt::Key_Return);

    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(box.selectedText(), Items.at(2));
}

void TestChoiceBox::programSelectionIsNoChoice()
{
    ChoiceBox box(nullptr);
    QSignalSpy spy(&box, &ChoiceBox::chosen);
    box.addItems(Items);
    box.select(2);
    box.setCurrentIndex(0);
    box.select(99);
    box.setCurrentIndex(1);
    box.clear();
    box.addItems(Items);
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(TestChoiceBox)
#include "test_choice_box.moc"
