// Hints for the mistakes real MIF files make: the library's line stays as it
// was, the hint follows it, and the repair gives a file that parses.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "hints/repair.h"
#include "mifkit/parser.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// A component with one group; each case puts one mistake into it.
std::string Mif(const std::string &header, const std::string &groupHead, const std::string &attributeId) {
    return "Start Component\nName = \"c\"\n" + header + "Start Group\n" + groupHead +
           "ID = 1\nStart Attribute\nName = \"a\"\n" + attributeId +
           "\nType = Integer\nValue = 5\nEnd Attribute\nEnd Group\nEnd Component\n";
}

const std::string kGroupHead = "Name = \"g\"\nClass = \"k\"\n";
const std::string kGood = Mif("", kGroupHead, "ID = 1");

std::string Utf16Little(const std::string &ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

struct Case {
    const char *mistake;
    std::string source;
    std::string printed;  // the library's line, as it was before hints
    std::string hint;
    bool repairable;
};

const std::string kQuotesHint =
    "\xE2\x80\x9C and \xE2\x80\x9D are typographic quotes; write straight double quotes (\")";

const Case kCases[] = {
    {"plural keyword", Mif("Start Paths\nName = \"p\"\nDOS = \"x.exe\"\nEnd Path\n", kGroupHead, "ID = 1"),
     "DMI0225  (File: 0 (3): 0: <s>) Syntax Error.\n", R"(write "Start Path"; this keyword has no plural)", true},
    {"plural end keyword", Mif("Start Path\nName = \"p\"\nDOS = \"x.exe\"\nEnd Paths\n", kGroupHead, "ID = 1"),
     "DMI0225  (File: 0 (6): 0: <s>) Syntax Error.\n", R"(write "End Path"; this keyword has no plural)", true},
    {"spelled-out keyword", Mif("START ENUMERATION\nName = \"e\"\nType = Integer\n1 = \"one\"\nEnd Enumeration\n",
                                kGroupHead, "ID = 1"),
     "DMI0225  (File: 0 (3): 0: <E>) Syntax Error.\n", R"(write "Start Enum"; the keyword is short for Enumeration)", true},
    {"unquoted class", Mif("", "Name = \"g\"\nClass = VENDOR|GROUP|1.0\n", "ID = 1"),
     "DMI0225  (File: 0 (5): 0: <V>) Syntax Error.\n",
     R"(a class string is a literal: write Class = "VENDOR|GROUP|1.0")", true},
    {"attribute ID 0", Mif("", kGroupHead, "ID = 0"),
     "DMI0242  (File 0, Line 9, ID <0>, Token <0>) Illegal value of zero for ID.\n",
     R"(IDs count from 1: the first attribute is "ID = 1")", false},
    {"UTF-16 little-endian", Utf16Little(kGood),
     "DMI0228  (File 0,  0, 0, Filename <(buffer)>) Byte swapped Unicode file.\n",
     "the file is UTF-16 little-endian; MIF takes UTF-16 big-endian with its byte-order mark "
     "(mifkit fix converts it)", true},
    {"UTF-8 mark", "\xEF\xBB\xBF" + kGood, "DMI0225  (File: 0 (1): 0: <\xEF>) Syntax Error.\n",
     "the file starts with a UTF-8 byte-order mark, which MIF does not take; remove it", true},
    {"UTF-8 mark, accented literal", "\xEF\xBB\xBF" + Mif("", "Name = \"gr\xC3\xBC\xC3\x9F\"\nClass = \"k\"\n", "ID = 1"),
     "DMI0225  (File: 0 (1): 0: <\xEF>) Syntax Error.\n",
     "the file is UTF-8 with a byte-order mark; MIF takes text beyond ASCII as UTF-16 big-endian with its "
     "byte-order mark", true},
    {"UTF-8 letter outside a literal", Mif("", kGroupHead, "ID = 1 \xC3\xA9"),
     "DMI0225  (File: 0 (9): 0: <\xC3>) Syntax Error.\n",
     "\"\xC3\xA9\" is UTF-8 text outside a literal, where MIF takes ASCII only; write it inside a quoted literal", false},
    {"typographic quotes, UTF-8", Mif("", "Name = \xE2\x80\x9Cg\xE2\x80\x9D\nClass = \"k\"\n", "ID = 1"),
     "DMI0225  (File: 0 (4): 0: <\xE2>) Syntax Error.\n",
     kQuotesHint, true},
    {"typographic quotes, code page", Mif("", "Name = \x93g\x94\nClass = \x93k\x94\n", "ID = 1"),
     "DMI0225  (File: 0 (4): 0: <\x93>) Syntax Error.\n",
     kQuotesHint, true},
    // Outside a literal a UTF-16 character is cut to its low byte: U+201C shows as 0x1C.
    {"typographic quotes, UTF-16",
     "\xFE\xFF" + test::Utf16("Start Component\nName = \"c\"\nStart Group\nName = ") + "\x20\x1C" +
         test::Utf16("g") + "\x20\x1D" + test::Utf16("\nClass = \"k\"\nID = 1\nStart Attribute\nName = \"a\"\n"
                                                  "ID = 1\nType = Integer\nValue = 5\nEnd Attribute\nEnd Group\n"
                                                  "End Component\n"),
     "DMI0225  (File: 0 (4): 0: <\x1C>) Syntax Error.\n",
     kQuotesHint, true},
    {"literal open at the line end", Mif("", "Name = \"g\nClass = \"k\"\n", "ID = 1"),
     "DMI0225  (File: 0 (4): 0: <\">) Syntax Error.\n",
     "a literal opened on this line is not closed on it; everything up to the next double quote was read as "
     "its text: close it with \" before the line ends", false},
};

// The repair, where there is one, gives a file that parses, and repairing
// that again changes nothing.
TEST(HintFinderTest, EachMistakeKeepsItsLineAndGetsItsHint) {
    for (const Case &c : kCases) {
        Database db = Database::FromBuffer(c.source);
        ASSERT_FALSE(db.diagnostics().empty()) << c.mistake;
        const Diagnostic &d = db.diagnostics().front();
        EXPECT_EQ(d.text, c.printed) << c.mistake;
        EXPECT_EQ(d.hint.value_or("(none)"), c.hint) << c.mistake;
        EXPECT_EQ(d.fix.has_value(), c.repairable) << c.mistake;
        if (!c.repairable) continue;
        hints::Repair repair = hints::RepairSource(c.source);
        EXPECT_FALSE(repair.changes.empty()) << c.mistake;
        Database fixed = Database::FromBuffer(repair.source);
        EXPECT_TRUE(fixed.ok()) << c.mistake << ": " << (fixed.ok() ? "" : fixed.diagnostics()[0].text);
        hints::Repair again = hints::RepairSource(repair.source);
        EXPECT_TRUE(again.changes.empty() && again.source == repair.source) << c.mistake;
    }
}

TEST(HintFinderTest, RepairsKeepTheWritersTextAndEncoding) {
    const std::string component = "Start Component\nName = \"c\"\n";
    const std::string group = component + "Start Group\n";
    // What comes before the mistake, the line with it, the line repaired.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {group + "Name = \"g\"\n", "Class = VENDOR|GROUP|1.0  // the vendor's\n",
         "Class = \"VENDOR|GROUP|1.0\"  // the vendor's\n"},
        {component, "start \t paths\n", "start \t path\n"},
        {group, "Name = \x93g\x94 Class = \x93k\x94\n", "Name = \"g\" Class = \x93k\x94\n"},
        {"", "\xEF\xBB\xBFName = \"\xC3\xA9\"\n",
         "\xFE\xFF" + test::Utf16("Name = \"") + std::string("\0\xE9", 2) + test::Utf16("\"\n")},
        {"", Utf16Little("Start Component\n"), "\xFE\xFF" + test::Utf16("Start Component\n")},
    };
    for (const auto &[before, mistake, repaired] : cases) {
        Database db = Database::FromBuffer(before + mistake);
        ASSERT_FALSE(db.diagnostics().empty()) << mistake;
        const Diagnostic &d = db.diagnostics().front();
        ASSERT_TRUE(d.fix.has_value()) << mistake;
        EXPECT_EQ(hints::ApplyFix(before + mistake, *d.fix), before + repaired) << mistake;
    }
}

TEST(HintFinderTest, TwoMistakesAreRepairedInTurn) {
    const std::string source = "\xEF\xBB\xBF" + Mif("Start Paths\nName = \"p\"\nDOS = \"x\"\nEnd Paths\n",
                                                  "Name = \"g\"\nClass = DMTF|Disk|001\n", "ID = 1");
    hints::Repair repair = hints::RepairSource(source);
    std::vector<std::string> descriptions;
    for (const auto &change : repair.changes) descriptions.push_back(change.description);
    EXPECT_EQ(descriptions, (std::vector<std::string>{"removed the UTF-8 byte-order mark", "\"Start Paths\" -> \"Start Path\"",
                                                      "\"End Paths\" -> \"End Path\"", "DMTF|Disk|001 -> \"DMTF|Disk|001\""}));
    EXPECT_EQ(repair.source, Mif("Start Path\nName = \"p\"\nDOS = \"x\"\nEnd Path\n",
                                 "Name = \"g\"\nClass = \"DMTF|Disk|001\"\n", "ID = 1"));
}

}  // namespace
}  // namespace mifkit
