// The language statement, the one component with its name, description and
// end checks, its path definitions; enumerations at component level and inside
// an attribute, with the element lookups value conversion runs; groups and
// their attributes: the end-of-group checks, attribute order, Key statements,
// duplicate header statements, the ID and Pragma statements that groups,
// tables and attributes share, top-level groups and how a table finds its
// template.
#include <algorithm>
#include <numeric>
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
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute End Group
Start Component Name = "c" Start Table Name = "t" Class = "k" ID = 2 {7} End Table
End Component
@)", 1002, {"DMI0229  (File: 0 (4): 0: <End Component>) Expecting a group definition in component."}},
    // The message shows the start marker itself, not the token after it.
    {"RefusedSecondComponentAltersNothing", R"(Start Component Name = "c" Description = "one"
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
Start Component
Name = "d" Start Path Name = "p" Win32 = "x" End Path Description = "dd" Pragma = "pp"
Start Enum Name = "e" 1 = "one" End Enum Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute End Group
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
End Path Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute End Group End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <End Path>) Duplicate statement in component paths body."},
     [](const Database &db) { EXPECT_EQ(Paths(db), Strings{"p: 5:a.dll 3:u"}); }},
    {"PathAfterADirectInterface", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = Direct-Interface Win32 = "a.dll"
OS2 = "o" End Path Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute End Group End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <OS2>) Duplicate statement in component paths body."},
     [](const Database &db) { EXPECT_EQ(Paths(db), Strings{"p: 5:Direct-Interface+ 2:o"}); }},
};
INSTANTIATE_TEST_SUITE_P(Components, MifTest, ::testing::ValuesIn(kComponents), test::CaseName);

// The name's literal lost to an exhausted pool leaves a nameless component;
// status 1 means the literal token itself was lost and the grammar gave up.
TEST(ComponentTest, EndNeedsAName) {
    bool lostName = false;
    for (uint64_t n = 1; n < 20 && !lostName; ++n) {
        auto faulted = test::ParseText(test::kMinimalMif, n);
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

using U = std::vector<uint32_t>;

GroupView First(const Database &db) { return db.component().groups().front(); }
U Of(const Database &db, uint32_t (AttributeView::*field)() const) {
    U out;
    for (AttributeView a : First(db).attributes()) out.push_back((a.*field)());
    return out;
}

const MifCase kGroups[] = {
    // A group that fails its end check; the "@" after it shows the parse ended.
    {"NameCheckedFirst", R"(Start Component Name = "c"
Start Group ID = 1 Pragma = "p"
End Group
@)", 1004, {"DMI0179  (File: 0 (3): 0: <End Group>) Expecting the name of this group."}},
    {"AttributesBeforeIdOrKeys", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Pragma = "p"
End Group
@)", 1006, {"DMI0231  (File: 0 (3): 0: <End Group>) Expecting an attribute definition in group definition."}},
    {"NeitherIdNorKeys", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k"
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
@)", 1007, {"DMI0232  (File: 0 (4): 0: <End Group>) Expecting keys or  an ID of this group."}},
    {"RepeatedKeyIdOnlyError", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k"
Key = 1, 2, 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1041, {"DMI0176  (File: 0 (3): 0: <1>) Key is not unique."},
     [](const Database &db) { EXPECT_EQ(First(db).keys(), U({1, 2})); }},
    {"SecondKeyStatement", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1
Key = 1, 3
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1040, {"DMI0189  (File: 0 (3): 0: <1>) Duplicate statement encountered in group body.",
           "DMI0189  (File: 0 (3): 0: <3>) Duplicate statement encountered in group body."},
     [](const Database &db) { EXPECT_EQ(First(db).keys(), U{1}); }},
    {"SecondName", R"(Start Component Name = "c"
Start Group Name = "g" Name = "h"
Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1027, {"DMI0189  (File: 0 (3): 0: <Class>) Duplicate statement encountered in group body."},
     [](const Database &db) { EXPECT_EQ(First(db).name().utf8(), "g"); }},
    // One top-level group before the component and one after is already two.
    {"RefusedGroupChangesNothing", R"(Start Group Name = "t" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
End Component
Start Group Name = "x" Class = "y" ID = 9 Description = "d" Pragma = "p" Key = 4
Start Attribute Name = "a" ID = 2 Type = Integer Value = 1 End Attribute End Group
)", 1069, {"DMI0236  (File: 0 (9): 0: <Start Group>) Only one global group is allowed per MIF file."},
     [](const Database &db) {
         ASSERT_EQ(db.topLevelGroups().size(), 1u);
         GroupView t = db.topLevelGroups().front();
         EXPECT_EQ(t.name().utf8() + "/" + t.className().utf8(), "t/k");
         EXPECT_TRUE(t.id() == 0 && !t.description().present() && !t.pragma().present() && t.keys() == U{1});
         EXPECT_TRUE(t.attributes().size() == 1 && t.attributes().front().id() == 1);
     }},
    // A top-level group of the class comes first; a class defined after an earlier table is still found.
    {"TemplateLookup", R"(Start Group Name = "top" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Component Name = "c"
Start Group Name = "g1" Class = "a" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Table Name = "t" Class = "a" {1} End Table
Start Group Name = "g2" Class = "b" ID = 2 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Group Name = "g3" Class = "k" ID = 3 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Table Name = "t" Class = "b" {1} End Table
Start Table Name = "t" Class = "k" {1} End Table
End Component
)", 0, {}, [](const Database &db) {
         std::vector<std::string> templates;
         for (TableView t : db.component().tables()) templates.push_back(t.templateGroup().name().utf8());
         EXPECT_EQ(templates, (std::vector<std::string>{"g1", "g2", "top"}));
         EXPECT_EQ(db.component().tables().front().templateGroup().record(), First(db).record());
     }},
    {"FirstOfAClassWinsEvenKeyless", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Group Name = "g2" Class = "k" ID = 2 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Table Name = "t" Class = "k"
{1}
@)", 1081, {"DMI0174  (File: 0 (9): 0: <{>) Tables must be associated with keyed groups."}},
};
INSTANTIATE_TEST_SUITE_P(Groups, MifTest, ::testing::ValuesIn(kGroups), test::CaseName);

