// Tables: how the entries of a row fill the template's columns, the defaults
// of empty columns, and the conversion of every cell when the component ends.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;

std::string Attr(const char *name, int id, const std::string &typeAndValue) {
    return "Start Attribute\nName = \"" + std::string(name) + "\"\nID = " + std::to_string(id) +
           "\nType = " + typeAndValue + "\nEnd Attribute\n";
}

// Two templates. "tpl": integers with IDs 3, 1, 2 written in that order and
// values 3, 1, 2. "str": a string "s1", an integer and a string without
// values, and an enumeration of one element, 1 = "one". The table's header
// is on line 56, its rows on 57, End Component on 59.
std::string TableMif(const std::string &header, const std::string &rows) {
    return "Start Component\nName = \"c\"\nStart Group\nName = \"t\"\nClass = \"tpl\"\nKey = 1\n" +
           Attr("c", 3, "Integer\nValue = 3") + Attr("a", 1, "Integer\nValue = 1") +
           Attr("b", 2, "Integer\nValue = 2") +
           "End Group\nStart Group\nName = \"s\"\nClass = \"str\"\nKey = 1\n" +
           Attr("x", 1, "DisplayString(4)\nValue = \"s1\"") + Attr("n", 2, "Integer") +
           Attr("y", 3, "String(4)") + Attr("e", 4, "Start Enum\n1 = \"one\"\nEnd Enum\nValue = 1") +
           "End Group\nStart Table\n" + header + "\n" + rows + "\nEnd Table\nEnd Component\n";
}

// A cell as a short text: "?" and the entry for one not converted, "*" for
// an overlay, then the value by type ("e1" for element 1, "e-" for none).
std::string Cell(const TableCell &c) {
    if (c.entry != nullptr)
        return "?" + (c.entry->kind == kLiteralValue ? Ascii(c.entry->text) : c.entry->text->Chars());
    std::string out = c.overlay ? "*" : "";
    switch (c.type) {
    case kTypeInteger: return out + std::to_string(c.value.signedValue);
    case kTypeDisplayString: return out + Ascii(c.value.text);
    case kTypeOwnEnumeration: return out + (c.value.element ? "e" + std::to_string(c.value.element->value) : "e-");
    default: return out + "t" + std::to_string(c.type);
    }
}

// Rows and columns counts, then every row: "2x3 10,2,3 | 1,20,3".
std::string Render(const Table &t) {
    std::string out = std::to_string(t.rowCount) + "x" + std::to_string(t.columnCount);
    for (const TableRow *r = t.rows; r != nullptr; r = r->next) {
        out += r == t.rows ? " " : " | ";
        uint32_t expected = 0;  // a cell off the next column shows "@column"
        for (const TableCell *c = r->cells; c != nullptr; expected = c->column + 1, c = c->next)
            out += (c == r->cells ? "" : ",") + Cell(*c) +
                   (c->column == expected ? "" : "@" + std::to_string(c->column));
    }
    return out;
}

const std::string k173 = ") Expecting a ',' or '}' after a table data entry.\n";

struct Case { const char *header, *rows; int status; std::string diagnostics; const char *table; };

