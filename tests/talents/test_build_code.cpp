#include "bundled_world.h"
#include "talents/build_code.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

// Build codes: plans of every bundled class through a code and back, every small change refused,
// codes found inside text, the failures told apart, and codes of this version pinned.
class TestBuildCode : public QObject {
    Q_OBJECT

private slots:
    void plansRoundTrip_data();
    void plansRoundTrip();
    void everySmallChangeIsRefused_data();
    void everySmallChangeIsRefused();
    void codesAreFoundInText_data();
    void codesAreFoundInText();
    void failuresAreTold_data();
    void failuresAreTold();
    void longestCodeRoundTrips();
    void formatIsPinned();
};

Q_DECLARE_METATYPE(BuildCodeError)

namespace {

const QString alphabet =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-.");

// "RB" + `body` + its checksum, worked out here from the format's definition.
QString withChecksum(const QString &body)
{
    quint64 checksum = 0;
    for (const QChar c : body)
        checksum = (checksum * 65 + alphabet.indexOf(c) + 1) % 1073741789;
    QString text = u"RB" + body;
    for (int i = 4; i >= 0; --i)
        text += alphabet[(checksum >> (6 * i)) & 63];
    return text;
}

// Left presses the rules allow, `points` of them or until none may go: at random, or with
// `spread` on a talent still at rank 0 whenever one is open, else the first open one.
BuildCode spend(const QString &classCode, int points, bool spread, quint32 seed)
{
    PointRulesModel model = modelOfClass(classCode);
    TalentTable table;
    BuildCode code{classCode, {}, {}, QVector<QPoint>()};
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const ModelTalent &m = model.talent(slot, tree);
            table.at(slot, tree) = Talent{m.prereq, {}, {}, m.maxRank, 0, m.placed};
        }
        code.fingerprints[tree - 1] = treeFingerprint(table, tree);
    }
    QRandomGenerator rng(seed);
    for (int spent = 0; spent < points; ++spent) {
        QVector<QPoint> open, fresh;
        for (int tree = 1; tree <= TreeCount; ++tree) {
            for (int slot = 1; slot <= SlotsPerTree; ++slot) {
                if (model.maySpend(slot, tree))
                    (model.talent(slot, tree).rank == 0 ? fresh : open).append({slot, tree});
            }
        }
        open += fresh;
        if (open.isEmpty())
            break;
        const QPoint p = !spread           ? open[rng.bounded(int(open.size()))]
                         : fresh.isEmpty() ? open.first()
                                           : fresh[rng.bounded(int(fresh.size()))];
        ++model.talent(p.x(), p.y()).rank;
        ++code.ranks[p.y() - 1][p.x() - 1];
        code.order->append(p);
    }
    return code;
}

BuildCode withoutOrder(BuildCode code)
{
    code.order.reset();
    return code;
}

const BuildCode &sample(bool withOrder)
{
    static const BuildCode spread = spend(QStringLiteral("Pr"), PointBudget, true, 7);
    static const BuildCode plain = withoutOrder(spend(QStringLiteral("Hu"), 40, false, 8));
    return withOrder ? spread : plain;
}

std::optional<BuildCode> decoded(const QString &text)
{
    const auto found = findBuildCode(text);
    if (const BuildCode *code = std::get_if<BuildCode>(&found))
        return *code;
    return std::nullopt;
}

// Whether `changed` still holds `code` whole, its prefix in any case: then it must decode to it.
bool holdsCode(const QString &changed, const QString &code)
{
    const qsizetype at = changed.indexOf(QStringView(code).mid(2));
    return at >= 2 && changed.mid(at - 2, 2).compare(u"rb", Qt::CaseInsensitive) == 0;
}

} // namespace

void TestBuildCode::plansRoundTrip_data()
{
    QTest::addColumn<QString>("classCode");
    QTest::addColumn<bool>("spread");
    for (const char *code : classCodes) {
        QTest::addRow("%s random", code) << QString::fromLatin1(code) << false;
        QTest::addRow("%s spread wide", code) << QString::fromLatin1(code) << true;
    }
}

