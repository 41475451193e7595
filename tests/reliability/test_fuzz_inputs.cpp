// Every input kept in fuzz/ (the seed corpora and the findings saved as regressions) fed once
// through its fuzz target, built here with the normal build's compiler and readers: a finding fixed
// once stays fixed, and the targets' own checks run in every build, the sanitizers' included,
// without clang or libFuzzer.
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>

// The targets' entry points, renamed from libFuzzer's names when they are built into this program
// (tests/reliability/CMakeLists.txt), so that all of them live side by side.
extern "C" {
int fuzz_tree_file_TestOneInput(const uint8_t *data, size_t size);
int fuzz_language_files_TestOneInput(const uint8_t *data, size_t size);
int fuzz_strings_file_TestOneInput(const uint8_t *data, size_t size);
int fuzz_plan_file_TestOneInput(const uint8_t *data, size_t size);
int fuzz_library_file_TestOneInput(const uint8_t *data, size_t size);
int fuzz_build_code_TestOneInput(const uint8_t *data, size_t size);
int fuzz_jpeg_TestOneInput(const uint8_t *data, size_t size);
int fuzz_bmp_TestOneInput(const uint8_t *data, size_t size);
int fuzz_hand_over_TestOneInput(const uint8_t *data, size_t size);
int fuzz_jpeg_Initialize(int *argc, char ***argv);
int fuzz_bmp_Initialize(int *argc, char ***argv);
}

namespace {

using EntryFunction = int (*)(const uint8_t *, size_t);

// Every target by the name of its folders in fuzz/corpus and fuzz/regressions.
const std::map<QString, EntryFunction> &targets()
{
    static const std::map<QString, EntryFunction> all{
        {QStringLiteral("tree_file"), fuzz_tree_file_TestOneInput},
        {QStringLiteral("language_files"), fuzz_language_files_TestOneInput},
        {QStringLiteral("strings_file"), fuzz_strings_file_TestOneInput},
        {QStringLiteral("plan_file"), fuzz_plan_file_TestOneInput},
        {QStringLiteral("library_file"), fuzz_library_file_TestOneInput},
        {QStringLiteral("build_code"), fuzz_build_code_TestOneInput},
        {QStringLiteral("jpeg"), fuzz_jpeg_TestOneInput},
        {QStringLiteral("bmp"), fuzz_bmp_TestOneInput},
        {QStringLiteral("hand_over"), fuzz_hand_over_TestOneInput},
    };
    return all;
}

QDir fuzzFolder(const QString &kind)
{
    return QDir(QStringLiteral(RUNEPLAN_FUZZ_DIR "/") + kind);
}

const QStringList Kinds{QStringLiteral("corpus"), QStringLiteral("regressions")};

} // namespace

class TestFuzzInputs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As libFuzzer does before the first input (the picture targets quieten Qt's warnings).
        int argc = 0;
        char **argv = nullptr;
        QCOMPARE(fuzz_jpeg_Initialize(&argc, &argv), 0);
        QCOMPARE(fuzz_bmp_Initialize(&argc, &argv), 0);
    }

    // A folder that names no target would be replayed by nothing; a target without seeds would
    // check nothing here.
    void everyFolderHasItsTarget()
    {
        for (const QString &kind : Kinds) {
            for (const QString &folder :
                 fuzzFolder(kind).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                QVERIFY2(targets().count(folder) == 1, qPrintable(kind + u'/' + folder));
        }
        for (const auto &[name, entry] : targets()) {
            QVERIFY2(!fuzzFolder(QStringLiteral("corpus/") + name).entryList(QDir::Files).isEmpty(),
                     qPrintable(name));
        }
    }

    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        for (const QString &kind : Kinds) {
            for (const auto &[name, entry] : targets()) {
                const QDir folder = fuzzFolder(kind + u'/' + name);
                for (const QString &file : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                    QTest::addRow("%s/%s/%s", qPrintable(kind), qPrintable(name), qPrintable(file))
                        << name << folder.filePath(file);
            }
        }
    }
    // A finding ends the program (the targets trap); an input that passes returns 0.
    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        // Should the target trap, the last line on standard error names the input.
        std::fprintf(stderr, "replaying %s\n", qPrintable(path));
        const int result =
            targets().at(target)(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                 static_cast<size_t>(bytes.size()));
        QCOMPARE(result, 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzInputs)
#include "test_fuzz_inputs.moc"
