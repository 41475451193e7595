#include "build/build.h"

#include "base/error.h"
#include "build/build_summary.h"
#include "build/comparison.h"
#include "build/load_report.h"
#include "build/plan_file.h"
#include "datafolder/class_layout.h"
#include "datafolder/data_folder_error.h"
#include "datafolder/picture_file.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "talents/rank_grid.h"
#include "talents/rules.h"

namespace {

// Runs a read of the data folder's files: whatever fails there is the data folder's failure.
template <typename Read> auto fromDataFolder(Read &&read)
{
    try {
        return std::forward<Read>(read)();
    } catch (const DataFolderError &) {
        throw;
    } catch (const Error &e) {
        throw DataFolderError(e.message());
    }
}

// The code becomes part of file names; one that would reach outside the data folder is refused.
void checkLanguageCode(const QString &code, const QString &dataFolder)
{
    if (code.contains(u'/') || code.contains(u'\\')) {
        throw DataFolderError(
            QStringLiteral("The language code '%1' in %2 is not a valid file name part")
                .arg(code, dataFolder + QStringLiteral("la.ini")));
    }
}

} // namespace

Build::Build(const QString &dataFolder, QObject *parent) : QObject(parent), dataFolder_(dataFolder)
{
    // Far more steps than a plan has points: a whole evening of changes can be walked back.
    history_.setUndoLimit(1000);
}

Build::Build(const QString &dataFolder, const QString &languageCode, QObject *parent)
    : Build(dataFolder, parent)
{
    setLanguage(languageCode);
}

void Build::setLanguage(const QString &code)
{
    languageCode_ = code;
    try {
        checkLanguageCode(code, dataFolder_);
    } catch (const Error &) {
        strings_.clear();
        throw;
    }
    fromDataFolder([&] {
        strings_.load(dataFolder_ + QStringLiteral("lang.") + code);
        more_.load(dataFolder_ + QStringLiteral("more.") + code);
    });
    emit languageChanged();
}

void Build::readAhead(int classIndex, const QString &languageCode)
{
    readAhead_.reset();
    try {
        checkLanguageCode(languageCode, dataFolder_);
        // A thread of its own, which the future carries whatever it throws back from. The
        // pool's free threads help it as they help any read: a start gains most from them even
        // while it builds its window on the same cores.
        readAhead_.emplace(ClassReadAhead{
            classIndex, languageCode,
            std::async(std::launch::async, [folder = dataFolder_, classIndex, languageCode] {
                PreparedClass prepared = prepareClass(folder, classIndex, languageCode);
                // The class's arrows are read next, as the window checks it.
                loadPictureReaders();
                return prepared;
            })});
    } catch (const std::exception &) {
        // No read ahead (a code no file name may hold, no thread to spare): the read itself
        // finds out.
    }
}

void Build::startWith(const BoardState &state, PreparedClass &&staged, int plainClass)
{
    const BoardState plainStart{plainClass, RankGrid{}, {}, false};
    order_ = state.order;
    orderDerived_ = state.derivedOrder;
    showClass(std::move(staged));
    history_.clear();
    if (plainStart != state) {
        history_.push(new BoardStep(
            plainStart, state, [this](const BoardState &s) { show(s); }, true));
    }
}

void Build::checkStaged(const PreparedClass &staged) const
{
    if (classCheck_)
        classCheck_(staged);
}

BoardState Build::state() const
{
    return {classIndex(), ranksOf(shown_.table), order_, orderDerived_};
}

PressOutcome Build::press(int slot, int tree, PressButton button)
{
    if (classIndex() < 0 || !TalentTable::validTree(tree) || !TalentTable::validSlot(slot) ||
        !shown_.table.at(slot, tree).present)
        return {};
    const BoardState before = state();
    const PressOutcome outcome = applyPress(shown_.table, slot, tree, button);
    reevaluateTree(shown_.table, tree);
    if (!outcome.spent && !outcome.refunded)
        return outcome;
    if (outcome.spent)
        order_.append(QPoint(slot, tree));
    else
        removeLatestStep(order_, slot, tree);
    // A press is recorded as already shown: the step's first redo does nothing.
    history_.push(new BoardStep(
        before, state(), [this](const BoardState &s) { show(s); }, true));
    emit ranksChanged(tree);
    emit orderChanged();
    return outcome;
}

