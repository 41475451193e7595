#include "toolkit/panel_control.h"

#include <QTest>

// The info panel's frame: with auto-size on it takes the size of what it shows.
class TestPanelControl : public QObject {
    Q_OBJECT

private slots:
    void autoSizeEnclosesTheVisibleChildren_data();
    void autoSizeEnclosesTheVisibleChildren();
    void refitFollowsChildrenShownAndHidden();
    void withoutAutoSizeTheSizeStays();
};

namespace {

struct Child {
    QRect geometry;
    bool hidden;
};

} // namespace

Q_DECLARE_METATYPE(QVector<Child>)

void TestPanelControl::autoSizeEnclosesTheVisibleChildren_data()
{
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<QVector<Child>>("children");
    QTest::addColumn<QSize>("enclosed"); // the lower-right corner the visible children reach

    const Child name{{6, 1, 100, 15}, false};
    const Child text{{6, 57, 345, 325}, false};
    const Child farHidden{{400, 500, 50, 50}, true};

    QTest::newRow("one child") << false << QVector<Child>{name} << QSize(106, 16);
    QTest::newRow("two children") << false << QVector<Child>{name, text} << QSize(351, 382);
    QTest::newRow("hidden child left out")
        << false << QVector<Child>{name, farHidden} << QSize(106, 16);
    QTest::newRow("shown panel") << true << QVector<Child>{name, text, farHidden}
                                 << QSize(351, 382);
}

void TestPanelControl::autoSizeEnclosesTheVisibleChildren()
{
    QFETCH(bool, panelShown);
    QFETCH(QVector<Child>, children);
    QFETCH(QSize, enclosed);
    PanelControl panel(nullptr);
    panel.resize(10, 10);
    if (panelShown)
        panel.show();
    for (const Child &c : children) {
        auto *child = new QWidget(&panel);
        child->setGeometry(c.geometry);
        if (panelShown)
            child->setVisible(!c.hidden);
        else if (c.hidden)
            child->hide();
    }

    panel.setAutoSize(true);
    QVERIFY(panel.autoSize());
    // Every visible child lies inside; the bevel may take one or two pixels more.
    QVERIFY2(panel.width() >= enclosed.width() && panel.width() <= enclosed.width() + 2,
             qPrintable(QString::number(panel.width())));
    QVERIFY2(panel.height() >= enclosed.height() && panel.height() <= enclosed.height() + 2,
             qPrintable(QString::number(panel.height())));
}

void TestPanelControl::refitFollowsChildrenShownAndHidden()
{
    PanelControl panel(nullptr);
    auto *small = new QWidget(&panel);
    small->setGeometry(0, 0, 20, 20);
    auto *large = new QWidget(&panel);
    large->setGeometry(0, 0, 200, 100);
    panel.setAutoSize(true);
    QVERIFY(panel.width() >= 200 && panel.height() >= 100);

    large->hide();
    panel.fitToChildren();
    QVERIFY(panel.width() >= 20 && panel.width() < 200);
    QVERIFY(panel.height() >= 20 && panel.height() < 100);

    large->show();
    panel.fitToChildren();
    QVERIFY(panel.width() >= 200 && panel.height() >= 100);
}

void TestPanelControl::withoutAutoSizeTheSizeStays()
{
    PanelControl panel(nullptr);
    panel.setGeometry(120, 40, 355, 420);
    auto *child = new QWidget(&panel);
    child->setGeometry(6, 1, 10, 10);
    QVERIFY(!panel.autoSize());
    QCOMPARE(panel.size(), QSize(355, 420));
}

QTEST_MAIN(TestPanelControl)
#include "test_panel_control.moc"