void TestBuildCode::plansRoundTrip()
{
    QFETCH(QString, classCode);
    QFETCH(bool, spread);
    const QRegularExpression shape(QStringLiteral("^RB[23][A-Za-z]{2}[0-9A-Za-z.-]+$"));
    for (int trial = 0; trial < 12; ++trial) {
        const int points = trial < 2 ? PointBudget * trial : (trial * 37) % (PointBudget + 1);
        const BuildCode ordered = spend(classCode, spread ? PointBudget : points, spread, trial);
        int talents = 0;
        for (const auto &tree : ordered.ranks)
            talents += int(std::count_if(tree.begin(), tree.end(), [](int r) { return r > 0; }));
        const int n = int(ordered.order->size());
        const int orderLength = talents < 2 ? 0 : int(std::ceil(n * std::log2(talents) / 6));
        for (const BuildCode &code : {ordered, withoutOrder(ordered)}) {
            const QString text = encodeBuildCode(code);
            const QString context =
                text + u' ' + QString::number(n) + u' ' + QString::number(talents);
            QVERIFY2(shape.match(text).hasMatch(), qPrintable(context));
            QCOMPARE(text.size(), code.order ? 76 + orderLength : 76);
            QVERIFY(text.size() <= (code.order ? 160 : 79));
            QCOMPARE(text, withChecksum(text.mid(2).chopped(5)));
            QVERIFY2(decoded(text) == code, qPrintable(context));
        }
    }
}

void TestBuildCode::everySmallChangeIsRefused_data()
{
    QTest::addColumn<bool>("withOrder");
    QTest::newRow("without order") << false;
    QTest::newRow("with order") << true;
}

void TestBuildCode::everySmallChangeIsRefused()
{
    QFETCH(bool, withOrder);
    const QString code = encodeBuildCode(sample(withOrder));
    QStringList changes;
    for (qsizetype i = 0; i < code.size(); ++i) {
        changes << QString(code).remove(i, 1);
        if (i + 1 < code.size() && code[i] != code[i + 1])
            changes << code.left(i) + code[i + 1] + code[i] + code.mid(i + 2);
        for (const QChar symbol : alphabet) {
            if (symbol != code[i])
                changes << QString(code).replace(i, 1, symbol);
            if (i > 0) // within the code, not text before it
                changes << QString(code).insert(i, symbol);
        }
    }
    int stillTheCode = 0;
    for (const QString &changed : changes) {
        const bool whole = holdsCode(changed, code);
        stillTheCode += whole;
        QVERIFY2(decoded(changed) == (whole ? std::optional(sample(withOrder)) : std::nullopt),
                 qPrintable(changed));
    }
    // The prefix's two letters in the other case; an 'R' or 'r' put before the "B", which leaves
    // "RB" or "rB" after a stray letter; the last symbol doubled, a letter after the code.
    QCOMPARE(stillTheCode, 5);
}

void TestBuildCode::codesAreFoundInText_data()
{
    QTest::addColumn<QString>("text");
    const QString code = encodeBuildCode(sample(true));
    QString spaced = code, broken = code;
    for (int at : {120, 90, 61, 30, 4, 2})
        spaced.insert(at, QStringView(at % 4 == 0 ? u"\r\n" : at % 3 == 0 ? u"\t " : u"\n"));
    broken[40] = broken[40] == u'0' ? u'1' : u'0';
    QTest::newRow("alone") << code;
    QTest::newRow("lower-case prefix") << u"rb" + code.mid(2);
    QTest::newRow("chat line") << u"[Ayla]: try mine " + code + u" thanks!";
    QTest::newRow("web address") << u"https://x.example/?b=" + code + u"&y=1";
    QTest::newRow("words glued after") << code + u"thanks";
    QTest::newRow("spaces, tabs and line breaks inside") << spaced;
    QTest::newRow("after a damaged one") << broken + u" oops: " + code;
    QTest::newRow("before another") << code + u' ' + encodeBuildCode(sample(false));
    QTest::newRow("after words holding rb") << u"orbits herb 2 go RB3 " + code;
}

void TestBuildCode::codesAreFoundInText()
{
    QFETCH(QString, text);
    QVERIFY(decoded(text) == sample(true));
}

