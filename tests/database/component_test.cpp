// The language statement, the one component with its name, description and
// end checks, and its path definitions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
using test::ParseText;

std::string Form1(int number, int line, const std::string &token, const std::string &text) {
    return "DMI0" + std::to_string(number) + "  (File: 0 (" + std::to_string(line) + "): 0: <" + token + ">) " +
           text + "\n";
}

const std::string kHead = "Start Component\nName = \"c\"\n";  // lines 1-2
// Eleven lines; Key = 1 makes it a template for tables of class "k".
const std::string kGroup = "Start Group\nName = \"g\"\nClass = \"k\"\nKey = 1\nStart Attribute\nName = \"a\"\nID = 1\n"
                           "Type = Integer\nValue = 5\nEnd Attribute\nEnd Group\n";
const std::string kTail = kGroup + "End Component\n";

TEST(LanguageTest, StatementNeedsTwoBarsAndDefaultFillsIn) {
    const std::string bad = "DMI0246  (File 0, Line 2, ID <0>, Token <Start Component>) "
                            "Improperly formed language string.\n", dflt = "en|US|iso8859-1";
    struct Row { const char *literal; int status; std::string diagnostics, language; };  // null: none
    for (const Row &row : std::vector<Row>{{nullptr, 0, "", dflt}, {"||", 0, "", "||"}, {"en|US", 1080, bad, dflt},
                                           {"", 1080, bad, dflt}}) {
        std::string source = row.literal ? "Language = \"" + std::string(row.literal) + "\"\n" : "\n";
        auto parsed = ParseText(source + kHead + kTail);
        SCOPED_TRACE(source);
        EXPECT_EQ(parsed.status, row.status);
        EXPECT_EQ(parsed.diagnostics, row.diagnostics);
        EXPECT_EQ(Ascii(parsed.state().language), row.language);
    }
    // A top-level group before the component also begins the file's language.
    EXPECT_EQ(ParseText(kGroup + kHead + kTail).state().language->length, 32u);
}

TEST(ComponentTest, DescriptionsGoToTheInnermostRecordOnce) {
    auto parsed = ParseText(kHead + "Description = \"first\"\nDescription = \"second\"\nStart Group\nName = \"g\"\n"
                            "Class = \"k\"\nID = 1\nDescription = \"gd\"\nStart Attribute\nName = \"a\"\nID = 1\n"
                            "Description = \"ad\"\nEnd Attribute\nEnd Group\nEnd Component\n");
    EXPECT_EQ(parsed.status, 1023);
    EXPECT_EQ(parsed.diagnostics, Form1(156, 5, "Start Group", "Duplicate statement encountered in component body."));
    const Component *c = parsed.state().componentList;
    EXPECT_EQ(Ascii(c->description) + Ascii(c->groups->description) + Ascii(c->groups->attributes->description),
              "firstgdad");
}

TEST(ComponentTest, EndNeedsAGroupOfItsOwnAndAName) {
    // Neither top-level groups nor tables count; the parse ends at the check.
    auto parsed = ParseText(kGroup + kHead + "Start Table\nName = \"t\"\nClass = \"k\"\nID = 2\n{7}\nEnd Table\n"
                            "End Component\n@");
    EXPECT_EQ(parsed.status, 1002);
    EXPECT_EQ(parsed.diagnostics, Form1(229, 20, "End Component", "Expecting a group definition in component."));
    // The name's literal lost to an exhausted pool leaves a nameless component;
    // status 1 means the literal token itself was lost and the grammar gave up.
    bool lostName = false;
    for (uint64_t n = 1; n < 20 && !lostName; ++n) {
        auto faulted = ParseText(kHead + kTail, n);
        const Component *c = faulted.state().componentList;
        if (faulted.status == 1 || c == nullptr || c->name != nullptr) continue;
        lostName = true;
        EXPECT_EQ(faulted.status, 1001);
        size_t at = faulted.diagnostics.find("DMI0150");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(faulted.diagnostics.substr(at),
                  Form1(150, 14, "End Component", "Expecting the name of this component."));
    }
    EXPECT_TRUE(lostName);
}

TEST(ComponentTest, RefusedSecondComponentAltersNothing) {
    auto parsed = ParseText(kHead + "Description = \"one\"\n" + kTail + "Start Component\nName = \"d\"\nStart Path\n"
                            "Name = \"p\"\nWin32 = \"x\"\nEnd Path\nDescription = \"dd\"\nPragma = \"pp\"\nStart Enum\n"
                            "Name = \"e\"\n1 = \"one\"\nEnd Enum\n" + kGroup +
                            "Start Table\nName = \"t\"\nClass = \"k\"\nID = 3\n{7}\nEnd Table\nEnd Component\n");
    EXPECT_NE(parsed.status, 0);
    EXPECT_EQ(parsed.diagnostics, Form1(118, 16, "Start Component", "Only one component is allowed per MIF file."));
    const Component *c = parsed.state().componentList;
    EXPECT_EQ(Ascii(c->name) + Ascii(c->description), "cone");
    EXPECT_TRUE(c->next == nullptr && c->pragma == nullptr && c->paths == nullptr && c->enumerations == nullptr &&
                c->tables == nullptr);
    ASSERT_NE(c->groups, nullptr);
    EXPECT_TRUE(c->groups->next == nullptr && c->groups->description == nullptr);
    // Its group became a template outside the component.
    ASSERT_NE(parsed.state().topGroupList, nullptr);
    EXPECT_EQ(Ascii(parsed.state().topGroupList->name), "g");
}

TEST(PathTest, EntriesPerOperatingSystem) {
    using Paths = std::vector<std::vector<std::string>>;  // "os:path:directInterface"
    const std::string dup = "Duplicate statement in component paths body.";
    struct Row { std::string paths; int status; std::string diagnostics; Paths expected; };
    for (const Row &row : std::vector<Row>{
             {"Start Path\nName = \"p\"\nWin32 = \"a.dll\"\nDOS = direct-interface\nwinnt = \"c\" \"d\"\nEnd Path\n"
              "Start Path\nName = \"q\"\nMacOS = \"m\"\nWin32 = \"b\"\nEnd Path\n",
              0, "", {{"5:a.dll:0", "0:Direct-Interface:1", "7:cd:0"}, {"1:m:0", "5:b:0"}}},
             {"Start Path\nName = \"p\"\nWin32 = \"a.dll\"\nUnix = \"u\"\nWin32 = \"b\"\nEnd Path\n", 1026,
              Form1(207, 8, "End Path", dup), {{"5:a.dll:0", "3:u:0"}}},
             {"Start Path\nName = \"p\"\nWin32 = Direct-Interface\nWin32 = \"a.dll\"\nOS2 = \"o\"\nEnd Path\n",
              1026, Form1(207, 7, "OS2", dup), {{"5:Direct-Interface:1", "2:o:0"}}}}) {
        SCOPED_TRACE(row.paths);
        auto parsed = ParseText(kHead + row.paths + kTail);
        EXPECT_EQ(parsed.status, row.status);
        EXPECT_EQ(parsed.diagnostics, row.diagnostics);
        Paths actual;
        for (const ComponentPath *p = parsed.state().componentList->paths; p != nullptr; p = p->next) {
            actual.emplace_back();
            for (const PathEntry *e = p->entries; e != nullptr; e = e->next)
                actual.back().push_back(std::to_string(e->os) + ":" + Ascii(e->path) + ":" +
                                        std::to_string(e->directInterface));
        }
        EXPECT_EQ(actual, row.expected);
    }
}

}  // namespace
}  // namespace mifkit
