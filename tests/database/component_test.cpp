// The language statement, the one component with its name, description and
// end checks, its path definitions, and enumerations at component level and
// inside an attribute with the element lookups that value conversion runs.
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
Start Attribute Name = "a" ID = 1 Description = "ad" End Attribute End Group End Component
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
Start Table Name = "t" Class = "k" ID = 3 {7} End Table End Component
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
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Paths(db), (Strings{"p: 5:a.dll 0:Direct-Interface+ 7:cd", "q: 1:m 5:b"}));
     }},
    {"SecondPathForAnOperatingSystem", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = "a.dll" Unix = "u" Win32 = "b"
End Path
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <End Path>) Duplicate statement in component paths body."},
     [](const Database &db) { EXPECT_EQ(Paths(db), Strings{"p: 5:a.dll 3:u"}); }},
    {"PathAfterADirectInterface", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = Direct-Interface Win32 = "a.dll"
OS2 = "o" End Path
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group End Component
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

AttributeView AttributeAt(const Database &db, size_t index) {
    auto at = db.component().groups().front().attributes().begin();
    while (index-- > 0) ++at;
    return *at;
}

const MifCase kEnumerations[] = {
    // Equal names and values all stay; the first defined is found.
    {"NamedEnumerationsAndTheirElements", R"(Start Component Name = "c"
Start Enum Name = "e" 1 = "one" End Enum Start Enum Name = "e" 1 = "uno" End Enum
Start Enum Name = "all" 0xFFFFFFFF = "all" 2 = "two" End Enum Start Enum Name = "twins" 7 = "first" 7 = "second" End Enum
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "e" Value = 1 End Attribute
Start Attribute Name = "a" ID = 2 Type = "all" Value = -1 End Attribute
Start Attribute Name = "a" ID = 3 Type = "twins" Value = 7 End Attribute
Start Attribute Name = "a" ID = 4 Type = "twins" Value = "second" End Attribute End Group End Component
)", 0, {}, [](const Database &db) {
         std::vector<std::string> found;
         for (AttributeView a : db.component().groups().front().attributes())
             found.push_back(a.enumeration().name().utf8() + ":" + a.value().element().text().utf8() + "=" +
                             std::to_string(a.value().element().value()));
         EXPECT_EQ(found, (std::vector<std::string>{"e:one=1", "all:all=-1", "twins:first=7", "twins:second=7"}));
         EXPECT_EQ(AttributeAt(db, 0).enumeration().record(), db.component().enumerations().front().record());
         size_t elements = 0;
         for (EnumerationView e : db.component().enumerations()) elements += e.elements().size();
         EXPECT_EQ(elements, 6u);
     }},
    // From 16 elements on the lookups use an index: same answers, first defined wins.
    {"LargeEnumerationLookups", R"(Start Component Name = "c"
Start Enum Name = "big" 0 = "v0" 1 = "v1" 2 = "v2" 3 = "v3" 4 = "v4" 5 = "v5" 6 = "v6" 7 = "v7" 8 = "v8" 9 = "v9"
10 = "v10" 11 = "v11" 12 = "v12" 13 = "v13" 14 = "v14" 15 = "v15" 16 = "v16" 17 = "v17" 18 = "v18" 19 = "v19"
3 = "dup3" 100 = "v5" 0xFFFFFFFF = "neg" End Enum
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "big" Value = "v5" End Attribute
Start Attribute Name = "a" ID = 2 Type = "big" Value = "dup3" End Attribute
Start Attribute Name = "a" ID = 3 Type = "big" Value = "v19" End Attribute
Start Attribute Name = "a" ID = 4 Type = "big" Value = "neg" End Attribute
Start Attribute Name = "a" ID = 5 Type = "big" Value = 3 End Attribute
Start Attribute Name = "a" ID = 6 Type = "big" Value = 100 End Attribute
Start Attribute Name = "a" ID = 7 Type = "big" Value = -1 End Attribute
Start Attribute Name = "a" ID = 8 Type = "big" Value = 0x13 End Attribute
Start Attribute Name = "a" ID = 9 Type = "big" Value = 50 End Attribute
Start Attribute Name = "a" ID = 10 Type = "big" Value = "v20"
End Attribute End Group End Component
)", 1056, {"DMI0248  (File: 0 (16): 0: <End Attribute>) Value not in range."}, [](const Database &db) {
         std::vector<std::string> found;
         for (AttributeView a : db.component().groups().front().attributes())
             found.push_back(a.value().element() ? a.value().element().text().utf8() + "=" +
                                                       std::to_string(a.value().element().value()) : "none");
         EXPECT_EQ(found, (std::vector<std::string>{"v5=5", "dup3=3", "v19=19", "neg=-1", "v3=3", "v5=100", "neg=-1",
                                                    "v19=19", "none", "none"}));
     }},
    {"OwnEnumerationIsNotFoundByName", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum Name = "own" 1 = "x" End Enum End Attribute
Start Attribute Name = "a" ID = 2 Type = "own"
End Attribute
@)", 1039, {"DMI0234  (File 0, ID 5, 0,  <End Attribute>) Cannot locate enumeration by name."}},
};
INSTANTIATE_TEST_SUITE_P(Enumerations, MifTest, ::testing::ValuesIn(kEnumerations), test::CaseName);

