// Attribute values: which token kinds each type accepts, what it stores, and
// the lines a refused value prints; and number tokens to 32- and 64-bit
// values: base prefixes, signs, wrapping and the digit rules for characters
// that are not digits of the base.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/numeric_conversion.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// One attribute; TYPE, VALUE and BEFORE (a component-level enumeration) are
// filled in, so that Value is on line 4 and End Attribute on line 5.
const char kAttributeMif[] = R"(Start Component Name = "c" BEFORE
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1
Type = TYPE
Value = VALUE
End Attribute End Group End Component
)";
const char kNamedEnum[] = R"(Start Enum Name = "e" 1 = "one" 2 = "two" End Enum)";
const char kOwnEnum[] = R"(Start Enum 1 = "one" 2 = "two" End Enum)";

const std::string k245 = ") Counter, Counter64, and Gauge numbers must be unsigned decimal.";
const std::string k119 = ") Illegal value encountered in attribute body.";
const std::string k129 = ") Attribute value has an illegal size.";

using A = const AttributeView &;
// The refused value keeps its token and stores nothing.
void Unconverted(A a) {
    EXPECT_TRUE(a.record()->pendingValue != nullptr && !a.value().text().present());
    EXPECT_TRUE(a.value().unsignedValue() == 0u && a.value().uint64() == 0u);
}
bool Pending(A a) { return a.record()->pendingValue != nullptr; }

struct Case { const char *type, *value, *before; int status; std::vector<std::string> lines;
              std::function<void(A)> check; };

TEST(AttributeValue, ConvertsOrRefusesByType) {
    const Case cases[] = {
        // A sign makes the token signed, which a counter refuses.
        {"Counter", "+5", "", 1049,
         {"DMI0119  (File: 0 (4): 0: <+5>" + k119, "DMI0245  (File 0, Line 4, ID <0>, Token <+5>" + k245}, Unconverted},
        {"Gauge", "4294967295", "", 0, {}, [](A a) { EXPECT_EQ(a.value().unsignedValue(), 0xFFFFFFFFu); }},
        {"Counter", "4294967296", "", 0, {}, [](A a) { EXPECT_TRUE(a.value().unsignedValue() == 0u && !Pending(a)); }},
        {"Counter64", "18446744073709551615", "", 0, {}, [](A a) { EXPECT_EQ(a.value().uint64(), ~uint64_t{0}); }},
        {"Counter64", "-1", "", 1053,
         {"DMI0119  (File: 0 (4): 0: <-1>" + k119, "DMI0245  (File 0, Line 4, ID <0>, Token <-1>" + k245}, Unconverted},
        {"Int", "0x10", "", 0, {}, [](A a) { EXPECT_EQ(a.value().signedValue(), 16); }},
        // A literal's statement is reduced with the next token in hand.
        {"Integer", "\"5\"", "", 1052, {"DMI0119  (File: 0 (5): 0: <End Attribute>" + k119}, Unconverted},
        // Blanks between the sign and the digits are skipped.
        {"Integer64", "- 5", "", 0, {}, [](A a) { EXPECT_EQ(a.value().int64(), -5); }},
        {"DisplayString(3)", "\"abc\"", "", 0, {}, [](A a) {
             EXPECT_TRUE(a.value().text().utf8() == "abc" && a.value().text().bytes().size() == 8u && !Pending(a));
         }},
        {"String(3)", "\"abcd\"", "", 1050, {"DMI0129  (File: 0 (5): 0: <End Attribute>" + k129}, Unconverted},
        // Short enough for the size test, then refused for its kind.
        {"DisplayString(3)", "5", "", 1051, {"DMI0119  (File: 0 (4): 0: <5>" + k119}, Unconverted},
        {"OctetString(3)", "\"abc\"", "", 0, {},
         [](A a) { EXPECT_EQ(a.value().text().bytes(), std::string("\0a\0b\0c", 6)); }},
        // The size test comes first: a long number is refused for its size, and its count stays lowered.
        {"OctetString(2)", "1234567", "", 1050, {"DMI0129  (File: 0 (4): 0: <1234567>" + k129},
         [](A a) { Unconverted(a); EXPECT_EQ(a.record()->pendingValue->text->length, 6u); }},
        {"Date", "\"20240102030405.000000+000\"", "", 0, {}, [](A a) {
             EXPECT_EQ(a.value().text().utf8(), "20240102030405.000000+000");
             EXPECT_EQ(a.value().text().bytes().size(), 52u);
         }},
        // An overlay is taken whatever the type or size, with its name as the text.
        {"Counter", "* \"prov\"", "", 0, {}, [](A a) {
             EXPECT_TRUE(a.overlay() && a.value().text().utf8() == "prov" && a.value().unsignedValue() == 0u);
             EXPECT_FALSE(Pending(a));
         }},
        {"OctetString(1)", "* \"longname\"", "", 0, {},
         [](A a) { EXPECT_TRUE(a.overlay() && a.value().text().utf8() == "longname"); }},
        // Enumerations: by literal (the token is kept), by number, or a number no element has.
        {"\"e\"", "\"two\"", kNamedEnum, 0, {}, [](A a) {
             EXPECT_EQ(a.value().element().value(), 2);
             EXPECT_TRUE(a.value().text().utf8() == "two" && Pending(a));
         }},
        {"\"e\"", "2", kNamedEnum, 0, {}, [](A a) {
             EXPECT_EQ(a.value().element().text().utf8() + "/" + a.value().text().utf8(), "two/2");
         }},
        {"\"e\"", "3", kNamedEnum, 0, {},
         [](A a) { EXPECT_TRUE(!a.value().element() && a.value().text().utf8() == "3"); }},
        {"\"e\"", "\"Two\"", kNamedEnum, 1056, {"DMI0248  (File: 0 (5): 0: <End Attribute>) Value not in range."},
         [](A a) { EXPECT_FALSE(a.value().element()); }},
        {kOwnEnum, "\"one\"", "", 0, {}, [](A a) {
             EXPECT_TRUE(a.value().element() &&
                         a.value().element().record() == a.enumeration().elements().front().record());
         }},
        {kOwnEnum, "\"three\"", "", 1054, {"DMI0248  (File: 0 (5): 0: <End Attribute>) Value not in range."},
         [](A a) { EXPECT_FALSE(a.value().element()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " = " + c.value);
        const Database db =
            Database::FromBuffer(test::Fill(kAttributeMif, {{"BEFORE", c.before}, {"TYPE", c.type}, {"VALUE", c.value}}));
        EXPECT_EQ(db.status(), c.status);
        EXPECT_EQ(test::Lines(db), c.lines);
        AttributeView a = db.component().groups().front().attributes().front();
        ASSERT_TRUE(a);
        c.check(a);
    }
}

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