const MifCase kAttributes[] = {
    {"DuplicateIdKeptOtherGroupFree", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute
Start Attribute Name = "a"
ID = 5 Type = Integer End Attribute
End Group
Start Group Name = "h" Class = "x" ID = 2
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute End Group End Component
)", 1071, {"DMI0239  (File 0, Line 5, ID <5>, Token <5>) Attribute ID is not unique."},
     [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::id), U({5, 5}));
         for (AttributeView a : First(db).attributes()) EXPECT_EQ(a.record()->idGiven, 1u);
     }},
    {"SecondIdInTable", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 7
ID = 8
{1} End Table End Component
)", 1032, {"DMI0170  (File: 0 (6): 0: <8>) Duplicate statement encountered in table definition."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 7u); }},
    {"GroupIdOfEarlierTable", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 5 {1} End Table
Start Group Name = "h" Class = "x"
ID = 5
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group End Component
)", 1072, {"DMI0240  (File 0, Line 7, ID <5>, Token <5>)  Group ID is not unique."},
     [](const Database &db) {
         GroupView h = *++db.component().groups().begin();
         EXPECT_TRUE(h.id() == 5 && h.idGiven());
     }},
    {"TableIdOfGroup", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k"
ID = 1
{1} End Table End Component
)", 1070, {"DMI0241  (File 0, Line 6, ID <1>, Token <1>) Table  ID is not unique."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 1u); }},
    // The last Access wins and Value = Unsupported sets Write-Only only when it
    // comes last. A top-level group's ID is not compared with the component's.
    {"AccessAndStorageCodes", R"(Start Group Name = "h" Class = "x" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group
Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Access = Read-Only Storage = Specific End Attribute
Start Attribute Name = "a" ID = 2 Access = Read-Write Storage = Common End Attribute
Start Attribute Name = "a" ID = 3 Type = Integer End Attribute
Start Attribute Name = "a" ID = 4
  Access = Read-Only Access = Write-Only Storage = Specific Storage = Common End Attribute
Start Attribute Name = "a" ID = 5 Type = Integer Value = Unsupported Access = Read-Only End Attribute
Start Attribute Name = "a" ID = 6 Access = Read-Only Type = Integer Value = Unsupported End Attribute
End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::access), U({1, 2, 0, 3, 1, 4}));
         EXPECT_EQ(Of(db, &AttributeView::storage), U({1, 0, 0, 0, 0, 0}));
     }},
    {"LaterTypeKeepsSize", R"(Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = OctetString(4) Type = Integer Value = 5 End Attribute
End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::type), U{kTypeInteger});
         EXPECT_EQ(Of(db, &AttributeView::size), U{4});
     }},
    // The "@" ends the parse before the enumeration.
    {"EnumerationDefinedLater", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "e"
Value = 1 End Attribute End Group
@ Start Enum Name = "e" 1 = "one" End Enum
)", 1039, {"DMI0234  (File 0, ID 4, 0,  <Value>) Cannot locate enumeration by name."}},
    {"SecondPragmaInAttribute", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "p" Pragma = "q"
End Attribute End Group End Component
)", 1082, {"DMI0135  (File: 0 (4): 0: <End Attribute>) Duplicate statement encountered in attribute body."},
     [](const Database &db) { EXPECT_EQ(First(db).attributes().front().pragma().utf8(), "p"); }},
    {"PragmaAfterAttributeGoesToGroup", R"(Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "a" End Attribute
Pragma = "g" End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(First(db).attributes().front().pragma().utf8() + First(db).pragma().utf8(), "ag");
     }},
};
INSTANTIATE_TEST_SUITE_P(Attributes, MifTest, ::testing::ValuesIn(kAttributes), test::CaseName);

