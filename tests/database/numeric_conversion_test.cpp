// Number tokens to 32- and 64-bit values: base prefixes, signs, wrapping and
// the digit rules for characters that are not digits of the base.
#include <gtest/gtest.h>

#include <cstdint>

#include "database/numeric_conversion.h"

namespace mifkit {
namespace {

WideValue FromU64(uint64_t v) {
    return WideValue{{static_cast<uint16_t>(v), static_cast<uint16_t>(v >> 16),
                      static_cast<uint16_t>(v >> 32), static_cast<uint16_t>(v >> 48)}};
}

uint64_t ToU64(const WideValue &v) {
    WideWords w = ToWords(v);
    return (uint64_t{w.high} << 32) | w.low;
}

// Texts an unsigned number token can carry: the prefix "0" is consumed, a
// leading zero means octal, and "8" or "9" are not refused in octal.
TEST(NumericConversion, UnsignedNumbers) {
    const struct { const char *text; uint32_t value; } cases[] = {
        {"", 0},
        {"0", 0},
        {"0x", 0},
        {"7", 7},
        {"010", 8},
        {"09", 9},
        {"08", 8},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0xffffffff", 0xFFFFFFFFu},
        {"4294967295", 4294967295u},
        {"4294967296", 0},
        {"2147483648", 2147483648u},
        {"4294967297", 1},
        // No sign handling: "+" and "-" are digits, and "-" gives 0xFFFD.
        {"-1", 0xFFFDu * 10 + 1},
        // Letters count on past the base: "z" is 35, "Z" is 35 too.
        {"z", 35},
        {"Z", 35},
    };
    for (const auto &c : cases) EXPECT_EQ(ParseUnsignedNumber(c.text), c.value) << '"' << c.text << '"';
}

// Each text through both signed conversions. A blank, tab or quote between
// the sign and the digits is skipped.
TEST(NumericConversion, SignedAndWideNumbers) {
    const struct {
        const char *text;
        uint32_t narrow;
        uint32_t low, high;
    } cases[] = {
        {"0", 0, 0, 0},
        {"-", 0, 0, 0},
        {"-0", 0, 0, 0},
        {"010", 8, 8, 0},
        {"09", 9, 9, 0},
        {"0x1F", 31, 31, 0},
        {"0X1f", 31, 31, 0},
        {"+7", 7, 7, 0},
        {"-012", 0xFFFFFFF6u, 0xFFFFFFF6u, 0xFFFFFFFFu},
        {"-0x10", 0xFFFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFFFu},
        {"4294967295", 0xFFFFFFFFu, 0xFFFFFFFFu, 0},
        {"4294967296", 0, 0, 1},
        {"2147483648", 0x80000000u, 0x80000000u, 0},
        {"-2147483648", 0x80000000u, 0x80000000u, 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"+-5", 0xFFFFFFFBu, 0xFFFFFFFBu, 0xFFFFFFFFu},
        {"- 5", 0xFFFFFFFBu, 0xFFFFFFFBu, 0xFFFFFFFFu},
        {"-\t5", 0xFFFFFFFBu, 0xFFFFFFFBu, 0xFFFFFFFFu},
        {"-\"5", 0xFFFFFFFBu, 0xFFFFFFFBu, 0xFFFFFFFFu},
        {"- \t\" 012", 0xFFFFFFF6u, 0xFFFFFFF6u, 0xFFFFFFFFu},
        {"+ 7", 7, 7, 0},
        {"+ \t 7", 7, 7, 0},
        {"0xFFFFFFFFFFFFFFFF", 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"01777777777777777777777", 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"9223372036854775807", 0xFFFFFFFFu, 0xFFFFFFFFu, 0x7FFFFFFFu},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseSignedNumber(c.text), c.narrow) << '"' << c.text << '"';
        WideWords w = ToWords(ParseWideNumber(c.text));
        EXPECT_EQ(w.low, c.low) << '"' << c.text << '"';
        EXPECT_EQ(w.high, c.high) << '"' << c.text << '"';
    }
}

// Characters that are not digits still count, each conversion by its own
// rule: a blank after a digit is 65520 to the 32-bit and 65513 to the 64-bit
// conversion; "-+5" reads its "+" as a digit; a byte from 0x80 up is a
// negative code, cut to 16 bits.
TEST(NumericConversion, NonDigitsFollowEachConversionsRule) {
    const struct {
        const char *text;
        uint32_t narrow;
        uint64_t wide;
    } cases[] = {
        {"1 5", (10u + 65520) * 10 + 5, (10u + 65513) * 10 + 5},
        {"-+5", 0u - (0xFFFBu * 10 + 5), 0 - uint64_t{0xFFF4u * 10 + 5}},
        {"a", 10, 10},
        {"0xg", 16, 16},
        {"{", 0x7B - 55, 0x7B - 55},
        {"\x80", 0xFF50, 0xFF49},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseSignedNumber(c.text), c.narrow) << '"' << c.text << '"';
        EXPECT_EQ(ToU64(ParseWideNumber(c.text)), c.wide) << '"' << c.text << '"';
    }
}

// Wrapping at 2^64 and the most negative value.
TEST(NumericConversion, WideNumbersWrap) {
    const struct { const char *text; uint64_t wide; } cases[] = {
        {"18446744073709551615", 0xFFFFFFFFFFFFFFFFull},
        {"18446744073709551616", 0},
        {"18446744073709551617", 1},
        {"-9223372036854775808", 0x8000000000000000ull},
        {"-18446744073709551615", 1},
    };
    for (const auto &c : cases) EXPECT_EQ(ToU64(ParseWideNumber(c.text)), c.wide) << c.text;
}

TEST(WideArithmetic, AddCarriesThroughEveryLimb) {
    const struct { uint64_t a, b, sum; } cases[] = {
        {0x0000FFFFFFFFFFFFull, 1, 0x0001000000000000ull},
        {0xFFFFFFFFFFFFFFFFull, 1, 0},
        {0x000000000000FFFFull, 1, 0x0000000000010000ull},
        {0x00000000FFFF0000ull, 0x10000, 0x0000000100000000ull},
        {0xFFFFFFFFFFFFFFFFull, 0xFFFFFFFFFFFFFFFFull, 0xFFFFFFFFFFFFFFFEull},
        {0x8000800080008000ull, 0x8000800080008000ull, 0x0001000100010000ull},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ToU64(AddWide(FromU64(c.a), FromU64(c.b))), c.sum) << std::hex << c.a << " + " << c.b;
        EXPECT_EQ(ToU64(AddWide(FromU64(c.b), FromU64(c.a))), c.sum) << std::hex << c.b << " + " << c.a;
    }
}

TEST(WideArithmetic, NegateIsTwosComplement) {
    const struct { uint64_t value, negated; } cases[] = {
        {0, 0},
        {0x8000000000000000ull, 0x8000000000000000ull},
        {1, 0xFFFFFFFFFFFFFFFFull},
        {0x0000000100000000ull, 0xFFFFFFFF00000000ull},
        {0x0000000000010000ull, 0xFFFFFFFFFFFF0000ull},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ToU64(NegateWide(FromU64(c.value))), c.negated) << std::hex << c.value;
        EXPECT_EQ(ToU64(NegateWide(FromU64(c.negated))), c.value) << std::hex << c.negated;
    }
    EXPECT_EQ(ToU64(MakeWide(0xFFFF)), 0xFFFFu);
}

}  // namespace
}  // namespace mifkit
