#include "talents/build_code_format.h"

namespace {

constexpr int RankBase = MaxRankLimit + 1;
// The ranks go through the big number twelve at a time: 6^12 still fits in 32 bits.
constexpr int RanksPerChunk = 12;
constexpr quint32 RankChunk = 2176782336u; // 6^12
static_assert(PlaceCount % RanksPerChunk == 0);

int &rankAt(RankGrid &ranks, int place)
{
    return ranks[place / SlotsPerTree][place % SlotsPerTree];
}

} // namespace

int codeSymbolValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 36;
    if (c == u'-')
        return 62;
    if (c == u'.')
        return 63;
    return -1;
}

BigNumber ranksNumber(const RankGrid &ranks)
{
    BigNumber number;
    for (int chunk = PlaceCount / RanksPerChunk - 1; chunk >= 0; --chunk) {
        quint32 digits = 0;
        for (int k = (chunk + 1) * RanksPerChunk - 1; k >= chunk * RanksPerChunk; --k)
            digits = digits * RankBase + static_cast<quint32>(rankAt(ranks, k));
        number.multiplyAdd(RankChunk, digits);
    }
    return number;
}

bool ranksFromNumber(BigNumber number, RankGrid &ranks)
{
    for (int chunk = 0; chunk < PlaceCount / RanksPerChunk; ++chunk) {
        quint32 digits = number.divide(RankChunk);
        for (int k = chunk * RanksPerChunk; k < (chunk + 1) * RanksPerChunk; ++k) {
            rankAt(ranks, k) = static_cast<int>(digits % RankBase);
            digits /= RankBase;
        }
    }
    return number.isZero();
}

InvestedPlaces investedPlaces(const RankGrid &ranks)
{
    InvestedPlaces invested;
    for (int k = 0; k < PlaceCount; ++k) {
        if (rankAt(ranks, k) > 0)
            invested.places[invested.count++] = static_cast<quint8>(k);
        invested.points += rankAt(ranks, k);
    }
    return invested;
}

int orderSymbols(const InvestedPlaces &invested)
{
    BigNumber power;
    power.multiplyAdd(1, 1);
    for (int i = 0; i < invested.points; ++i)
        power.multiplyAdd(static_cast<quint32>(invested.count), 0);
    return power.base64DigitsBelow();
}
