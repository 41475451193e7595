#include "bundled_world.h"
#include "talents/build_code.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

// Build codes: plans of every bundled class through a code and back, every small change refused,
// codes found inside text or the failure told, and codes of this version pinned.
class TestBuildCode : public QObject {
    Q_OBJECT

private slots:
    void plansRoundTrip_data();
    void plansRoundTrip();
    void everySmallChangeIsRefused();
    void textIsSearched_data();
    void textIsSearched();
    void formatIsPinned();
};

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

// Points still missing before the cheapest talent at rank 0 of the tree opens: rows above it, and
// its prerequisite when that can take points. What the extra points of a wide spread lower.
int missingToOpen(const PointRulesModel &model, int tree)
{
    int fewest = SlotsPerTree * MaxRankLimit;
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const ModelTalent &t = model.talent(slot, tree);
        const ModelTalent &prereq = model.talent(t.prereq ? t.prereq : slot, tree);
        if (!t.placed || t.rank > 0 ||
            (t.prereq && prereq.rank == 0 && !model.open(t.prereq, tree)))
            continue;
        int missing = PointsPerTier * (PointRulesModel::rowOf(slot) - 1);
        for (int above = 1; above <= slot - 1 - (slot - 1) % ColumnsPerRow; ++above)
            missing -= model.talent(above, tree).rank;
        fewest = qMin(fewest, qMax(0, missing) + (t.prereq ? prereq.maxRank - prereq.rank : 0));
    }
    return fewest;
}

// Left presses the rules allow, `points` of them or until none may go: at random, or spread
// wide: on a talent still at rank 0 whenever one is open, else where the next one opens soonest.
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
                if (!model.maySpend(slot, tree))
                    continue;
                open.append({slot, tree});
                if (model.talent(slot, tree).rank == 0)
                    fresh.append({slot, tree});
            }
        }
        if (spread && !fresh.isEmpty())
            open = fresh;
        if (open.isEmpty())
            break;
        QPoint p = open[rng.bounded(int(open.size()))];
        for (const QPoint &q : std::as_const(open)) {
            const auto cost = [&model](QPoint at) {
                ++model.talent(at.x(), at.y()).rank;
                const int missing = missingToOpen(model, at.y());
                --model.talent(at.x(), at.y()).rank;
                return std::pair(missing, PointRulesModel::rowOf(at.x()));
            };
            if (spread && fresh.isEmpty() && cost(q) < cost(p))
                p = q;
        }
        ++model.talent(p.x(), p.y()).rank;
        ++code.ranks[p.y() - 1][p.x() - 1];
        code.order->append(p);
    }
    return code;
}

BuildCode withoutOrder(const BuildCode &code)
{
    BuildCode plain;
    plain.classCode = code.classCode;
    plain.ranks = code.ranks;
    plain.fingerprints = code.fingerprints;
    return plain;
}

// With order, the longest code: 71 talents at rank 1, spent from the last (149 symbols).
const BuildCode &sample(bool withOrder)
{
    static const BuildCode plain = withoutOrder(spend(QStringLiteral("Hu"), 40, false, 8));
    static const BuildCode widest = [] {
        BuildCode code{QStringLiteral("Wl"), {}, {1, 2, 3}, QVector<QPoint>()};
        for (int k = PointBudget - 1; k >= 0; --k) {
            code.ranks[k / SlotsPerTree][k % SlotsPerTree] = 1;
            code.order->append({k % SlotsPerTree + 1, k / SlotsPerTree + 1});
        }
        return code;
    }();
    return withOrder ? widest : plain;
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
    for (int trial = 0; trial < (spread ? 3 : 12); ++trial) {
        const int points = trial < 2 ? PointBudget * trial : (trial * 37) % (PointBudget + 1);
        const BuildCode ordered = spend(classCode, spread ? PointBudget : points, spread, trial);
        int talents = 0;
        for (const auto &tree : ordered.ranks)
            talents += int(std::count_if(tree.begin(), tree.end(), [](int r) { return r > 0; }));
        const int n = int(ordered.order->size());
        QCOMPARE(n, spread ? PointBudget : points);
        const int orderLength = talents < 2 ? 0 : int(std::ceil(n * std::log2(talents) / 6));
        for (const BuildCode &code : {ordered, withoutOrder(ordered)}) {
            const QString text = encodeBuildCode(code);
            QCOMPARE(text.size(), code.order ? 76 + orderLength : 76);
            QVERIFY(text.size() <= (code.order ? 160 : 79));
            QCOMPARE(text, withChecksum(text.mid(2).chopped(5)));
            QVERIFY2(decoded(text) == code, qPrintable(text));
        }
    }
}

// Every deletion, insertion, substitution and swap of neighbours, with order and without.
void TestBuildCode::everySmallChangeIsRefused()
{
    for (const bool withOrder : {false, true}) {
        const QString code = encodeBuildCode(sample(withOrder));
        QCOMPARE(code.size(), withOrder ? 149 : 76);
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
        // The prefix's two letters in the other case; an 'R' or 'r' put before the "B", which
        // leaves "RB" or "rB" after a stray letter; the last symbol doubled, a letter after it.
        QCOMPARE(stillTheCode, 5);
    }
}

