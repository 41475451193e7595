#include "toolkit/choice_box.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

// The language and class boxes: what the program selects, and which choices count as the user's.
class TestChoiceBox : public QObject {
    Q_OBJECT

private slots:
    void selectOutsideTheListLeavesNoSelection_data();
    void selectOutsideTheListLeavesNoSelection();
    void userKeysAreChoices_data();
    void userKeysAreChoices();
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

void TestChoiceBox::userKeysAreChoices_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("chosen"); // -1: no choice made

    QTest::newRow("down") << 0 << int(Qt::Key_Down) << 1;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 1;
    QTest::newRow("end") << 0 << int(Qt::Key_End) << 2;
    QTest::newRow("home") << 2 << int(Qt::Key_Home) << 0;
    QTest::newRow("down at the last entry") << 2 << int(Qt::Key_Down) << -1;
}

void TestChoiceBox::userKeysAreChoices()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, chosen);
    ChoiceBox box(nullptr);
    box.addItems(Items);
    box.select(start);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &ChoiceBox::chosen);

    QTest::keyClick(&box, static_cast<Qt::Key>(key));
    if (chosen < 0) {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(box.currentIndex(), start);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), chosen);
        QCOMPARE(box.currentIndex(), chosen);
    }
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
