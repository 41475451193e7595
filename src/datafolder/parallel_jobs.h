#pragma once

#include <QVector>
#include <functional>

// A piece of work that never throws: it keeps whatever it gives, an error too, in a place of its
// own, and shares nothing with the other jobs while they run.
using ParallelJob = std::function<void()>;

// Runs every job once, on the calling thread and on the threads of Qt's global pool that are free
// to help, each taking the next job in the list as it becomes free; returns when all are done.
// The calling thread works through the list itself: a helper that gets no core before the list
// runs out is never waited for, only the jobs a helper has already taken.
void runParallelJobs(QVector<ParallelJob> jobs);
