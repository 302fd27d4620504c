// Attribute values: which token kinds each type accepts, what it stores, and
// the lines a refused value prints.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
using test::Wide;

// One attribute in a one-group component; `before` goes ahead of the group
// (a component-level enumeration). Without `before` the Value statement is on
// line 11 and End Attribute on line 12.
std::string AttributeMif(const std::string &type, const std::string &value,
                         const std::string &before) {
    return "Start Component\nName = \"c\"\n" + before +
           "Start Group\nName = \"g\"\nClass = \"k\"\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\n"
           "Type = " + type + "\nValue = " + value + "\nEnd Attribute\nEnd Group\nEnd Component\n";
}

const std::string kNamedEnum =  // five lines: Value on 16
    "Start Enum\nName = \"e\"\n1 = \"one\"\n2 = \"two\"\nEnd Enum\n";
const std::string kOwnEnum =  // three more lines: Value on 14
    "Start Enum\n1 = \"one\"\n2 = \"two\"\nEnd Enum";

std::string Narrow(const CountedString *text) { return text == nullptr ? "(null)" : text->Chars(); }

const std::string k245 = ") Counter, Counter64, and Gauge numbers must be unsigned decimal.\n";
const std::string k119 = ") Illegal value encountered in attribute body.\n";
const std::string k129 = ") Attribute value has an illegal size.\n";

// The refused value keeps its token and stores nothing.
void Unconverted(const Attribute &a) {
    EXPECT_TRUE(a.pendingValue != nullptr && a.value.text == nullptr);
    EXPECT_TRUE(a.value.unsignedValue == 0u && Wide(a.value.wideValue) == 0u);
}

struct Case { const char *type, *value; std::string before; int status; std::string diagnostics;
              std::function<void(const Attribute &)> check; };

using A = const Attribute &;
TEST(AttributeValue, ConvertsOrRefusesByType) {
    const Case cases[] = {
        // A sign makes the token signed, which a counter refuses.
        {"Counter", "+5", "", 1049,
         "DMI0119  (File: 0 (11): 0: <+5>" + k119 + "DMI0245  (File 0, Line 11, ID <0>, Token <+5>" + k245,
         Unconverted},
        {"Gauge", "4294967295", "", 0, "", [](A a) { EXPECT_EQ(a.value.unsignedValue, 0xFFFFFFFFu); }},
        {"Counter", "4294967296", "", 0, "",
         [](A a) { EXPECT_TRUE(a.value.unsignedValue == 0u && a.pendingValue == nullptr); }},
        {"Counter64", "18446744073709551615", "", 0, "", [](A a) { EXPECT_EQ(Wide(a.value.wideValue), ~uint64_t{0}); }},
        {"Counter64", "-1", "", 1053,
         "DMI0119  (File: 0 (11): 0: <-1>" + k119 + "DMI0245  (File 0, Line 11, ID <0>, Token <-1>" + k245,
         Unconverted},
        {"Int", "0x10", "", 0, "", [](A a) { EXPECT_EQ(a.value.signedValue, 16); }},
        // A literal's statement is reduced with the next token in hand.
        {"Integer", "\"5\"", "", 1052, "DMI0119  (File: 0 (12): 0: <End Attribute>" + k119, Unconverted},
        // Blanks between the sign and the digits are skipped.
        {"Integer64", "- 5", "", 0, "", [](A a) { EXPECT_EQ(Wide(a.value.wideValue), uint64_t(-5)); }},
        {"DisplayString(3)", "\"abc\"", "", 0, "", [](A a) {
             EXPECT_TRUE(Ascii(a.value.text) == "abc" && a.value.text->length == 8u && a.pendingValue == nullptr);
         }},
        {"String(3)", "\"abcd\"", "", 1050, "DMI0129  (File: 0 (12): 0: <End Attribute>" + k129, Unconverted},
        // Short enough for the size test, then refused for its kind.
        {"DisplayString(3)", "5", "", 1051, "DMI0119  (File: 0 (11): 0: <5>" + k119, Unconverted},
        {"OctetString(3)", "\"abc\"", "", 0, "", [](A a) {
             ASSERT_NE(a.value.text, nullptr);
             EXPECT_EQ(std::string(a.value.text->Chars(), a.value.text->length), std::string("\0a\0b\0c", 6));
         }},
        // The size test comes first: a long number is refused for its size, and its count stays lowered.
        {"OctetString(2)", "1234567", "", 1050, "DMI0129  (File: 0 (11): 0: <1234567>" + k129,
         [](A a) { Unconverted(a); EXPECT_EQ(a.pendingValue->text->length, 6u); }},
        {"Date", "\"20240102030405.000000+000\"", "", 0, "", [](A a) {
             EXPECT_TRUE(Ascii(a.value.text) == "20240102030405.000000+000" && a.value.text->length == 52u);
         }},
        // An overlay is taken whatever the type or size, with its name as the text.
        {"Counter", "* \"prov\"", "", 0, "", [](A a) {
             EXPECT_TRUE(a.overlay == 1u && Ascii(a.value.text) == "prov" && a.value.unsignedValue == 0u);
             EXPECT_EQ(a.pendingValue, nullptr);
         }},
        {"OctetString(1)", "* \"longname\"", "", 0, "",
         [](A a) { EXPECT_TRUE(a.overlay == 1u && Ascii(a.value.text) == "longname"); }},
        // Enumerations: by literal (the token is kept), by number, or a number no element has.
        {"\"e\"", "\"two\"", kNamedEnum, 0, "", [](A a) {
             ASSERT_NE(a.value.element, nullptr);
             EXPECT_TRUE(a.value.element->value == 2 && Ascii(a.value.text) == "two" && a.pendingValue != nullptr);
         }},
        {"\"e\"", "2", kNamedEnum, 0, "", [](A a) {
             ASSERT_NE(a.value.element, nullptr);
             EXPECT_TRUE(Ascii(a.value.element->text) == "two" && Narrow(a.value.text) == "2");
         }},
        {"\"e\"", "3", kNamedEnum, 0, "",
         [](A a) { EXPECT_TRUE(a.value.element == nullptr && Narrow(a.value.text) == "3"); }},
        {"\"e\"", "\"Two\"", kNamedEnum, 1056, "DMI0248  (File: 0 (17): 0: <End Attribute>) Value not in range.\n",
         [](A a) { EXPECT_EQ(a.value.element, nullptr); }},
        {kOwnEnum.c_str(), "\"one\"", "", 0, "",
         [](A a) { EXPECT_TRUE(a.value.element != nullptr && a.value.element == a.ownEnumeration->elements); }},
        {kOwnEnum.c_str(), "\"three\"", "", 1054, "DMI0248  (File: 0 (15): 0: <End Attribute>) Value not in range.\n",
         [](A a) { EXPECT_EQ(a.value.element, nullptr); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " = " + c.value);
        test::ParsedText parsed = test::ParseText(AttributeMif(c.type, c.value, c.before));
        EXPECT_EQ(parsed.status, c.status);
        EXPECT_EQ(parsed.diagnostics, c.diagnostics);
        const Component *component = parsed.state().componentList;
        ASSERT_TRUE(component != nullptr && component->groups != nullptr && component->groups->attributes != nullptr);
        c.check(*component->groups->attributes);
    }
}

}  // namespace
}  // namespace mifkit
