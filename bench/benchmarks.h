#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class BenchSession;

// The names the benchmarks run under, which the comparisons after the run look up.
namespace BenchName {
inline constexpr const char *TurboJpegDecode = "BareTurboJpegDecode";
inline constexpr const char *PictureLoader = "PictureFilesLoaded";
inline constexpr const char *QtReaderDecode = "QtReaderDecode";
inline constexpr const char *ClassLoad = "ClassLoad";
inline constexpr const char *LeftPress = "LeftPress";
inline constexpr const char *RightPress = "RightPress";
inline constexpr const char *PaintAfterPress = "PaintAfterPress";
inline constexpr const char *PlanLoad = "PlanLoad";
inline constexpr const char *LanguageChange = "LanguageChange";
inline constexpr const char *UndoReset = "UndoReset";
inline constexpr const char *RedoReset = "RedoReset";
inline constexpr const char *UndoClassChange = "UndoClassChange";
inline constexpr const char *CodeLoad = "CodeLoad";
inline constexpr const char *CodeEncode = "CodeEncode";
inline constexpr const char *Summary = "Summary";
inline constexpr const char *Picture = "Picture";
inline constexpr const char *FocusKey = "FocusKey";
inline constexpr const char *SearchKeystroke = "SearchKeystroke";
inline constexpr const char *WorldCheck = "WorldCheck";
inline constexpr const char *EveryClassLoaded = "EveryClassLoadedOnce";
inline constexpr const char *CompareSet = "CompareWithPlan";
inline constexpr const char *PressComparing = "LeftPressComparing";
inline constexpr const char *LibraryOpen = "LibraryOpen";
inline constexpr const char *LibraryFilter = "LibraryFilterKeystroke";
inline constexpr const char *LevelStep = "LevelViewStep";
inline constexpr const char *StepMove = "StepMove";

// Every figure a whole run gives, in the order the report lists them: one missing (a benchmark
// that failed or was filtered out) fails the run.
inline constexpr const char *All[] = {
    TurboJpegDecode, PictureLoader,    QtReaderDecode, ClassLoad,      LeftPress,   RightPress,
    PaintAfterPress, PlanLoad,         LanguageChange, UndoReset,      RedoReset,   UndoClassChange,
    CodeLoad,        CodeEncode,       Summary,        Picture,        FocusKey,    SearchKeystroke,
    WorldCheck,      EveryClassLoaded, CompareSet,     PressComparing, LibraryOpen, LibraryFilter,
    LevelStep,       StepMove};
} // namespace BenchName

// The benchmark class's pictures: read and decoded by the planner's loader, and decoded from the
// bytes of their files.
void registerDecodingBenchmarks(const QStringList &paths, const QVector<QByteArray> &files);
// The check of the whole data folder, and the class loader on every class once, in the first
// language: the check decodes each class's pictures once too.
void registerCheckBenchmarks(const QString &dataFolder);
// Loads, presses, plans and languages through the session's window.
void registerWindowBenchmarks(BenchSession &session);
// A comparison set from a plan file, and a press while the board is compared.
void registerCompareBenchmarks(BenchSession &session);
// A step of the level view on the full plan, and a step of its order moved.
void registerLevelBenchmarks(BenchSession &session);
// The library of builds read whole: a folder of a thousand builds.
void registerLibraryBenchmarks();
