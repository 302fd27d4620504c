// Values: which token kinds each attribute type accepts, what it stores, and
// the lines a refused value prints; number tokens to 32- and 64-bit values
// (base prefixes, signs, wrapping and the digit rules for characters that are
// not digits of the base); and tables: how the entries of a row fill the
// template's columns, the defaults of empty columns, and the conversion of
// every cell when the component ends.
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

// Two templates: "tpl", integers written in the order of IDs 3, 1, 2; "str",
// a string "s1", an integer and a string without values, and an enumeration.
// HEADER and ROWS are filled in: the table's header on line 13, its rows on
// 14, End Component on 16.
const char kTableMif[] = R"(Start Component Name = "c"
Start Group Name = "t" Class = "tpl" Key = 1
Start Attribute Name = "c" ID = 3 Type = Integer Value = 3 End Attribute
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
Start Attribute Name = "b" ID = 2 Type = Integer Value = 2 End Attribute
End Group
Start Group Name = "s" Class = "str" Key = 1
Start Attribute Name = "x" ID = 1 Type = DisplayString(4) Value = "s1" End Attribute
Start Attribute Name = "n" ID = 2 Type = Integer End Attribute
Start Attribute Name = "y" ID = 3 Type = String(4) End Attribute
Start Attribute Name = "e" ID = 4 Type = Start Enum 1 = "one" End Enum Value = 1 End Attribute
End Group
Start Table HEADER
ROWS
End Table
End Component
)";
Database TableDb(const std::string &header, const std::string &rows) {
    return Database::FromBuffer(test::Fill(kTableMif, {{"HEADER", header}, {"ROWS", rows}}));
}

// A cell as a short text: "?" and the entry for one not converted, "*" for
// an overlay, then the value by type ("e1" for element 1, "e-" for none).
std::string Cell(CellView c) {
    if (const TableCell &cell = *c.record(); cell.entryPending)
        return "?" + (cell.entryKind == kLiteralValue ? test::Ascii(cell.entryText) : cell.entryText->Chars());
    std::string out = c.overlay() ? "*" : "";
    switch (c.type()) {
    case kTypeInteger: return out + std::to_string(c.value().signedValue());
    case kTypeDisplayString: return out + (c.value().text().present() ? c.value().text().utf8() : "(null)");
    case kTypeOwnEnumeration: return out + (c.value().element() ? "e" + std::to_string(c.value().element().value()) : "e-");
    default: return out + "t" + std::to_string(c.type());
    }
}

// Rows and columns counts, then every row: "2x3 10,2,3 | 1,20,3".
std::string Render(TableView t) {
    std::string out = std::to_string(t.rowCount()) + "x" + std::to_string(t.columnCount());
    const char *rowSeparator = " ";
    for (RowView r : t.rows()) {
        out += rowSeparator;
        rowSeparator = " | ";
        uint32_t expected = 0;  // a cell off the next column shows "@column"
        for (CellView c : r.cells()) {
            out += (c.record() == r.cells().front().record() ? "" : ",") + Cell(c) +
                   (c.column() == expected ? "" : "@" + std::to_string(c.column()));
            expected = c.column() + 1;
        }
    }
    return out;
}

const std::string k173 = ") Expecting a ',' or '}' after a table data entry.";
const std::string k171 = "DMI0171  (File: 0 (14): 0: <}>) Expecting the class name of a template.";

struct RowCase { const char *header, *rows; int status; std::vector<std::string> lines; const char *table; };

TEST(TableRows, EntriesFillTemplateColumns) {
    const RowCase cases[] = {
        // Column 0 belongs to ID 1 although ID 3 was written first.
        {"Class = \"tpl\"", "{10}{,20}{10,,30}{10,}", 0, {}, "4x3 10,2,3 | 1,20,3 | 10,2,30 | 10,2,3"},
        // An overlay in a number column converts its name's text: 0.
        {"Class = \"tpl\"", "{*\"ov\", * \"p\" \"q\"}", 0, {}, "1x3 *0,*0,3"},
        {"Class = \"str\"", "{\"ab\" \"c\", 5, \"\", \"one\"}{*\"o\" \"v\"}", 0, {}, "2x4 abc,5,,e1 | *ov,0,(null),e1"},
        {"Class = \"str\"", "{,,,1}{,,,9}{,,,*\"v\"}", 0, {}, "3x4 s1,0,(null),e1 | s1,0,(null),e- | s1,0,(null),*e-"},
        // A second entry in a column: the cell stays, with the same column.
        {"Class = \"tpl\"", "{10 20}", 1044, {"DMI0173  (File: 0 (14): 0: <20>" + k173}, "1x3 10,20@0,1@0,2,3"},
        // Reported with the overlay's literal just read: its line counts one
        // short, and its text is the literal's form in the working copy.
        {"Class = \"str\"", "{\"a\" * \"b\"}", 1074,
         {"DMI0173  (File: 0 (13): 0: <\"" + test::ZM + "b" + test::EM + ">" + k173}, "1x4 a,0,(null),e1"},
        // Extra columns pass the rows and are refused when the component ends.
        {"Class = \"tpl\"", "{10, 20, 30, 40}", 1046,
         {"DMI0172  (File: 0 (16): 0: <End Component>) The number of values exceeds the number of attributes."},
         "1x3 10,20,30,?40"},
        // Cell messages carry End Component's line; the walk stops at the
        // first refused cell and leaves later entries unconverted.
        {"Class = \"str\"", "{\"x\"}{5}{\"y\"}", 1047,
         {"DMI0157  (File: 0 (16): 0: <End Component>) Illegal value in table body."},
         "3x4 x,0,(null),e1 | ?5,0,(null),e1 | ?y,0,(null),e1"},
        {"Class = \"str\"", "{\"abcde\", \"n\"}", 1047,
         {"DMI0166  (File: 0 (16): 0: <End Component>) Table string value exceeds size specified in attribute."},
         "1x4 ?abcde,?n,(null),e1"},
        // No line applies to 238, and the UTF-16 entry prints as its bytes.
        {"Class = \"str\"", "{,,,\"two\"}", 1047,
         {"DMI0238  (File 0, ID 0, 0,  <>) Cannot locate enumeration element by value."}, "1x4 s1,0,(null),?two"},
        // Without a template every row is refused and stays open, so later
        // rows continue it; nothing is converted and no column is counted.
        {"Name = \"tb\"", "{10,,20}{30}{\"a\"}", 1048,
         {k171, "DMI0173  (File: 0 (14): 0: <30>" + k173, k171, k171}, "1x0 ?10,t0,?20,?30@2"},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(std::string(c.header) + " " + c.rows);
        const Database db = TableDb(c.header, c.rows);
        EXPECT_EQ(db.status(), c.status);
        EXPECT_EQ(test::Lines(db), c.lines);
        ASSERT_TRUE(db.component().tables().front());
        EXPECT_EQ(Render(db.component().tables().front()), c.table);
    }
}

TEST(TableRows, TenThousandRowsConvert) {
    std::string rows, expected = "10000x3";
    for (int i = 0; i < 10000; ++i) {
        rows += "{" + std::to_string(i) + (i % 2 ? ",,-5}\n" : "}\n");
        expected += (i ? " | " : " ") + std::to_string(i) + (i % 2 ? ",2,-5" : ",2,3");
    }
    const Database db = TableDb("Class = \"tpl\"", rows);
    ASSERT_TRUE(db.ok()) << db.status();
    EXPECT_EQ(Render(db.component().tables().front()), expected);
}

}  // namespace
}  // namespace mifkit