TEST(TableRows, EntriesFillTemplateColumns) {
    const Case cases[] = {
        // Column 0 belongs to ID 1 although ID 3 was written first.
        {"Class = \"tpl\"", "{10}{,20}{10,,30}{10,}", 0, "", "4x3 10,2,3 | 1,20,3 | 10,2,30 | 10,2,3"},
        // An overlay in a number column converts its name's text: 0.
        {"Class = \"tpl\"", "{*\"ov\", * \"p\" \"q\"}", 0, "", "1x3 *0,*0,3"},
        {"Class = \"str\"", "{\"ab\" \"c\", 5, \"\", \"one\"}{*\"o\" \"v\"}", 0, "",
         "2x4 abc,5,,e1 | *ov,0,(null),e1"},
        {"Class = \"str\"", "{,,,1}{,,,9}{,,,*\"v\"}", 0, "",
         "3x4 s1,0,(null),e1 | s1,0,(null),e- | s1,0,(null),*e-"},
        // A second entry in a column: the cell stays, with the same column.
        {"Class = \"tpl\"", "{10 20}", 1044, "DMI0173  (File: 0 (57): 0: <20>" + k173, "1x3 10,20@0,1@0,2,3"},
        // Reported with the overlay's literal just read: its line counts one
        // short, and its text is the literal's form in the working copy.
        {"Class = \"str\"", "{\"a\" * \"b\"}", 1074,
         "DMI0173  (File: 0 (56): 0: <\"" + test::ZM + "b" + test::EM + ">" + k173, "1x4 a,0,(null),e1"},
        // Extra columns pass the rows and are refused when the component ends.
        {"Class = \"tpl\"", "{10, 20, 30, 40}", 1046,
         "DMI0172  (File: 0 (59): 0: <End Component>) The number of values exceeds the number of attributes.\n",
         "1x3 10,20,30,?40"},
        // Cell messages carry End Component's line; the walk stops at the
        // first refused cell and leaves later entries unconverted.
        {"Class = \"str\"", "{\"x\"}{5}{\"y\"}", 1047,
         "DMI0157  (File: 0 (59): 0: <End Component>) Illegal value in table body.\n",
         "3x4 x,0,(null),e1 | ?5,0,(null),e1 | ?y,0,(null),e1"},
        {"Class = \"str\"", "{\"abcde\", \"n\"}", 1047,
         "DMI0166  (File: 0 (59): 0: <End Component>) Table string value exceeds size specified in "
         "attribute.\n",
         "1x4 ?abcde,?n,(null),e1"},
        // No line applies to 238, and the UTF-16 entry prints as its bytes.
        {"Class = \"str\"", "{,,,\"two\"}", 1047,
         "DMI0238  (File 0, ID 0, 0,  <>) Cannot locate enumeration element by value.\n",
         "1x4 s1,0,(null),?two"},
        // Without a template every row is refused and stays open, so later
        // rows continue it; nothing is converted and no column is counted.
        {"Name = \"tb\"", "{10,,20}{30}{\"a\"}", 1048,
         "DMI0171  (File: 0 (57): 0: <}>) Expecting the class name of a template.\n"
         "DMI0173  (File: 0 (57): 0: <30>" + k173 +
         "DMI0171  (File: 0 (57): 0: <}>) Expecting the class name of a template.\n"
         "DMI0171  (File: 0 (57): 0: <}>) Expecting the class name of a template.\n",
         "1x0 ?10,t0,?20,?30@2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.header) + " " + c.rows);
        test::ParsedText parsed = test::ParseText(TableMif(c.header, c.rows));
        EXPECT_EQ(parsed.status, c.status);
        EXPECT_EQ(parsed.diagnostics, c.diagnostics);
        const Component *component = parsed.state().componentList;
        ASSERT_TRUE(component != nullptr && component->tables != nullptr);
        EXPECT_EQ(Render(*component->tables), c.table);
    }
}

// A defaulted string column holds its own copy of the template's text.
TEST(TableRows, DefaultedStringIsACopy) {
    test::ParsedText parsed = test::ParseText(TableMif("Class = \"str\"", "{,}{,}"));
    ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
    const Component &component = *parsed.state().componentList;
    const CountedString *original = component.groups->next->attributes->value.text;
    const TableRow *first = component.tables->rows;
    for (const TableCell *cell : {first->cells, first->next->cells}) {
        ASSERT_NE(cell->value.text, nullptr);
        EXPECT_NE(cell->value.text, original);
        EXPECT_EQ(cell->value.text->length, original->length);
        EXPECT_EQ(Ascii(cell->value.text), "s1");
    }
    EXPECT_NE(first->cells->value.text, first->next->cells->value.text);
}

TEST(TableRows, TenThousandRowsConvert) {
    std::string rows;
    for (int i = 0; i < 10000; ++i) rows += "{" + std::to_string(i) + (i % 2 ? ",,-5}\n" : "}\n");
    test::ParsedText parsed = test::ParseText(TableMif("Class = \"tpl\"", rows));
    ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
    const Table &table = *parsed.state().componentList->tables;
    EXPECT_EQ(table.rowCount, 10000u);
    EXPECT_EQ(table.columnCount, 3u);
    int index = 0;
    for (const TableRow *r = table.rows; r != nullptr; r = r->next, ++index) {
        if (index != 0 && index != 4999 && index != 9998 && index != 9999) continue;
        std::string cells;
        for (const TableCell *c = r->cells; c != nullptr; c = c->next) cells += Cell(*c) + ",";
        EXPECT_EQ(cells, std::to_string(index) + (index % 2 ? ",2,-5," : ",2,3,")) << index;
    }
    EXPECT_EQ(index, 10000);
}

}  // namespace
}  // namespace mifkit