void TestBuildCode::failuresAreTold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<BuildCodeError>("error");
    const QString code = encodeBuildCode(sample(false));
    const QString head = code.mid(2, 12); // format, class, fingerprints
    // Tree 1 slot 1 at rank 2, slot 2 at rank 1: an order of 3 digits in base 2, in one symbol.
    BuildCode small{QStringLiteral("Dd"), {}, {}, QVector<QPoint>{{1, 1}, {1, 1}, {2, 1}}};
    small.ranks[0] = {2, 1};
    const QString smallBody = encodeBuildCode(small).mid(2).chopped(6);
    BuildCode over = withoutOrder(small);
    over.ranks[2] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 4};
    using E = BuildCodeError;

    QTest::newRow("empty") << QString() << E::NotACode;
    QTest::newRow("hello") << QStringLiteral("hello") << E::NotACode;
    QTest::newRow("rb inside words")
        << QStringLiteral("orbits, turbo mode, Herbert") << E::NotACode;
    QTest::newRow("class of digits") << withChecksum(u"2D5" + code.mid(5, 66)) << E::NotACode;
    QTest::newRow("newer format") << u"RB5" + code.mid(3) << E::NewerFormat;
    QTest::newRow("newer format in an address")
        << u"x.example/?b=rbc" + code.mid(3) << E::NewerFormat;
    QTest::newRow("format 1") << withChecksum(u'1' + code.mid(3, 68)) << E::Damaged;
    QTest::newRow("cut short at the end") << code.chopped(1) << E::Damaged;
    QTest::newRow("cut short by &") << QString(code).insert(50, u'&') << E::Damaged;
    QTest::newRow("damaged before newer") << code.chopped(1) + u" RB5" + code.mid(3) << E::Damaged;
    QTest::newRow("ranks of 6^132") << withChecksum(head + QString(57, u'.')) << E::Damaged;
    QTest::newRow("ranks totalling 72") << encodeBuildCode(over) << E::Damaged;
    QTest::newRow("order matching other ranks") << withChecksum(smallBody + u'3') << E::Damaged;
    QTest::newRow("order of 2^3 or more") << withChecksum(smallBody + u'8') << E::Damaged;
}

void TestBuildCode::failuresAreTold()
{
    QFETCH(QString, text);
    QFETCH(BuildCodeError, error);
    const auto decoded = findBuildCode(text);
    QVERIFY(std::holds_alternative<BuildCodeError>(decoded));
    QCOMPARE(buildCodeErrorText(std::get<BuildCodeError>(decoded)), buildCodeErrorText(error));
}

void TestBuildCode::longestCodeRoundTrips()
{
    // 71 talents at rank 1, spent from the last: 76 symbols and 73 of order.
    BuildCode code{QStringLiteral("Wl"), {}, {}, QVector<QPoint>()};
    for (int k = PointBudget - 1; k >= 0; --k) {
        code.ranks[k / SlotsPerTree][k % SlotsPerTree] = 1;
        code.order->append({k % SlotsPerTree + 1, k / SlotsPerTree + 1});
    }
    const QString text = encodeBuildCode(code);
    QCOMPARE(text.size(), 149);
    QVERIFY(decoded(text) == code);
}

// Codes already shared must keep reading the same: these were worked out from the format's
// description, apart from the program.
void TestBuildCode::formatIsPinned()
{
    TalentTable table;
    for (const Talent &t : {Talent{0, {}, {}, 5, 0, true, 1}, Talent{0, {}, {}, 3, 0, true, 2},
                            Talent{1, {}, {}, 3, 0, true, 5}, Talent{0, {}, {}, 4, 0, false, 9}})
        table.at(t.slot, 2) = t;
    QCOMPARE(treeFingerprint(table, 2), 252866u);

    BuildCode code{QStringLiteral("Wr"), {}, {1, 262143, 77777}, std::nullopt};
    code.ranks[0][0] = 2;
    code.ranks[0][1] = 1;
    code.ranks[2][43] = 5;
    QCOMPARE(encodeBuildCode(code),
             QStringLiteral(
                 "RB2Wr001...I.HUz0ECinaizPu42rMTLqJofq.z5iQ2W6TIj3W000000000000000000008DTe.X"));
    code.order = {{1, 1}, {44, 3}, {2, 1}, {44, 3}, {1, 1}, {44, 3}, {44, 3}, {44, 3}};
    QCOMPARE(
        encodeBuildCode(code),
        QStringLiteral(
            "RB3Wr001...I.HUz0ECinaizPu42rMTLqJofq.z5iQ2W6TIj3W0000000000000000000080TXXu6wy"));
    code.order = QVector<QPoint>();
    code.ranks = {};
    code.classCode = QStringLiteral("Dd");
    code.fingerprints = {};
    QCOMPARE(encodeBuildCode(code), QStringLiteral("RB3Dd") + QString(66, u'0') + u"IFe0o");
}

QTEST_APPLESS_MAIN(TestBuildCode)
#include "test_build_code.moc"
