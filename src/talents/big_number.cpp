#include "talents/big_number.h"

#include <bit>

void BigNumber::multiplyAdd(quint32 factor, quint32 addend)
{
    quint64 carry = addend;
    for (quint32 &limb : limbs_) {
        const quint64 product = quint64(limb) * factor + carry;
        limb = static_cast<quint32>(product);
        carry = product >> LimbBits;
    }
    Q_ASSERT(carry == 0);
}

quint32 BigNumber::divide(quint32 divisor)
{
    quint64 remainder = 0;
    for (int i = LimbCount - 1; i >= 0; --i) {
        const quint64 part = (remainder << LimbBits) | limbs_[i];
        limbs_[i] = static_cast<quint32>(part / divisor);
        remainder = part % divisor;
    }
    return static_cast<quint32>(remainder);
}

bool BigNumber::isZero() const
{
    for (const quint32 limb : limbs_) {
        if (limb != 0)
            return false;
    }
    return true;
}

int BigNumber::base64Digit(int position) const
{
    const int bit = position * 6;
    const int index = bit / LimbBits;
    const int shift = bit % LimbBits;
    quint64 window = limbs_[index] >> shift;
    // A digit that starts in the last 5 bits of a limb ends in the next one.
    if (shift > LimbBits - 6 && index + 1 < LimbCount)
        window |= quint64(limbs_[index + 1]) << (LimbBits - shift);
    return static_cast<int>(window & 63);
}

int BigNumber::base64DigitsBelow() const
{
    int top = LimbCount - 1;
    while (top >= 0 && limbs_[top] == 0)
        --top;
    if (top < 0)
        return 0;
    int bits = top * LimbBits + std::bit_width(limbs_[top]);
    // Below a power of two 2^b every number fits in b bits; below anything else it takes as many
    // bits as the number itself has.
    bool powerOfTwo = std::has_single_bit(limbs_[top]);
    for (int i = 0; i < top && powerOfTwo; ++i)
        powerOfTwo = limbs_[i] == 0;
    if (powerOfTwo)
        --bits;
    return (bits + 5) / 6;
}
