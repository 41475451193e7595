#pragma once

#include "board/fonts.h"
#include "window_fixture.h"

#include <QObject>
#include <QTest>

// The set-up that most window tests share: the fixture world's standard class, written once, and
// a fresh window on it before every test, with no error left over from the last one.
class StandardWindowTest : public QObject {
    Q_OBJECT
protected:
    FixtureWorld world_;
    OpenedWindow w_;

    void openFreshWindow()
    {
        w_.window.reset();
        w_.dialogs.clear();
        w_.open(world_);
        QVERIFY(w_.dialogs.messages.isEmpty());
    }

protected slots:
    void initTestCase()
    {
        registerTahoma();
        world_.writeStandardClass();
    }
    void init() { openFreshWindow(); }
};
