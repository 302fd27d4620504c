// The language statement, the one component with its name, description and
// end checks, and its path definitions.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::MifCase, test::MifTest;
using Strings = std::vector<std::string>;

TEST(LanguageTest, StatementNeedsTwoBarsAndDefaultFillsIn) {
    const std::string bad = "DMI0246  (File 0, Line 2, ID <0>, Token <Start Component>) "
                            "Improperly formed language string.", dflt = "en|US|iso8859-1";
    struct Row { const char *first; int status; Strings lines; std::string language; };
    for (const Row &row : std::vector<Row>{{"\n", 0, {}, dflt}, {"Language = \"||\"\n", 0, {}, "||"},
                                           {"Language = \"en|US\"\n", 1080, {bad}, dflt},
                                           {"Language = \"\"\n", 1080, {bad}, dflt},
                                           // A top-level group before the component also begins the file's language.
                                           {"Start Group Name = \"t\" Class = \"k\" ID = 2 Start Attribute Name = \"a\" "
                                            "ID = 1 Type = Integer End Attribute End Group\n", 0, {}, dflt}}) {
        const Database db = Database::FromBuffer(row.first + std::string(test::kMinimalMif));
        SCOPED_TRACE(row.first);
        EXPECT_EQ(db.status(), row.status);
        EXPECT_EQ(test::Lines(db), row.lines);
        EXPECT_EQ(db.language().utf8(), row.language);
    }
}

// "os:path" for each entry, "+" after a Direct-Interface one; one string a path.
Strings Paths(const Database &db) {
    Strings paths;
    for (PathView p : db.component().paths()) {
        paths.push_back(p.name().utf8() + ":");
        for (PathEntryView e : p.entries())
            paths.back() += " " + std::to_string(e.os()) + ":" + e.path().utf8() + (e.directInterface() ? "+" : "");
    }
    return paths;
}

const MifCase kComponents[] = {
    // A literal statement's message shows the token after it.
    {"DescriptionsGoToTheInnermostRecordOnce", R"(Start Component Name = "c"
Description = "first" Description = "second"
Start Group Name = "g" Class = "k" ID = 1 Description = "gd"
Start Attribute Name = "a" ID = 1 Description = "ad" End Attribute
End Group
End Component
)", 1023, {"DMI0156  (File: 0 (3): 0: <Start Group>) Duplicate statement encountered in component body."},
     [](const Database &db) {
         GroupView g = db.component().groups().front();
         EXPECT_EQ(db.component().description().utf8() + g.description().utf8() +
                       g.attributes().front().description().utf8(), "firstgdad");
     }},
    // Neither top-level groups nor tables count; the parse ends at the check.
    {"EndNeedsAGroupOfItsOwn", R"(Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
Start Component Name = "c"
Start Table Name = "t" Class = "k" ID = 2 {7} End Table
End Component
@)", 1002, {"DMI0229  (File: 0 (6): 0: <End Component>) Expecting a group definition in component."}},
    // The message shows the start marker itself, not the token after it.
    {"RefusedSecondComponentAltersNothing", R"(Start Component Name = "c" Description = "one"
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
Start Component
Name = "d"
Start Path Name = "p" Win32 = "x" End Path
Description = "dd" Pragma = "pp"
Start Enum Name = "e" 1 = "one" End Enum
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 3 {7} End Table
End Component
)", 1016, {"DMI0118  (File: 0 (6): 0: <Start Component>) Only one component is allowed per MIF file."},
     [](const Database &db) {
         ComponentView c = db.component();
         EXPECT_EQ(c.name().utf8() + c.description().utf8(), "cone");
         EXPECT_TRUE(c.record()->next == nullptr && !c.pragma().present() && c.paths().empty() &&
                     c.enumerations().empty() && c.tables().empty());
         EXPECT_TRUE(c.groups().size() == 1 && !c.groups().front().description().present());
         // Its group became a template outside the component.
         ASSERT_EQ(db.topLevelGroups().size(), 1u);
         EXPECT_EQ(db.topLevelGroups().front().name().utf8(), "g");
     }},
    {"PathEntriesPerOperatingSystem", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = "a.dll" DOS = direct-interface winnt = "c" "d" End Path
Start Path Name = "q" MacOS = "m" Win32 = "b" End Path
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Paths(db), (Strings{"p: 5:a.dll 0:Direct-Interface+ 7:cd", "q: 1:m 5:b"}));
     }},
    {"SecondPathForAnOperatingSystem", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = "a.dll" Unix = "u" Win32 = "b"
End Path
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <End Path>) Duplicate statement in component paths body."},
     [](const Database &db) { EXPECT_EQ(Paths(db), Strings{"p: 5:a.dll 3:u"}); }},
    {"PathAfterADirectInterface", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = Direct-Interface Win32 = "a.dll"
OS2 = "o" End Path
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <OS2>) Duplicate statement in component paths body."},
     [](const Database &db) { EXPECT_EQ(Paths(db), Strings{"p: 5:Direct-Interface+ 2:o"}); }},
};
INSTANTIATE_TEST_SUITE_P(Components, MifTest, ::testing::ValuesIn(kComponents), test::CaseName);

// The name's literal lost to an exhausted pool leaves a nameless component;
// status 1 means the literal token itself was lost and the grammar gave up.
TEST(ComponentTest, EndNeedsAName) {
    const std::string mif = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
)";
    bool lostName = false;
    for (uint64_t n = 1; n < 20 && !lostName; ++n) {
        auto faulted = test::ParseText(mif, n);
        const Component *c = faulted.state().componentList;
        if (faulted.status == 1 || c == nullptr || c->name != nullptr) continue;
        lostName = true;
        EXPECT_EQ(faulted.status, 1001);
        size_t at = faulted.diagnostics.find("DMI0150");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(faulted.diagnostics.substr(at),
                  "DMI0150  (File: 0 (5): 0: <End Component>) Expecting the name of this component.\n");
    }
    EXPECT_TRUE(lostName);
}

}  // namespace
}  // namespace mifkit
