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
    EXPECT_NE(a.pendingValue, nullptr);
    EXPECT_EQ(a.value.text, nullptr);
    EXPECT_EQ(a.value.unsignedValue, 0u);
    EXPECT_EQ(Wide(a.value.wideValue), 0u);
}

struct Case {
    const char *type;
    const char *value;
    std::string before;
    int status;
    std::string diagnostics;
    std::function<void(const Attribute &)> check;
};

TEST(AttributeValue, ConvertsOrRefusesByType) {
    const Case cases[] = {
        {"Counter", "5", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.value.unsignedValue, 5u);
             EXPECT_EQ(a.pendingValue, nullptr);
         }},
        // A sign makes the token signed, which a counter refuses.
        {"Counter", "-5", "", 1049,
         "DMI0119  (File: 0 (11): 0: <-5>" + k119 + "DMI0245  (File 0, Line 11, ID <0>, Token <-5>" + k245,
         Unconverted},
        {"Counter", "+5", "", 1049,
         "DMI0119  (File: 0 (11): 0: <+5>" + k119 + "DMI0245  (File 0, Line 11, ID <0>, Token <+5>" + k245,
         Unconverted},
        {"Gauge", "4294967295", "", 0, "",
         [](const Attribute &a) { EXPECT_EQ(a.value.unsignedValue, 0xFFFFFFFFu); }},
        {"Counter", "4294967296", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.value.unsignedValue, 0u);
             EXPECT_EQ(a.pendingValue, nullptr);
         }},
        {"Counter64", "18446744073709551615", "", 0, "",
         [](const Attribute &a) { EXPECT_EQ(Wide(a.value.wideValue), ~uint64_t{0}); }},
        {"Counter64", "-1", "", 1053,
         "DMI0119  (File: 0 (11): 0: <-1>" + k119 + "DMI0245  (File 0, Line 11, ID <0>, Token <-1>" + k245,
         Unconverted},
        {"Integer", "-5", "", 0, "", [](const Attribute &a) { EXPECT_EQ(a.value.signedValue, -5); }},
        {"Int", "0x10", "", 0, "", [](const Attribute &a) { EXPECT_EQ(a.value.signedValue, 16); }},
        // A literal's statement is reduced with the next token in hand.
        {"Integer", "\"5\"", "", 1052, "DMI0119  (File: 0 (12): 0: <End Attribute>" + k119, Unconverted},
        {"Integer64", "-1", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.value.wideValue.low, 0xFFFFFFFFu);
             EXPECT_EQ(a.value.wideValue.high, 0xFFFFFFFFu);
         }},
        // Blanks between the sign and the digits are skipped.
        {"Integer64", "- 5", "", 0, "",
         [](const Attribute &a) { EXPECT_EQ(Wide(a.value.wideValue), uint64_t(-5)); }},
        {"Integer64", "\"x\"", "", 1053, "DMI0119  (File: 0 (12): 0: <End Attribute>" + k119, Unconverted},
        {"DisplayString(3)", "\"abc\"", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(Ascii(a.value.text), "abc");
             EXPECT_EQ(a.value.text->length, 8u);
             EXPECT_EQ(a.pendingValue, nullptr);
         }},
        {"String(3)", "\"abcd\"", "", 1050, "DMI0129  (File: 0 (12): 0: <End Attribute>" + k129, Unconverted},
        // Short enough for the size test, then refused for its kind.
        {"DisplayString(3)", "5", "", 1051, "DMI0119  (File: 0 (11): 0: <5>" + k119, Unconverted},
        {"OctetString(3)", "\"abc\"", "", 0, "", [](const Attribute &a) {
             ASSERT_NE(a.value.text, nullptr);
             EXPECT_EQ(a.value.text->length, 6u);
             EXPECT_EQ(std::string(a.value.text->Chars(), 6), std::string("\0a\0b\0c", 6));
         }},
        {"OctetString(3)", "\"abcd\"", "", 1050, "DMI0129  (File: 0 (12): 0: <End Attribute>" + k129,
         [](const Attribute &a) { EXPECT_EQ(a.pendingValue->text->length, 8u); }},
        // The size test comes first: a long number is refused for its size,
        // and its count stays lowered.
        {"OctetString(2)", "1234567", "", 1050, "DMI0129  (File: 0 (11): 0: <1234567>" + k129,
         [](const Attribute &a) {
             Unconverted(a);
             EXPECT_EQ(a.pendingValue->text->length, 6u);
         }},
        {"Date", "\"20240102030405.000000+000\"", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(Ascii(a.value.text), "20240102030405.000000+000");
             EXPECT_EQ(a.value.text->length, 52u);
         }},
        {"Date", "7", "", 1051, "DMI0119  (File: 0 (11): 0: <7>" + k119, Unconverted},
        // An overlay is taken whatever the type, with its name as the text.
        {"Counter", "* \"prov\"", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.overlay, 1u);
             EXPECT_EQ(Ascii(a.value.text), "prov");
             EXPECT_EQ(a.value.unsignedValue, 0u);
             EXPECT_EQ(a.pendingValue, nullptr);
         }},
        {"OctetString(1)", "* \"longname\"", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.overlay, 1u);
             EXPECT_EQ(Ascii(a.value.text), "longname");
         }},
        {"\"e\"", "* \"prov\"", kNamedEnum, 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.overlay, 1u);
             EXPECT_EQ(a.value.element, nullptr);
             EXPECT_EQ(Ascii(a.value.text), "prov");
         }},
        // Enumerations: by literal, by number, or a number no element has.
        {"\"e\"", "\"two\"", kNamedEnum, 0, "", [](const Attribute &a) {
             ASSERT_NE(a.value.element, nullptr);
             EXPECT_EQ(a.value.element->value, 2);
             EXPECT_EQ(Ascii(a.value.text), "two");
             EXPECT_NE(a.pendingValue, nullptr);  // kept for enumerations
         }},
        {"\"e\"", "2", kNamedEnum, 0, "", [](const Attribute &a) {
             ASSERT_NE(a.value.element, nullptr);
             EXPECT_EQ(Ascii(a.value.element->text), "two");
             EXPECT_EQ(Narrow(a.value.text), "2");
         }},
        {"\"e\"", "3", kNamedEnum, 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.value.element, nullptr);
             EXPECT_EQ(Narrow(a.value.text), "3");
         }},
        {"\"e\"", "\"Two\"", kNamedEnum, 1056,
         "DMI0248  (File: 0 (17): 0: <End Attribute>) Value not in range.\n",
         [](const Attribute &a) { EXPECT_EQ(a.value.element, nullptr); }},
        {kOwnEnum.c_str(), "\"one\"", "", 0, "", [](const Attribute &a) {
             ASSERT_NE(a.value.element, nullptr);
             EXPECT_EQ(a.value.element->value, 1);
             EXPECT_EQ(a.value.element, a.ownEnumeration->elements);
         }},
        {kOwnEnum.c_str(), "-1", "", 0, "", [](const Attribute &a) {
             EXPECT_EQ(a.value.element, nullptr);
             EXPECT_EQ(Narrow(a.value.text), "-1");
         }},
        {kOwnEnum.c_str(), "\"three\"", "", 1054,
         "DMI0248  (File: 0 (15): 0: <End Attribute>) Value not in range.\n",
         [](const Attribute &a) { EXPECT_EQ(a.value.element, nullptr); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " = " + c.value);
        test::ParsedText parsed = test::ParseText(AttributeMif(c.type, c.value, c.before));
        EXPECT_EQ(parsed.status, c.status);
        EXPECT_EQ(parsed.diagnostics, c.diagnostics);
        const Component *component = parsed.state().componentList;
        ASSERT_NE(component, nullptr);
        ASSERT_NE(component->groups, nullptr);
        ASSERT_NE(component->groups->attributes, nullptr);
        c.check(*component->groups->attributes);
    }
}

}  // namespace
}  // namespace mifkit