void TestBuildCode::textIsSearched_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("outcome"); // "found" for the sample with order, else the error
    const QString code = encodeBuildCode(sample(true));
    QString spaced = code, broken = code;
    for (int at : {120, 90, 61, 30, 4, 2})
        spaced.insert(at, QStringView(at % 4 == 0 ? u"\r\n" : at % 3 == 0 ? u"\t " : u"\n"));
    broken[40] = broken[40] == u'0' ? u'1' : u'0';
    const QString found = QStringLiteral("found");
    QTest::newRow("alone") << code << found;
    QTest::newRow("lower-case prefix") << u"rb" + code.mid(2) << found;
    QTest::newRow("chat line") << u"[Ayla]: try mine " + code + u" thanks!" << found;
    QTest::newRow("web address") << u"https://x.example/?b=" + code + u"&y=1" << found;
    QTest::newRow("words glued after") << code + u"thanks" << found;
    QTest::newRow("spaces, tabs and line breaks inside") << spaced << found;
    QTest::newRow("after a damaged one") << broken + u" oops: " + code << found;
    QTest::newRow("before another") << code + u' ' + encodeBuildCode(sample(false)) << found;
    QTest::newRow("after words holding rb") << u"orbits herb 2 go RB3 " + code << found;
    // Links: runeplan: and runeplan://, their escapes decoded; other schemes read as any text.
    QString escaped, halfEscaped = code;
    for (const char c : code.toLatin1())
        escaped += QStringLiteral("%%1").arg(int(c), 2, 16, QLatin1Char('0'));
    halfEscaped.replace(u'R', QStringLiteral("%52")).replace(u'a', QStringLiteral("%61"));
    QTest::newRow("link") << u"runeplan:" + code << found;
    QTest::newRow("link with slashes, upper-case scheme") << u"RunePlan://" + code + u'/' << found;
    QTest::newRow("link escaped whole") << u"runeplan:" + escaped << found;
    QTest::newRow("link escaped in part, in a page")
        << u"<a href=\"runeplan://" + halfEscaped + u"\">mine</a>" << found;
    QTest::newRow("link in a forum post, %20 inside")
        << u"[url=runeplan:" + QString(code).insert(30, u"%20") + u"]mine[/url]" << found;
    QTest::newRow("link of another scheme") << u"web+plan:" + code << found;
    QTest::newRow("link after a link with a bad escape")
        << u"runeplan:%zz runeplan:%zz,runePlan:" + escaped << found;

    const QString plain = encodeBuildCode(sample(false));
    const QString head = plain.mid(2, 12); // format, class, fingerprints
    const QString sixToThe132 =
        QStringLiteral("b9D4FFL5f9hsUT01MQBaZBop9JeVFpKZ9fH0000000000000000000000");
    // Tree 1 slot 1 at rank 2, slot 2 at rank 1: an order of 3 digits in base 2, in one symbol.
    BuildCode small{QStringLiteral("Dd"), {}, {}, QVector<QPoint>{{1, 1}, {1, 1}, {2, 1}}};
    small.ranks[0] = {2, 1};
    const QString smallBody = encodeBuildCode(small).mid(2).chopped(6);
    BuildCode over = withoutOrder(small);
    over.ranks[2] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 4};
    const QString notACode = buildCodeErrorText(BuildCodeError::NotACode);
    const QString damaged = buildCodeErrorText(BuildCodeError::Damaged);
    const QString newer = buildCodeErrorText(BuildCodeError::NewerFormat);
    QTest::newRow("empty") << QString() << notACode;
    QTest::newRow("hello") << QStringLiteral("hello") << notACode;
    QTest::newRow("rb inside words") << QStringLiteral("orbits, turbo mode, Herbert") << notACode;
    QTest::newRow("class of digits") << withChecksum(u"2D5" + plain.mid(5, 66)) << notACode;
    QTest::newRow("newer format") << u"RB5" + plain.mid(3) << newer;
    QTest::newRow("newer format in an address") << u"x.example/?b=rbc" + plain.mid(3) << newer;
    QTest::newRow("format 0") << withChecksum(u'0' + plain.mid(3, 68)) << damaged;
    QTest::newRow("cut short at the end") << plain.chopped(1) << damaged;
    QTest::newRow("cut short by &") << QString(plain).insert(50, u'&') << damaged;
    QTest::newRow("damaged before newer") << plain.chopped(1) + u" RB5" + plain.mid(3) << damaged;
    QTest::newRow("ranks of 6^132: all 0 below it") << withChecksum(head + sixToThe132) << damaged;
    QTest::newRow("ranks totalling 72") << encodeBuildCode(over) << damaged;
    QTest::newRow("order matching other ranks") << withChecksum(smallBody + u'3') << damaged;
    QTest::newRow("order of 2^3 + 1: valid digits below")
        << withChecksum(smallBody + u'9') << damaged;
    QTest::newRow("link with nothing") << QStringLiteral("runeplan:") << notACode;
    QTest::newRow("link with a bad escape")
        << u"runeplan:" + QString(escaped).replace(31, 1, u'g') << notACode;
    QTest::newRow("escaped code in another scheme") << u"runeplans:" + escaped << notACode;
    QTest::newRow("escaped code in an address") << u"https://x.example/?b=" + escaped << notACode;
    QTest::newRow("link cut short") << u"runeplan:" + escaped.chopped(3) << damaged;
}

void TestBuildCode::textIsSearched()
{
    QFETCH(QString, text);
    QFETCH(QString, outcome);
    const auto found = findBuildCode(text);
    if (const BuildCodeError *error = std::get_if<BuildCodeError>(&found))
        QCOMPARE(buildCodeErrorText(*error), outcome);
    else
        QVERIFY(outcome == u"found" && std::get<BuildCode>(found) == sample(true));
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
}

QTEST_APPLESS_MAIN(TestBuildCode)
#include "test_build_code.moc"
