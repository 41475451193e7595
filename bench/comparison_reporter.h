#pragma once

#include <benchmark/benchmark.h>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The console report, which also keeps each benchmark's time per iteration so that the figures
// that only mean something side by side (a load against the decoding it cannot avoid, one decoder
// against another) can be printed as ratios after the run, beside their targets. The comparisons
// use CPU time (which does not count the moments other programs on the machine had the core): of
// this thread, or of the whole process where a benchmark asks for it (MeasureProcessCPUTime), and
// the clock where a benchmark asks for that (UseRealTime), as a class load does: its pictures are
// decoded on every core, and what a user waits for is the time until all are ready. Run in several
// repetitions, each benchmark counts with the median of its repetitions, and the console shows the
// medians alone: a figure then does not hang on the one moment the machine was busy elsewhere.
class ComparisonReporter final : public benchmark::ConsoleReporter {
public:
    // In colour only on a terminal.
    ComparisonReporter();
    void ReportRuns(const std::vector<Run> &runs) override;

    // Seconds per iteration (the median over repetitions), of CPU time or of the clock as the
    // benchmark asked, when it ran without an error.
    std::optional<double> seconds(const std::string &name) const;

    // Lists every figure the run lacks (a benchmark that failed or was filtered out) as
    // "MISSED (no result)", then prints the ratios and the per-press times with their targets; a
    // comparison short of a figure is missed too. Returns whether every figure is there and every
    // target was met.
    bool printComparisons(int pictureCount) const;

private:
    // The figures of `names` in their order, or nothing when one is missing: then `comparison` is
    // printed as missed for want of a result, and `allMet` cleared.
    std::optional<std::vector<double>> figures(std::initializer_list<const char *> names,
                                               const char *comparison, bool &allMet) const;

    std::map<std::string, std::vector<double>> secondsPerIteration_; // one per repetition
    std::map<std::string, std::string> errors_; // the message of a benchmark that failed
};
