#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

struct Prefix {
    const unsigned char *digits;
    uint32_t base;
    bool negative;
};

// A leading "0" is consumed whether or not an "x" follows, so "0" and "0x"
// alone leave no digits and give 0.
const unsigned char *ReadBase(const unsigned char *p, uint32_t &base) {
    base = 10;
    if (*p == '0') {
        ++p;
        base = 8;
        if (*p == 'x' || *p == 'X') {
            ++p;
            base = 16;
        }
    }
    return p;
}

// "+" is tested before "-", so "+-5" is negative while in "-+5" the "+" is
// read as a digit.
Prefix ReadSignedPrefix(const char *text) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    Prefix prefix{p, 10, false};
    if (*p == '+') ++p;
    if (*p == '-') {
        prefix.negative = true;
        ++p;
    }
    // A signed number token may carry blanks, tabs or quotes between its
    // sign and its digits; read as digits they would give a wild value.
    while (*p == ' ' || *p == '\t' || *p == '"') ++p;
    prefix.digits = ReadBase(p, prefix.base);
    return prefix;
}

// Not checked against the base: "08" gives 8. The byte is compared as a
// signed 8-bit code, so bytes from 0x80 up fall in the first branch.
uint16_t NarrowDigit(unsigned char byte) {
    int code = static_cast<signed char>(byte);
    int value;
    if (code <= '9')
        value = code - 48;
    else if (code >= 'a' && code <= 'z')
        value = code - 87;
    else
        value = code - 55;
    return static_cast<uint16_t>(value);
}

// Same signed reading of the byte as NarrowDigit, for bytes the lexer never
// puts in a number.
uint16_t WideDigit(unsigned char byte) {
    int code = static_cast<signed char>(byte);
    if (code >= '0' && code <= '9') return static_cast<uint16_t>(code - 48);
    if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
    return static_cast<uint16_t>(code - 55);
}

uint32_t AccumulateNarrow(const unsigned char *p, uint32_t base) {
    uint32_t value = 0;
    for (; *p != '\0'; ++p) value = value * base + NarrowDigit(*p);
    return value;
}

}  // namespace

WideValue MakeWide(uint16_t value) { return WideValue{{value, 0, 0, 0}}; }

WideValue AddWide(const WideValue &a, const WideValue &b) {
    WideValue sum{};
    uint32_t carry = 0;
    for (int i = 0; i < 4; ++i) {
        uint32_t limb = uint32_t{a.limb[i]} + b.limb[i] + carry;
        sum.limb[i] = static_cast<uint16_t>(limb);
        carry = limb >> 16;
    }
    return sum;
}

WideValue NegateWide(const WideValue &value) {
    WideValue complement{};
    for (int i = 0; i < 4; ++i) complement.limb[i] = static_cast<uint16_t>(~value.limb[i]);
    return AddWide(complement, MakeWide(1));
}

WideWords ToWords(const WideValue &value) {
    return WideWords{uint32_t{value.limb[0]} | (uint32_t{value.limb[1]} << 16),
                     uint32_t{value.limb[2]} | (uint32_t{value.limb[3]} << 16)};
}

uint32_t ParseUnsignedNumber(const char *text) {
    uint32_t base;
    const unsigned char *p = ReadBase(reinterpret_cast<const unsigned char *>(text), base);
    return AccumulateNarrow(p, base);
}

uint32_t ParseSignedNumber(const char *text) {
    Prefix prefix = ReadSignedPrefix(text);
    uint32_t value = AccumulateNarrow(prefix.digits, prefix.base);
    return prefix.negative ? 0u - value : value;
}

WideValue ParseWideNumber(const char *text) {
    Prefix prefix = ReadSignedPrefix(text);
    WideValue value = MakeWide(0);
    for (const unsigned char *p = prefix.digits; *p != '\0'; ++p) {
        // Multiplying by repeated addition keeps the arithmetic in 16-bit
        // limbs: at most base - 1 additions, then one for the digit.
        const WideValue times = value;
        for (uint32_t i = 1; i < prefix.base; ++i) value = AddWide(value, times);
        value = AddWide(value, MakeWide(WideDigit(*p)));
    }
    return prefix.negative ? NegateWide(value) : value;
}

}  // namespace mifkit
