#include "comparison_reporter.h"

#include "benchmarks.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

// The targets the planner is held to on a machine of two cores.
constexpr double MaxLoadOverDecoding = 1.3;
constexpr double MinQtReaderOverTurboJpeg = 1.5;
constexpr double MaxPressMicroseconds = 50.0;
constexpr double MaxResetStepOverPress = 10.0;
constexpr double MaxClassStepOverLoad = 1.2;
constexpr double MaxCodeLoadOverPlanLoad = 1.1;
constexpr double MaxEncodeMicroseconds = 20.0;
constexpr double MaxSummaryMilliseconds = 30.0;
constexpr double MaxSearchKeystrokeMicroseconds = 1000.0;
constexpr double MaxPictureMilliseconds = 100.0;
constexpr double MaxCheckOverLoads = 1.5;

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
        if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
            secondsPerIteration_[run.run_name.function_name].push_back(
                run.cpu_accumulated_time / static_cast<double>(run.iterations));
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

bool ComparisonReporter::printComparisons(int pictureCount) const
{
    bool allMet = true;
    std::printf("\nIn CPU time per iteration, the median of the repetitions:\n");
    const auto load = seconds(BenchName::ClassLoad);
    const auto turbo = seconds(BenchName::TurboJpegDecode);
    const auto qtReader = seconds(BenchName::QtReaderDecode);
    const auto loader = seconds(BenchName::PictureLoader);
    if (load && turbo) {
        const double ratio = *load / *turbo;
        const bool met = ratio <= MaxLoadOverDecoding;
        allMet = allMet && met;
        std::printf("Class load %.3f ms / bare TurboJPEG decoding of its %d pictures %.3f ms = "
                    "%.2fx (target at most %.1fx): %s\n",
                    *load * 1e3, pictureCount, *turbo * 1e3, ratio, MaxLoadOverDecoding,
                    verdict(met));
    }
    if (load && loader) {
        // What the load does beyond getting its pictures off the disk: files read as well.
        std::printf(
            "Class load %.3f ms / the same picture files read and decoded %.3f ms = %.2fx\n",
            *load * 1e3, *loader * 1e3, *load / *loader);
    }
    if (qtReader && turbo) {
        const double ratio = *qtReader / *turbo;
        const bool met = ratio >= MinQtReaderOverTurboJpeg;
        allMet = allMet && met;
        std::printf("Qt's reader %.3f ms / TurboJPEG %.3f ms on the same pictures = %.2fx "
                    "(target at least %.1fx): %s\n",
                    *qtReader * 1e3, *turbo * 1e3, ratio, MinQtReaderOverTurboJpeg, verdict(met));
    }
    for (const char *name : {BenchName::LeftPress, BenchName::RightPress}) {
        if (const auto press = seconds(name)) {
            const bool met = *press * 1e6 <= MaxPressMicroseconds;
            allMet = allMet && met;
            std::printf("%s %.1f us (target at most %.0f us): %s\n", name, *press * 1e6,
                        MaxPressMicroseconds, verdict(met));
        }
    }
    const auto press = seconds(BenchName::LeftPress);
    for (const char *name : {BenchName::UndoReset, BenchName::RedoReset}) {
        const auto step = seconds(name);
        if (!step || !press)
            continue;
        const double ratio = *step / *press;
        const bool met = ratio <= MaxResetStepOverPress;
        allMet = allMet && met;
        std::printf("%s of a full plan %.1f us / left press %.1f us = %.1fx (target at most "
                    "%.0fx): %s\n",
                    name, *step * 1e6, *press * 1e6, ratio, MaxResetStepOverPress, verdict(met));
    }
    if (const auto step = seconds(BenchName::UndoClassChange); step && load) {
        const double ratio = *step / *load;
        const bool met = ratio <= MaxClassStepOverLoad;
        allMet = allMet && met;
        std::printf("Undo of a class change %.3f ms / class load %.3f ms = %.2fx (target at most "
                    "%.1fx): %s\n",
                    *step * 1e3, *load * 1e3, ratio, MaxClassStepOverLoad, verdict(met));
    }
    const auto planLoad = seconds(BenchName::PlanLoad);
    if (const auto codeLoad = seconds(BenchName::CodeLoad); codeLoad && planLoad) {
        const double ratio = *codeLoad / *planLoad;
        const bool met = ratio <= MaxCodeLoadOverPlanLoad;
        allMet = allMet && met;
        std::printf("Code load %.3f ms / plan load %.3f ms of the same plan = %.2fx (target at "
                    "most %.1fx): %s\n",
                    *codeLoad * 1e3, *planLoad * 1e3, ratio, MaxCodeLoadOverPlanLoad, verdict(met));
    }
    if (const auto encode = seconds(BenchName::CodeEncode)) {
        const bool met = *encode * 1e6 <= MaxEncodeMicroseconds;
        allMet = allMet && met;
        std::printf("Code encoding %.2f us (target under %.0f us): %s\n", *encode * 1e6,
                    MaxEncodeMicroseconds, verdict(met));
    }
    for (const auto &[name, budget] : {std::pair{BenchName::Summary, MaxSummaryMilliseconds},
                                       std::pair{BenchName::Picture, MaxPictureMilliseconds}}) {
        if (const auto taken = seconds(name)) {
            const bool met = *taken * 1e3 <= budget;
            allMet = allMet && met;
            std::printf("%s of a full plan %.2f ms (target at most %.0f ms): %s\n", name,
                        *taken * 1e3, budget, verdict(met));
        }
    }
    if (const auto key = seconds(BenchName::FocusKey); key && press) {
        const bool met = *key <= *press;
        allMet = allMet && met;
        std::printf("A key that moves the focus %.1f us / left press %.1f us (target at most the "
                    "press): %s\n",
                    *key * 1e6, *press * 1e6, verdict(met));
    }
    if (const auto keystroke = seconds(BenchName::SearchKeystroke)) {
        const bool met = *keystroke * 1e6 <= MaxSearchKeystrokeMicroseconds;
        allMet = allMet && met;
        std::printf("First search keystroke over a whole class %.1f us (target at most %.0f us): "
                    "%s\n",
                    *keystroke * 1e6, MaxSearchKeystrokeMicroseconds, verdict(met));
    }
    const auto check = seconds(BenchName::WorldCheck);
    if (const auto loads = seconds(BenchName::EveryClassLoaded); check && loads) {
        const double ratio = *check / *loads;
        const bool met = ratio <= MaxCheckOverLoads;
        allMet = allMet && met;
        std::printf("Check of the whole world %.2f ms / loads of every class in every language "
                    "%.2f ms = %.2fx (target at most %.1fx): %s\n",
                    *check * 1e3, *loads * 1e3, ratio, MaxCheckOverLoads, verdict(met));
    }
    return allMet;
}