// The generated name after `name`: the three letters count up, Z carrying.
std::string NextName(std::string name) {
    for (size_t i = name.size(); i-- > name.size() - 3; name[i] = 'A')
        if (name[i] < 'Z') return ++name[i], name;
    return name;
}
TEST(EnumerationTest, OwnEnumerationsTakeGeneratedNames) {
    const Database db = Database::FromBuffer(R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum 1 = "x" End Enum Value = 1 End Attribute
Start Attribute Name = "a" ID = 2 Type = Start Enum Name = "mine" Type = Integer 2 = "y" End Enum Value = "y"
End Attribute
Start Attribute Name = "a" ID = 3 Type = Start Enum 1 = "x" End Enum End Attribute End Group End Component
)");
    EXPECT_EQ(db.status(), 0);
    std::vector<std::string> names;
    for (AttributeView a : db.component().groups().front().attributes()) {
        EXPECT_TRUE(a.type() == kTypeOwnEnumeration && a.record()->namedEnumeration == nullptr);
        names.push_back(a.enumeration().name().utf8());
    }
    // One counter serves the whole process, so other tests may have used names before; a named one advances it.
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names, (std::vector<std::string>{"lenum" + names[0].substr(5), "mine", NextName(NextName(names[0]))}));
    EXPECT_TRUE(db.component().enumerations().empty());

    // The counter carries on into the next parse.
    const Database next = Database::FromBuffer(R"(Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum 1 = "x" End Enum End Attribute End Group End Component
)");
    EXPECT_EQ(AttributeAt(next, 0).enumeration().name().utf8(), NextName(names[2]));
}

// A top-level group's attribute cannot have one, and an attribute can have one.
TEST(EnumerationTest, RefusedOwnEnumerationsAlterNothing) {
    auto parsed = test::ParseText(R"(Start Group Name = "t" Class = "tk" ID = 9
Start Attribute Name = "a" ID = 1 Type = Start Enum 5 = "five" 6 = "six" End Enum End Attribute End Group
Start Component Name = "c" Start Enum Name = "e" 1 = "one" End Enum
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1
Type = Start Enum 2 = "two" End Enum Type = Start Enum 5 = "five" 6 = "six" End Enum
End Attribute End Group End Component
)");
    EXPECT_EQ(parsed.status, 1019);
    EXPECT_EQ(parsed.diagnostics, "");
    EXPECT_EQ(parsed.ctx().diagnostics.statusHistory[2], 1017);
    const Attribute *top = parsed.state().topGroupList->attributes;
    EXPECT_TRUE(top->ownEnumeration == nullptr && top->typeGiven == 0);
    const Component *c = parsed.state().componentList;
    const Enumeration *own = c->groups->attributes->ownEnumeration;
    EXPECT_TRUE(c->enumerations->next == nullptr && c->enumerations->elements->next == nullptr &&
                own->elements->next == nullptr);
    EXPECT_EQ(test::Ascii(c->enumerations->elements->text) + test::Ascii(own->elements->text), "onetwo");
}

}  // namespace
}  // namespace mifkit
