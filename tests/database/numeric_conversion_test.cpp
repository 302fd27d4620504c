// Number tokens to 32- and 64-bit values: base prefixes, signs, wrapping and
// the digit rules for characters that are not digits of the base.
#include <gtest/gtest.h>

#include <cstdint>

#include "database/numeric_conversion.h"

namespace mifkit {
namespace {

uint64_t ToU64(const WideValue &v) {
    WideWords w = ToWords(v);
    return (uint64_t{w.high} << 32) | w.low;
}

// No sign handling here: "-" is a digit worth 0xFFFD; letters count on past
// the base in either case; "8" and "9" are not refused in octal.
TEST(NumericConversion, UnsignedNumbers) {
    const struct { const char *text; uint32_t value; } cases[] = {
        {"", 0}, {"0x", 0}, {"010", 8}, {"09", 9}, {"0X1f", 31}, {"0xffffffff", 0xFFFFFFFFu},
        {"4294967296", 0}, {"4294967297", 1}, {"-1", 0xFFFDu * 10 + 1}, {"z", 35}, {"Z", 35},
    };
    for (const auto &c : cases) EXPECT_EQ(ParseUnsignedNumber(c.text), c.value) << '"' << c.text << '"';
}

// Each text through both signed conversions. Blanks, tabs and quotes after
// the sign are skipped; other non-digits count by each conversion's own rule
// (a blank after a digit is 65520 to the 32-bit, 65513 to the 64-bit one; a
// byte from 0x80 up is a negative code cut to 16 bits).
TEST(NumericConversion, SignedAndWideNumbers) {
    const struct { const char *text; uint32_t narrow; uint64_t wide; } cases[] = {
        {"-", 0, 0}, {"09", 9, 9}, {"0X1f", 31, 31}, {"+7", 7, 7}, {"+ \t 7", 7, 7},
        {"-012", 0xFFFFFFF6u, 0 - uint64_t{10}}, {"-0x10", 0xFFFFFFF0u, 0 - uint64_t{16}},
        {"- \t\" 012", 0xFFFFFFF6u, 0 - uint64_t{10}}, {"+-5", 0xFFFFFFFBu, 0 - uint64_t{5}},
        {"4294967296", 0, 0x100000000ull}, {"-2147483648", 0x80000000u, 0xFFFFFFFF80000000ull},
        {"0xFFFFFFFFFFFFFFFF", 0xFFFFFFFFu, ~0ull}, {"01777777777777777777777", 0xFFFFFFFFu, ~0ull},
        {"9223372036854775807", 0xFFFFFFFFu, 0x7FFFFFFFFFFFFFFFull},
        {"18446744073709551616", 0, 0}, {"18446744073709551617", 1, 1},
        {"-9223372036854775808", 0, 0x8000000000000000ull}, {"-18446744073709551615", 1, 1},
        {"1 5", (10u + 65520) * 10 + 5, (10u + 65513) * 10 + 5},
        {"-+5", 0u - (0xFFFBu * 10 + 5), 0 - uint64_t{0xFFF4u * 10 + 5}},
        {"a", 10, 10}, {"0xg", 16, 16}, {"{", 0x7B - 55, 0x7B - 55}, {"\x80", 0xFF50, 0xFF49},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseSignedNumber(c.text), c.narrow) << '"' << c.text << '"';
        EXPECT_EQ(ToU64(ParseWideNumber(c.text)), c.wide) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace mifkit
