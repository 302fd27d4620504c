// The grammar's shape (what is a syntax error, and where it is reported) and
// the moment each builder operation runs: whether the token after its
// production has been read decides the line and token its message shows.
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::MifCase, test::MifTest;

// The one test of every table of MIF cases (test::MifCase): the status, the
// whole diagnostic lines, then the case's own look at the database.
TEST_P(MifTest, ParsesAsWritten) {
    const MifCase &c = GetParam();
    const Database db = Database::FromBuffer(c.mif);
    EXPECT_EQ(db.status(), c.status);
    EXPECT_EQ(test::Lines(db), c.lines);
    if (c.check) c.check(db);
}

const MifCase kShapes[] = {
    {"BlankFile", "\n\n", 1, {"DMI0225  (File: 0 (3): 0: <>) Syntax Error."}},
    {"Utf16MarkOnly", "\xFE\xFF", 1, {"DMI0225  (File: 0 (1): 0: <>) Syntax Error."}},
    {"DescriptionBeforeName", R"(Start Component
Description = "d"
)", 1, {"DMI0225  (File: 0 (2): 0: <Description>) Syntax Error."}},
    {"PathWithoutEntries", R"(Start Component Name = "c"
Start Path Name = "p"
End Path
)", 1, {"DMI0225  (File: 0 (3): 0: <End Path>) Syntax Error."}},
    {"AttributeWithoutId", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a"
Type = Integer
)", 1, {"DMI0225  (File: 0 (4): 0: <Type>) Syntax Error."}},
    {"CounterTypeInEnumeration", R"(Start Component Name = "c"
Start Enum Name = "e"
Type = Counter
)", 1, {"DMI0225  (File: 0 (3): 0: <Counter>) Syntax Error."}},
    {"LanguageAfterDefinition", test::kMinimalMif + std::string("Language = \"a|b|c\"\n"), 1, {"DMI0225  (File: 0 (6): 0: <Language>) Syntax Error."}},
    {"StringWithoutSize", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1
Type = String
Value = "v"
)", 1, {"DMI0225  (File: 0 (5): 0: <Value>) Syntax Error."}},
    {"IntegerTypeInEnumerationAndTopLevelGroupsInARow", R"(
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group
Start Component Name = "c" Start Enum Name = "e" Type = Integer 1 = "x" End Enum
Start Group Name = "g" Class = "k" ID = 1 Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group
End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(db.topLevelGroups().size(), 2u);
         EXPECT_EQ(db.component().enumerations().front().elements().front().text().utf8(), "x");
     }},
    // Work done before a stray token stays done.
    {"NameBeforeAStrayToken", R"(Start Component
Name = "early" @)", 1, {"DMI0225  (File: 0 (2): 0: <@>) Syntax Error."},
     [](const Database &db) { EXPECT_EQ(db.component().name().utf8(), "early"); }},
    // The path's entries were attached before End Component was found wrong.
    {"PathEntriesBeforeAWrongEnd", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = "x"
End Component
)", 1, {"DMI0225  (File: 0 (3): 0: <End Component>) Syntax Error."}, [](const Database &db) {
         EXPECT_EQ(db.component().paths().front().entries().front().path().utf8(), "x");
     }},
};
INSTANTIATE_TEST_SUITE_P(Shapes, MifTest, ::testing::ValuesIn(kShapes), test::CaseName);

// One diagnostic per kind of production. A production that ends in a literal
// (or a key list, a list of path entries or elements) needs the next token to
// know it is complete, so its message shows that token; every other action
// runs before the next token is read and shows its own last token. A literal
// statement and a start marker are shown in component_test, a row entry and
// a row's end in value_test.
const MifCase kActionTiming[] = {
    // A number, a keyword value or a Direct-Interface entry: itself.
    {"ValueNumberShowsItself", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Value =
  5
Type = Integer End Attribute End Group End Component
)", 1043, {"DMI0235  (File: 0 (4): 0: <5>) Type statement missing from attribute."}},
    {"ValueKeywordShowsItself", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Value = Unsupported
Type = Integer End Attribute End Group End Component
)", 1043, {"DMI0235  (File: 0 (3): 0: <Unsupported>) Type statement missing from attribute."}},
    {"DirectInterfaceShowsItself", R"(Start Component Name = "c"
Start Path Name = "p" Win32 = "x" Win32 =
 Direct-Interface
End Path Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute End Group End Component
)", 1026, {"DMI0207  (File: 0 (3): 0: <Direct-Interface>) Duplicate statement in component paths body."}},
    // The end of a definition: its end token, and the parse ends there (the
    // group without a class; the next one is never checked).
    {"FailingEndGroupEndsTheParse", R"(Start Component Name = "c"
Start Group Name = "g" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
Start Group Name = "h"
End Group
@)", 1005, {"DMI0181  (File: 0 (4): 0: <End Group>) Expecting the class, name, or ID of this group."}},
};
INSTANTIATE_TEST_SUITE_P(ActionTiming, MifTest, ::testing::ValuesIn(kActionTiming), test::CaseName);

}  // namespace
}  // namespace mifkit
