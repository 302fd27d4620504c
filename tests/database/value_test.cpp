// Attribute values: which token kinds each type accepts, what it stores, and
// the lines a refused value prints.
#include <functional>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace mifkit