void Build::reset()
{
    if (classIndex() >= 0)
        stepTo({classIndex(), RankGrid{}, {}, false}, std::nullopt);
}

void Build::resetTree(int tree)
{
    if (classIndex() < 0 || !TalentTable::validTree(tree))
        return;
    BoardState target = state();
    target.ranks[tree - 1].fill(0);
    target.order.removeIf([tree](const QPoint &step) { return step.y() == tree; });
    stepTo(target, std::nullopt);
}

void Build::changeClass(int index)
{
    if (index == classIndex())
        return;
    if (index < 0 || index >= classCount())
        throw Error(QStringLiteral("There is no class %1 in this data folder").arg(index));
    stepTo({index, RankGrid{}, {}, false}, stage(index, RankGrid{}, languageCode_));
}

void Build::loadPlanFile(const QString &path)
{
    loadPlan(parsePlanText(readPlanFile(path), path), path);
}

void Build::loadPlan(const PlanText &plan, const QString &path)
{
    checkPlanClass(plan, classCount(), path);
    auto [state, staged] = stagePlan(plan, path);
    stepTo(state, std::move(staged));
}

PlanRanks Build::checkedPlan(const PlanText &text, const QString &path) const
{
    ClassLayout layout;
    try {
        layout = readClassLayout(dataFolder_ + *classCode(text.classIndex), languageCode_);
    } catch (const Error &e) {
        throw DataFolderError(
            QStringLiteral("Cannot check plan %1 against its class: %2").arg(path, e.message()),
            e.message());
    }
    return checkPlan(text, layout, path);
}

std::pair<BoardState, PreparedClass> Build::stagePlan(const PlanText &text, const QString &path)
{
    const PlanRanks plan = checkedPlan(text, path);
    // A plan file keeps no order: the order its ranks imply stands in for it.
    PreparedClass staged = stage(plan.classIndex, plan.ranks, languageCode_);
    PointOrder order = derivedOrder(staged.table, plan.ranks);
    return {{plan.classIndex, plan.ranks, std::move(order), true}, std::move(staged)};
}

