#pragma once

#include <QtGlobal>
#include <array>

// An unsigned whole number of up to 448 bits, on the stack: enough for the longest number a build
// code writes (the order of 71 points among 71 talents, below 71^71, in 73 base-64 symbols). Only
// what the base changes of a build code need: multiply by a small number and add one, divide by a
// small number, read base-64 digits. Nothing here allocates, so encoding a plan stays cheap.
class BigNumber {
public:
    static constexpr int Bits = 448;

    // *this = *this * factor + addend. The caller keeps the result within Bits.
    void multiplyAdd(quint32 factor, quint32 addend);

    // *this = *this / divisor (divisor > 0); returns the remainder.
    quint32 divide(quint32 divisor);

    bool isZero() const;

    // The base-64 digit at `position`, 0 being the least significant.
    int base64Digit(int position) const;

    // The smallest L with 64^L >= *this: how many base-64 digits write every number below it.
    // 0 for the numbers 0 and 1.
    int base64DigitsBelow() const;

private:
    static constexpr int LimbBits = 32;
    static constexpr int LimbCount = Bits / LimbBits;

    // Least significant first.
    std::array<quint32, LimbCount> limbs_{};
};
