#include "talents/build_code.h"

#include "talents/build_code_format.h"

namespace {

// Writes the symbols into a buffer on the stack, keeping the checksum as it goes: encoding makes
// one allocation, the text returned.
class CodeWriter {
public:
    void put(int value)
    {
        text_[size_++] = codeAlphabet[value];
        checksum_ = checksumStep(checksum_, value);
    }

    void putNumber(quint32 number, int symbols)
    {
        for (int i = symbols - 1; i >= 0; --i)
            put(static_cast<int>(number >> (6 * i)) & 63);
    }

    void putNumber(const BigNumber &number, int symbols)
    {
        for (int i = symbols - 1; i >= 0; --i)
            put(number.base64Digit(i));
    }

    QString finish()
    {
        putNumber(checksum_, ChecksumSymbols);
        return QString::fromLatin1(text_.data(), size_);
    }

private:
    std::array<char, LongestBuildCode> text_{'R', 'B'};
    int size_ = 2;
    quint32 checksum_ = 0; // of everything after the prefix
};

// The order as one number: each point is a digit, the index of its place among the invested
// ones, the first point the most significant.
BigNumber orderNumber(const QVector<QPoint> &order, const InvestedPlaces &invested)
{
    std::array<quint8, PlaceCount> digitOf{};
    for (int i = 0; i < invested.count; ++i)
        digitOf[invested.places[i]] = static_cast<quint8>(i);
    BigNumber number;
    for (const QPoint &point : order)
        number.multiplyAdd(static_cast<quint32>(invested.count), digitOf[placeOf(point)]);
    return number;
}

} // namespace

quint32 treeFingerprint(const TalentTable &table, int tree)
{
    // FNV-1a over one octet per number: slots and prerequisites go up to 44, ranks up to 5.
    quint32 hash = 2166136261u;
    const auto mix = [&hash](int number) {
        hash = (hash ^ static_cast<quint8>(number)) * 16777619u;
    };
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const Talent &t = table.at(slot, tree);
        if (!t.present)
            continue;
        mix(slot);
        mix(t.maxRank);
        mix(t.prereq);
    }
    return (hash >> 18) ^ (hash & 0x3FFFF);
}

QString encodeBuildCode(const BuildCode &code)
{
    CodeWriter out;
    out.put(BuildCodeVersion * 2 + (code.order ? 1 : 0));
    out.put(codeSymbolValue(code.classCode.at(0).unicode()));
    out.put(codeSymbolValue(code.classCode.at(1).unicode()));
    for (const quint32 fingerprint : code.fingerprints)
        out.putNumber(fingerprint, FingerprintSymbols);
    out.putNumber(ranksNumber(code.ranks), RankSymbols);
    if (code.order) {
        const InvestedPlaces invested = investedPlaces(code.ranks);
        out.putNumber(orderNumber(*code.order, invested), orderSymbols(invested));
    }
    return out.finish();
}

QString buildCodeErrorText(BuildCodeError error)
{
    switch (error) {
    case BuildCodeError::NotACode:
        return QStringLiteral("not a build code");
    case BuildCodeError::Damaged:
        return QStringLiteral("damaged build code: check the characters");
    case BuildCodeError::NewerFormat:
        return QStringLiteral("a build code for a newer format");
    }
    return {};
}

std::array<quint32, TreeCount> treeFingerprints(const TalentTable &table)
{
    std::array<quint32, TreeCount> prints{};
    for (int tree = 1; tree <= TreeCount; ++tree)
        prints[tree - 1] = treeFingerprint(table, tree);
    return prints;
}
