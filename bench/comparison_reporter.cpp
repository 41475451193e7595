#include "comparison_reporter.h"

#include "benchmarks.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

// The targets the planner is held to on a machine of two cores.
constexpr double MaxLoadOverDecoding = 0.8;
constexpr double MinQtReaderOverTurboJpeg = 1.5;
constexpr double MaxPressMicroseconds = 20.0;
constexpr double MaxResetStepOverPress = 10.0;
constexpr double MaxClassStepOverLoad = 1.2;
constexpr double MaxCodeLoadOverPlanLoad = 1.1;
constexpr double MaxEncodeMicroseconds = 20.0;
constexpr double MaxSummaryMilliseconds = 30.0;
constexpr double MaxSearchKeystrokeMicroseconds = 1000.0;
constexpr double MaxPictureMilliseconds = 100.0;
constexpr double MaxCheckOverLoads = 1.5;
constexpr double MaxCompareOverPlanLoad = 1.0;
constexpr double MaxPressComparingOverPress = 1.2;
constexpr double MaxLibraryOpenMilliseconds = 100.0;
constexpr double MaxLibraryFilterMilliseconds = 10.0;
constexpr double MaxLevelStepOverPresses = 2.0;
constexpr double MaxStepMoveMilliseconds = 1.0;

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

ComparisonReporter::ComparisonReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void ComparisonReporter::ReportRuns(const std::vector<Run> &runs)
{
    std::vector<Run> shown;
    for (const Run &run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
            const bool byClock = run.run_name.time_type == "real_time";
            secondsPerIteration_[run.run_name.function_name].push_back(
                (byClock ? run.real_accumulated_time : run.cpu_accumulated_time) /
                static_cast<double>(run.iterations));
        }
        if (run.error_occurred)
            errors_[run.run_name.function_name] = run.error_message;
        const bool single = run.repetitions <= 1 || run.error_occurred;
        if (single ? run.run_type == Run::RT_Iteration
                   : run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            shown.push_back(run);
    }
    if (!shown.empty())
        ConsoleReporter::ReportRuns(shown);
}