QString Build::loadCode(const QString &text, QVector<RankChange> *changes)
{
    const auto found = findBuildCode(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Error(buildCodeErrorText(*error));
    const BuildCode &code = std::get<BuildCode>(found);
    const std::optional<int> index = classIndexOf(code.classCode);
    if (!index || *index >= classCount())
        throw Error(QStringLiteral("class %1 is not in this data folder").arg(code.classCode));
    PreparedClass prepared = read(*index, languageCode_);
    const CodeOnTrees loaded = codeOnTrees(code, prepared.table);
    const QString report = loadReport(more_, prepared.table, code, loaded);
    setRanks(prepared.table, loaded.ranks);
    checkStaged(prepared);
    const bool derived = !loaded.order.has_value();
    PointOrder order = derived ? derivedOrder(prepared.table, loaded.ranks) : *loaded.order;
    stepTo({*index, loaded.ranks, std::move(order), derived}, std::move(prepared));
    if (changes)
        *changes = loaded.changes;
    return report;
}

void Build::changeLanguage(const QString &code)
{
    checkLanguageCode(code, dataFolder_);
    UiStrings strings;
    fromDataFolder([&] {
        strings.load(dataFolder_ + QStringLiteral("lang.") + code);
        strings.requireInterfaceLines();
    });
    if (classIndex() >= strings.classNames().size()) {
        throw DataFolderError(
            QStringLiteral("The strings file %1 names no class folder for the class on the "
                           "board: it names %2 classes")
                .arg(dataFolder_ + QStringLiteral("lang.") + code)
                .arg(strings.classNames().size()));
    }
    MoreStrings more;
    fromDataFolder([&] { more.load(dataFolder_ + QStringLiteral("more.") + code); });
    // The class shown is read in the new language and keeps its ranks, or the change is refused.
    std::optional<PreparedClass> staged;
    if (classIndex() >= 0)
        staged = stage(classIndex(), ranksOf(shown_.table), code);
    languageCode_ = code;
    strings_ = std::move(strings);
    more_ = std::move(more);
    if (staged) {
        shown_ = std::move(*staged);
        emit classChanged();
    }
    emit languageChanged();
}

void Build::undo()
{
    if (!history_.canUndo())
        return;
    const auto *step = static_cast<const BoardStep *>(history_.command(history_.index() - 1));
    prepareToShow(step->before());
    history_.undo();
}

void Build::redo()
{
    if (!history_.canRedo())
        return;
    const auto *step = static_cast<const BoardStep *>(history_.command(history_.index()));
    prepareToShow(step->after());
    history_.redo();
}

QString Build::code() const
{
    if (classIndex() < 0)
        return {};
    BuildCode code;
    code.classCode = classCode(classIndex()).value_or(QString());
    code.ranks = ranksOf(shown_.table);
    // A derived order says nothing the ranks do not: only a spent order travels with the code.
    if (!orderDerived_ && !order_.isEmpty())
        code.order = order_;
    code.fingerprints = treeFingerprints(shown_.table);
    return encodeBuildCode(code);
}

QString Build::summary(const BoardState *compared) const
{
    if (classIndex() < 0)
        return {};
    SummaryInput input;
    input.className = strings_.classNames().value(classIndex());
    input.table = &shown_.table;
    input.order = order_;
    input.derivedOrder = orderDerived_;
    input.code = code();
    if (compared)
        input.difference = differenceOf(state(), *compared);
    return buildSummary(input, more_);
}

PreparedClass Build::read(int index, const QString &languageCode)
{
    emit reading(true);
    struct Done {
        Build *build;
        ~Done() { emit build->reading(false); }
    } done{this};
    if (readAhead_) {
        ClassReadAhead ahead = std::move(*readAhead_);
        readAhead_.reset();
        if (ahead.classIndex == index && ahead.languageCode == languageCode)
            return fromDataFolder([&] { return ahead.prepared.get(); });
        // Another class: the one read ahead is finished and dropped.
    }
    return fromDataFolder([&] { return prepareClass(dataFolder_, index, languageCode); });
}

PreparedClass Build::stage(int index, const RankGrid &ranks, const QString &languageCode)
{
    PreparedClass prepared = read(index, languageCode);
    if (const auto misfit = ranksMisfit(prepared.table, ranks)) {
        throw Error(
            QStringLiteral("The plan does not fit class %1 in language '%2': %3")
                .arg(classCode(index).value_or(QString::number(index)), languageCode, *misfit));
    }
    setRanks(prepared.table, ranks);
    checkStaged(prepared);
    return prepared;
}

void Build::stepTo(const BoardState &target, std::optional<PreparedClass> staged)
{
    if (classIndex() < 0) {
        // Nothing was shown to go back to: the class is shown and the history starts anew.
        order_ = target.order;
        orderDerived_ = target.derivedOrder;
        if (staged)
            showClass(std::move(*staged));
        history_.clear();
        return;
    }
    const BoardState current = state();
    if (!staged && target == current)
        return;
    staged_ = std::move(staged);
    // The push shows the target through the step's redo.
    history_.push(new BoardStep(
        current, target, [this](const BoardState &s) { show(s); }, false));
}

void Build::prepareToShow(const BoardState &state)
{
    staged_.reset();
    if (state.classIndex != classIndex()) {
        staged_ = stage(state.classIndex, state.ranks, languageCode_);
        return;
    }
    // The same class in the same language: only the ranks change. A step recorded before a
    // language change may not fit the trees of the language now shown.
    if (const auto misfit = ranksMisfit(shown_.table, state.ranks))
        throw Error(QStringLiteral("This step does not fit the trees on the board: ") + *misfit);
}

void Build::show(const BoardState &state)
{
    order_ = state.order;
    orderDerived_ = state.derivedOrder;
    if (staged_) {
        PreparedClass staged = std::move(*staged_);
        staged_.reset();
        showClass(std::move(staged));
        return;
    }
    const RankGrid before = ranksOf(shown_.table);
    setRanks(shown_.table, state.ranks);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        if (before[tree - 1] != state.ranks[tree - 1])
            emit ranksChanged(tree);
    }
    emit orderChanged();
}

void Build::showClass(PreparedClass &&staged)
{
    shown_ = std::move(staged);
    emit classChanged();
    emit orderChanged();
}
