// A long walk over the bundled world: random presses across every class, with class and language
// changes and plan round trips, the rules checked against an independent model throughout, and
// memory that stops growing once the first class loads are behind it.
#include "board/fonts.h"
#include "board_driver.h"
#include "build/plan_file.h"
#include "bundled_world.h"
#include "controls_by_name.h"
#include "recording_dialogs.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/main_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmapCache>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define RUNEPLAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUNEPLAN_ASAN 1
#endif
#endif
#ifdef RUNEPLAN_ASAN
// From the sanitizer's runtime (clang's <sanitizer/allocator_interface.h>; GCC has no header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Heap in use, from the allocator itself: what a leak would make grow. (The resident size also
// counts freed memory the allocator keeps, and pages that fragmentation leaves half used.) Under
// AddressSanitizer malloc is the sanitizer's, which glibc's mallinfo2 does not see (it reads 0):
// the sanitizer's own count of the bytes allocated and not yet freed stands in (memory waiting
// in its quarantine counts as freed).
long heapInUseKiB()
{
    QPixmapCache::clear(); // the style's drawing cache has a limit of its own

#ifdef RUNEPLAN_ASAN
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
#endif
}

// Which allocator heapInUseKiB asks.
const char *heapMeasure()
{
#ifdef RUNEPLAN_ASAN
    return "AddressSanitizer's allocated bytes";
#else
    return "mallinfo2";
#endif
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerTahoma(); }

    void longWalkKeepsTheRulesAndTheMemory()
    {
        const int steps = qEnvironmentVariableIntValue("RUNEPLAN_SOAK_STEPS") > 0
                              ? qEnvironmentVariableIntValue("RUNEPLAN_SOAK_STEPS")
                              : 100000;
        RecordingDialogs dialogs;
        QTemporaryDir plans;
        // The window is never closed here, so it writes nothing into the world's folder.
        MainWindow w(QFileInfo(worldDir()).absolutePath());
        w.show();
        QVERIFY(dialogs.messages.isEmpty());
        std::array<PointRulesModel, 10> classes;
        for (size_t c = 0; c < classes.size(); ++c)
            classes[c] = modelOfClass(QLatin1String(classCodes[c]));
        PointRulesModel model = classes[0];
        QRandomGenerator random(20261207);
        int classLoads = 0;
        int roundTrips = 0;
        long memoryAfterWarmUp = 0;
        constexpr int WarmUpLoads = 300;

        auto loadClass = [&](int c) {
            // Choosing the class on the board changes nothing; another class starts empty.
            if (c != classBox(w)->currentIndex())
                model = classes[size_t(c)];
            chooseClass(w, c);
            QCoreApplication::processEvents(); // as the event loop would between choices
            ++classLoads;
            if (classLoads >= WarmUpLoads && memoryAfterWarmUp == 0)
                memoryAfterWarmUp = heapInUseKiB();
            if (classLoads % 100 == 0)
                qInfo("%d loads: heap %ld KiB, resident %ld KiB", classLoads, heapInUseKiB(),
                      residentKiB());
        };

        for (int step = 0; step < steps; ++step) {
            const int roll = random.bounded(10000);
            if (roll < 30) {
                loadClass(random.bounded(10));
            } else if (roll < 40) {
                const int language = random.bounded(2);
                languageBox(w)->setCurrentIndex(language);
                emit languageBox(w)->activated(language);
                // The plan stays: the model is as it was.
                ++classLoads;
            } else if (roll < 60) {
                const QString path = plans.filePath(QStringLiteral("walk.plan"));
                const QByteArray before = formatPlan(classBox(w)->currentIndex(), w.talents());
                dialogs.fileAnswers = {path};
                saveButton(w)->click();
                resetButton(w)->click();
                dialogs.fileAnswers = {path};
                loadButton(w)->click();
                QCOMPARE(formatPlan(classBox(w)->currentIndex(), w.talents()), before);
                ++roundTrips;
                ++classLoads;
            } else {
                pressAtRandom(w, model, random, step);
            }
            QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
            // Between two user actions the event loop runs and delivers what they posted.
            QCoreApplication::processEvents();
            if (step % 500 == 0)
                checkBoard(w, model, step);
        }
        checkBoard(w, model, steps);
        // Keep loading until the memory figure means something.
        while (classLoads <
               qMax(2 * WarmUpLoads, qEnvironmentVariableIntValue("RUNEPLAN_SOAK_LOADS")))
            loadClass(classLoads % 10);
        const long heapKiB = heapInUseKiB();
        const long growthKiB = heapKiB - memoryAfterWarmUp;
        qInfo("%d class loads, %d plan round trips; the heap (%s) grew %ld KiB after the first "
              "300 loads, from %ld KiB",
              classLoads, roundTrips, heapMeasure(), growthKiB, memoryAfterWarmUp);
        QVERIFY(roundTrips > 0);
        // A figure of 0 would say nothing: the heap of a window with its class loaded is megabytes.
        QVERIFY2(memoryAfterWarmUp > 1024 && heapKiB > 1024, "the heap cannot be measured");
        QVERIFY2(growthKiB < 2 * 1024, "memory keeps growing with class loads");
    }

private:
    static void chooseClass(MainWindow &w, int c)
    {
        classBox(w)->setCurrentIndex(c);
        emit classBox(w)->activated(c);
    }

    static void pressAtRandom(MainWindow &w, PointRulesModel &model, QRandomGenerator &random,
                              int step)
    {
        const int tree = random.bounded(1, 4);
        const int slot = random.bounded(1, 45);
        ModelTalent &m = model.talent(slot, tree);
        if (!m.placed || m.maxRank == 0)
            return;
        const int roll = random.bounded(100);
        const Qt::MouseButton button = roll < 75   ? Qt::LeftButton
                                       : roll < 97 ? Qt::RightButton
                                                   : Qt::MiddleButton;
        if (button == Qt::LeftButton && model.maySpend(slot, tree))
            ++m.rank;
        else if (button == Qt::RightButton && model.mayRefund(slot, tree))
            --m.rank;
        pressTalent(w, slot, tree, button);
        const TalentTable &table = w.talents();
        const QString where =
            QStringLiteral("step %1 tree %2 slot %3").arg(step).arg(tree).arg(slot);
        QVERIFY2(table.at(slot, tree).rank == m.rank, qPrintable(where));
        QVERIFY2(table.totalPoints == model.total(), qPrintable(where));
        QVERIFY2(table.treePoints(tree) == model.treeTotal(tree), qPrintable(where));
    }

    static void checkBoard(const MainWindow &w, const PointRulesModel &model, int step)
    {
        const TalentTable &table = w.talents();
        const QString where = QStringLiteral("step %1").arg(step);
        QVERIFY2(table.totalPoints >= 0 && table.totalPoints <= 71, qPrintable(where));
        int sum = 0;
        for (int tree = 1; tree <= 3; ++tree) {
            int treeSum = 0;
            for (int slot = 1; slot <= 44; ++slot) {
                const Talent &t = table.at(slot, tree);
                const ModelTalent &m = model.talent(slot, tree);
                QVERIFY2(t.present == m.placed, qPrintable(where));
                if (!t.present)
                    continue;
                QVERIFY2(t.rank == m.rank && t.rank <= t.maxRank, qPrintable(where));
                QVERIFY2(t.available == model.open(slot, tree), qPrintable(where));
                treeSum += t.rank;
            }
            QVERIFY2(table.treePoints(tree) == treeSum, qPrintable(where));
            sum += treeSum;
        }
        QVERIFY2(table.totalPoints == sum, qPrintable(where));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