std::optional<double> ComparisonReporter::seconds(const std::string &name) const
{
    const auto found = secondsPerIteration_.find(name);
    if (found == secondsPerIteration_.end() || found->second.empty())
        return std::nullopt;
    std::vector<double> sorted = found->second;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

std::optional<std::vector<double>>
ComparisonReporter::figures(std::initializer_list<const char *> names, const char *comparison,
                            bool &allMet) const
{
    std::vector<double> found;
    for (const char *name : names) {
        const auto figure = seconds(name);
        if (!figure) {
            allMet = false;
            std::printf("%s: MISSED (no result)\n", comparison);
            return std::nullopt;
        }
        found.push_back(*figure);
    }
    return found;
}

bool ComparisonReporter::printComparisons(int pictureCount) const
{
    bool allMet = true;
    std::printf("\n");
    // A figure that is missing fails the run: a benchmark that stopped on an error, or one the
    // filter left out, must not pass for a target met.
    for (const char *name : BenchName::All) {
        if (seconds(name))
            continue;
        if (allMet)
            std::printf("Figures missing:\n");
        allMet = false;
        const auto error = errors_.find(name);
        std::printf("%s: MISSED (no result%s%s)\n", name, error == errors_.end() ? "" : ": ",
                    error == errors_.end() ? "" : error->second.c_str());
    }
    std::printf(
        "%sPer iteration, the median of the repetitions; in CPU time (of every thread for "
        "the check and its loads), but the decoding, a class load, a plan, a code, a language "
        "change and an undo of a class change by the clock:\n",
        allMet ? "" : "\n");
    if (const auto f = figures({BenchName::ClassLoad, BenchName::TurboJpegDecode},
                               "Class load / bare TurboJPEG decoding", allMet)) {
        const auto [load, turbo] = std::pair{(*f)[0], (*f)[1]};
        const double ratio = load / turbo;
        const bool met = ratio <= MaxLoadOverDecoding;
        allMet = allMet && met;
        std::printf("Class load %.3f ms / bare TurboJPEG decoding of its %d pictures %.3f ms = "
                    "%.2fx (target at most %.1fx): %s\n",
                    load * 1e3, pictureCount, turbo * 1e3, ratio, MaxLoadOverDecoding,
                    verdict(met));
    }
    if (const auto f = figures({BenchName::ClassLoad, BenchName::PictureLoader},
                               "Class load / the same picture files read and decoded", allMet)) {
        // What the load does beyond getting its pictures off the disk: files read as well.
        std::printf(
            "Class load %.3f ms / the same picture files read and decoded %.3f ms = %.2fx\n",
            (*f)[0] * 1e3, (*f)[1] * 1e3, (*f)[0] / (*f)[1]);
    }
    if (const auto f = figures({BenchName::QtReaderDecode, BenchName::TurboJpegDecode},
                               "Qt's reader / TurboJPEG", allMet)) {
        const double ratio = (*f)[0] / (*f)[1];
        const bool met = ratio >= MinQtReaderOverTurboJpeg;
        allMet = allMet && met;
        std::printf("Qt's reader %.3f ms / TurboJPEG %.3f ms on the same pictures = %.2fx "
                    "(target at least %.1fx): %s\n",
                    (*f)[0] * 1e3, (*f)[1] * 1e3, ratio, MinQtReaderOverTurboJpeg, verdict(met));
    }
    for (const char *name : {BenchName::LeftPress, BenchName::RightPress}) {
        if (const auto f = figures({name}, name, allMet)) {
            const double press = (*f)[0];
            const bool met = press * 1e6 <= MaxPressMicroseconds;
            allMet = allMet && met;
            std::printf("%s %.1f us (target at most %.0f us): %s\n", name, press * 1e6,
                        MaxPressMicroseconds, verdict(met));
        }
    }
    if (const auto f = figures({BenchName::PaintAfterPress}, "Paint after a left press", allMet))
        std::printf("Paint after a left press %.1f us (no target)\n", (*f)[0] * 1e6);
    for (const char *name : {BenchName::UndoReset, BenchName::RedoReset}) {
        if (const auto f = figures({name, BenchName::LeftPress}, name, allMet)) {
            const auto [step, press] = std::pair{(*f)[0], (*f)[1]};
            const double ratio = step / press;
            const bool met = ratio <= MaxResetStepOverPress;
            allMet = allMet && met;
            std::printf("%s of a full plan %.1f us / left press %.1f us = %.1fx (target at most "
                        "%.0fx): %s\n",
                        name, step * 1e6, press * 1e6, ratio, MaxResetStepOverPress, verdict(met));
        }
    }
    if (const auto f = figures({BenchName::UndoClassChange, BenchName::ClassLoad},
                               "Undo of a class change / class load", allMet)) {
        const auto [step, load] = std::pair{(*f)[0], (*f)[1]};
        const double ratio = step / load;
        const bool met = ratio <= MaxClassStepOverLoad;
        allMet = allMet && met;
        std::printf("Undo of a class change %.3f ms / class load %.3f ms = %.2fx (target at most "
                    "%.1fx): %s\n",
                    step * 1e3, load * 1e3, ratio, MaxClassStepOverLoad, verdict(met));
    }
    if (const auto f =
            figures({BenchName::CodeLoad, BenchName::PlanLoad}, "Code load / plan load", allMet)) {
        const auto [codeLoad, planLoad] = std::pair{(*f)[0], (*f)[1]};
        const double ratio = codeLoad / planLoad;
        const bool met = ratio <= MaxCodeLoadOverPlanLoad;
        allMet = allMet && met;
        std::printf("Code load %.3f ms / plan load %.3f ms of the same plan = %.2fx (target at "
                    "most %.1fx): %s\n",
                    codeLoad * 1e3, planLoad * 1e3, ratio, MaxCodeLoadOverPlanLoad, verdict(met));
    }
    if (const auto f = figures({BenchName::LanguageChange}, BenchName::LanguageChange, allMet))
        std::printf("Language change %.3f ms (no target)\n", (*f)[0] * 1e3);
    if (const auto f = figures({BenchName::CodeEncode}, "Code encoding", allMet)) {
        const bool met = (*f)[0] * 1e6 <= MaxEncodeMicroseconds;
        allMet = allMet && met;
        std::printf("Code encoding %.2f us (target under %.0f us): %s\n", (*f)[0] * 1e6,
                    MaxEncodeMicroseconds, verdict(met));
    }
    for (const auto &[name, budget] : {std::pair{BenchName::Summary, MaxSummaryMilliseconds},
                                       std::pair{BenchName::Picture, MaxPictureMilliseconds}}) {
        if (const auto f = figures({name}, name, allMet)) {
            const bool met = (*f)[0] * 1e3 <= budget;
            allMet = allMet && met;
            std::printf("%s of a full plan %.2f ms (target at most %.0f ms): %s\n", name,
                        (*f)[0] * 1e3, budget, verdict(met));
        }
    }
    if (const auto f = figures({BenchName::FocusKey, BenchName::LeftPress},
                               "A key that moves the focus / left press", allMet)) {
        const bool met = (*f)[0] <= (*f)[1];
        allMet = allMet && met;
        std::printf("A key that moves the focus %.1f us / left press %.1f us (target at most the "
                    "press): %s\n",
                    (*f)[0] * 1e6, (*f)[1] * 1e6, verdict(met));
    }
    if (const auto f = figures({BenchName::SearchKeystroke}, "First search keystroke", allMet)) {
        const bool met = (*f)[0] * 1e6 <= MaxSearchKeystrokeMicroseconds;
        allMet = allMet && met;
        std::printf("First search keystroke over a whole class %.1f us (target at most %.0f us): "
                    "%s\n",
                    (*f)[0] * 1e6, MaxSearchKeystrokeMicroseconds, verdict(met));
    }
    if (const auto f = figures({BenchName::WorldCheck, BenchName::EveryClassLoaded},
                               "Check of the whole world / every class loaded once", allMet)) {
        const double ratio = (*f)[0] / (*f)[1];
        const bool met = ratio <= MaxCheckOverLoads;
        allMet = allMet && met;
        std::printf("Check of the whole world %.2f ms / every class loaded once %.2f ms = %.2fx "
                    "(target at most %.1fx): %s\n",
                    (*f)[0] * 1e3, (*f)[1] * 1e3, ratio, MaxCheckOverLoads, verdict(met));
    }
    for (const auto &[name, base, label, target] :
         {std::tuple{BenchName::CompareSet, BenchName::PlanLoad,
                     "Comparison set from a plan / plan load", MaxCompareOverPlanLoad},
          std::tuple{BenchName::PressComparing, BenchName::LeftPress,
                     "Left press while compared / left press", MaxPressComparingOverPress},
          std::tuple{BenchName::LevelStep, BenchName::LeftPress,
                     "A step of the level view / left press", MaxLevelStepOverPresses}}) {
        if (const auto f = figures({name, base}, label, allMet)) {
            const double ratio = (*f)[0] / (*f)[1];
            const bool met = ratio <= target;
            allMet = allMet && met;
            const bool micro = base == BenchName::LeftPress;
            const double unit = micro ? 1e6 : 1e3;
            std::printf("%s: %.3f %s / %.3f %s = %.2fx (target at most %.1fx): %s\n", label,
                        (*f)[0] * unit, micro ? "us" : "ms", (*f)[1] * unit, micro ? "us" : "ms",
                        ratio, target, verdict(met));
        }
    }
    for (const auto &[name, label, budget] :
         {std::tuple{BenchName::LibraryOpen, "Library of 1,000 builds opened (read, listed)",
                     MaxLibraryOpenMilliseconds},
          std::tuple{BenchName::LibraryFilter, "A keystroke of its filter",
                     MaxLibraryFilterMilliseconds},
          std::tuple{BenchName::StepMove, "A step moved in an order of 71",
                     MaxStepMoveMilliseconds}}) {
        if (const auto f = figures({name}, label, allMet)) {
            const bool met = (*f)[0] * 1e3 <= budget;
            allMet = allMet && met;
            std::printf("%s %.3f ms (target at most %.0f ms): %s\n", label, (*f)[0] * 1e3, budget,
                        verdict(met));
        }
    }
    return allMet;
}
