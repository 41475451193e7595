#include "datafolder/parallel_jobs.h"

#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <latch>
#include <memory>

namespace {

// Every call's jobs pass to its helpers through Qt's pool, whose own locks a race checker cannot
// follow when Qt is not built for it. Counting each hand-over here once the helper is made, and
// reading the count in the helper before it touches anything of the call, makes the order the pool
// guarantees anyway one that such a checker sees.
std::atomic<quint64> handOvers{0};

// What the calling thread and its helpers share. A helper holds it too: it may get its core only
// after the calling thread has done every job and returned, and then finds nothing left to take.
struct SharedJobs {
    explicit SharedJobs(QVector<ParallelJob> list)
        : jobs(std::move(list)), unfinished(static_cast<std::ptrdiff_t>(jobs.size()))
    {
    }

    const QVector<ParallelJob> jobs;
    std::atomic<qsizetype> next{0}; // the first job nobody has taken yet
    std::latch unfinished;          // counted down as each job ends
};

void takeJobsUntilNoneIsLeft(SharedJobs &shared)
{
    for (qsizetype i = shared.next.fetch_add(1, std::memory_order_relaxed); i < shared.jobs.size();
         i = shared.next.fetch_add(1, std::memory_order_relaxed)) {
        shared.jobs[i]();
        shared.unfinished.count_down();
    }
}

class Helper final : public QRunnable {
public:
    explicit Helper(std::shared_ptr<SharedJobs> shared) : shared_(std::move(shared)) {}

    void run() override
    {
        handOvers.load(std::memory_order_acquire);
        takeJobsUntilNoneIsLeft(*shared_);
    }

private:
    std::shared_ptr<SharedJobs> shared_;
};

} // namespace

void runParallelJobs(QVector<ParallelJob> jobs)
{
    if (jobs.isEmpty())
        return;
    const auto shared = std::make_shared<SharedJobs>(std::move(jobs));
    const qsizetype helpers =
        std::min<qsizetype>(QThread::idealThreadCount() - 1, shared->jobs.size() - 1);
    // No pool while the program ends: the calling thread then does every job itself.
    QThreadPool *pool = QThreadPool::globalInstance();
    for (qsizetype h = 0; pool && h < helpers; ++h) {
        auto helper = std::make_unique<Helper>(shared);
        handOvers.fetch_add(1, std::memory_order_release);
        // Only a thread free now: a helper queued behind other work would come too late to help.
        if (!pool->tryStart(helper.get()))
            break;
        helper.release(); // the pool's now: it deletes the helper once it has run
    }
    takeJobsUntilNoneIsLeft(*shared);
    // Only for the jobs a helper is still working on: every job has been taken by now. The count
    // down of each job and this wait also make what the helpers wrote visible here.
    shared->unfinished.wait();
}