// Attributes end in ascending ID order, compared as unsigned numbers; each record moves whole.
TEST(GroupAttributeOrder, SortsByIdWhenTheGroupEnds) {
    U large(5000);
    std::iota(large.rbegin(), large.rend(), 1u);
    for (const U &ids : {U{4294967295u, 2147483648u, 1}, large}) {
        std::string mif = "Start Component Name = \"c\" Start Group Name = \"g\" Class = \"k\" ID = 1\n";
        for (uint32_t id : ids)
            mif += "Start Attribute Name = \"a" + std::to_string(id) + "\" ID = " + std::to_string(id) +
                   " Type = Integer Value = 1 End Attribute\n";
        const Database db = Database::FromBuffer(mif + "End Group End Component\n");
        ASSERT_TRUE(db.ok()) << db.status();
        U sorted = ids, got;
        std::sort(sorted.begin(), sorted.end());
        for (AttributeView a : First(db).attributes())
            if (got.push_back(a.id()), a.name().utf8() != "a" + std::to_string(a.id())) ADD_FAILURE() << a.id();
        EXPECT_EQ(got, sorted);
        EXPECT_EQ(First(db).attributeCount(), ids.size());
    }
}

// Group IDs stay unique however many groups the component holds: one line, for the one repeat.
TEST(GroupIds, UniqueAtScale) {
    std::string mif = "Start Component Name = \"c\"\n";  // group N on line N + 1
    for (uint32_t i = 1; i <= 3000; ++i)
        mif += "Start Group Name = \"h\" Class = \"x\" ID = " + std::to_string(i == 2000 ? 777 : i) +
               " Start Attribute Name = \"a\" ID = 1 Type = Integer End Attribute End Group\n";
    const Database db = Database::FromBuffer(mif + "End Component\n");
    EXPECT_EQ(db.status(), 1072);
    EXPECT_EQ(test::Lines(db),
              std::vector<std::string>{"DMI0240  (File 0, Line 2001, ID <777>, Token <777>)  Group ID is not unique."});
}

}  // namespace
}  // namespace mifkit
