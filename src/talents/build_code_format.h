#pragma once

#include "talents/big_number.h"
#include "talents/rank_grid.h"

#include <QPoint>
#include <array>

// What writing and reading a build code share: the lengths, the alphabet, the checksum, the ranks
// as one number and the length of the order. docs/build-code.md describes the format.

// The format symbol is version * 2 + (1 when the order follows).
inline constexpr int BuildCodeVersion = 1;
inline constexpr int FingerprintSymbols = 3;
inline constexpr int RankSymbols = 57; // 6^132 <= 64^57
inline constexpr int ChecksumSymbols = 5;
inline constexpr quint32 ChecksumModulus = 1073741789; // the largest prime below 2^30
inline constexpr int LongestOrderSymbols = 73;         // 71 points on 71 talents: 64^73 >= 71^71
// "RB", format, class, fingerprints, ranks, the longest order, checksum.
inline constexpr int LongestBuildCode = 2 + 1 + 2 + TreeCount * FingerprintSymbols + RankSymbols +
                                        LongestOrderSymbols + ChecksumSymbols;

// A place k = (tree - 1) * 44 + (slot - 1) orders the slots of all three trees for the ranks number
// and the order.
inline constexpr int PlaceCount = TreeCount * SlotsPerTree;

inline constexpr char codeAlphabet[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-.";

// The value of a symbol, or -1 for a character outside the alphabet.
int codeSymbolValue(char16_t c);

constexpr bool isLetterValue(int value)
{
    return value >= 10 && value < 62;
}

// One step of the checksum over the symbols' values.
constexpr quint32 checksumStep(quint32 checksum, int value)
{
    return static_cast<quint32>((quint64(checksum) * 65 + quint64(value) + 1) % ChecksumModulus);
}

constexpr int placeOf(const QPoint &slotAndTree)
{
    return (slotAndTree.y() - 1) * SlotsPerTree + slotAndTree.x() - 1;
}

constexpr QPoint slotAndTreeOf(int place)
{
    return {place % SlotsPerTree + 1, place / SlotsPerTree + 1};
}

inline int rankAt(const RankGrid &ranks, int place)
{
    return ranks[place / SlotsPerTree][place % SlotsPerTree];
}

// The sum of rank_k * 6^k over every place k.
BigNumber ranksNumber(const RankGrid &ranks);

// The ranks a number holds; false when the number is 6^132 or more.
bool ranksFromNumber(BigNumber number, RankGrid &ranks);

// The places holding points in ascending order (the digits of an order index into them) and the
// points in all.
struct InvestedPlaces {
    std::array<quint8, PlaceCount> places{};
    int count = 0;
    int points = 0;
};

InvestedPlaces investedPlaces(const RankGrid &ranks);

// The smallest L with 64^L >= count^points: the symbols of the order.
int orderSymbols(const InvestedPlaces &invested);
