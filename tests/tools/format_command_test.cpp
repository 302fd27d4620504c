// `mifkit format`: the canonical layout with every comment kept, --check,
// and -i, which never leaves a file half-written or rewrites one it should not.
#include <filesystem>

#include "tests/test_support.h"
#include "tools/format_command.h"

namespace mifkit::test {
namespace {

// A comment everywhere one may stand: before and after statements, inside
// blocks, before their ends, before a statement the layout drops, at the end.
const char kCommented[] = R"(// header comment
Language = "en|US|iso8859-1" // trailing on language
Start Component
  // before name
  Name = "C"
  Start Path Name = "P"
    // before an entry
    Win32 = "a" // between pieces
      "b"
  End Path
  Start Enum Name = "E"
    // before element 1
    1 = "one"
  // before end enum
  End Enum
  Start Group Name = "G"
    Class = "X|Y|1" // after class
    ID = 1
    Start Attribute
      Name = "A" ID = 1
      // before storage, which the layout drops
      Storage = Common
      Type = Start Enum
        // inside "inline" enum
        0 = "zero"
      End Enum
      Value = 0
    End Attribute
  End Group
  Start Group Name = "T" Class = "K" Key = 1
    Start Attribute Name = "I" ID = 1 Type = Integer Value = 0 End Attribute
  End Group
  Start Table Class = "K" ID = 2
    // before the first row
    {1}
    {2 // inside a row
    } // after a row
  End Table
// before end component
End Component
// before a group outside the component
Start Group Name = "O" Class = "O" ID = 7 // its ID
  Start Attribute Name = "d" ID = 1 Type = Date End Attribute
End Group
// at the end
)";

const char kCommentedFormatted[] = R"(// header comment
Language = "en|US|iso8859-1"

// trailing on language
Start Component
    // before name
    Name = "C"

    Start Path
        Name = "P"
        // before an entry
        // between pieces
        Win32 = "ab"
    End Path

    Start Enum
        Name = "E"
        Type = Integer
        // before element 1
        1 = "one"
        // before end enum
    End Enum

    Start Group
        Name = "G"
        Class = "X|Y|1"
        // after class
        ID = 1
        Start Attribute
            Name = "A"
            ID = 1
            // before storage, which the layout drops
            Type = Start Enum
                Type = Integer
                // inside "inline" enum
                0 = "zero"
            End Enum
            Value = 0
        End Attribute
    End Group

    Start Group
        Name = "T"
        Class = "K"
        Key = 1
        Start Attribute
            Name = "I"
            ID = 1
            Type = Integer
            Value = 0
        End Attribute
    End Group

    Start Table
        Class = "K"
        ID = 2
        // before the first row
        {1}
        // inside a row
        {2}
        // after a row
    End Table
    // before end component
End Component

// before a group outside the component
Start Group
    Name = "O"
    Class = "O"
    ID = 7
    // its ID
    Start Attribute
        Name = "d"
        ID = 1
        Type = Date
    End Attribute
End Group
// at the end
)";

class FormatTest : public TempDirTest {};

TEST_F(FormatTest, KeepsEveryCommentAndChangesNothingTheSecondTime) {
    WriteFile("a.mif", kCommented);
    std::string original;
    std::optional<std::string> text = tool::FormatFile("a.mif", original);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, kCommentedFormatted);
    WriteFile("b.mif", *text);
    EXPECT_EQ(tool::FormatFile("b.mif", original).value_or(""), *text);
}

TEST_F(FormatTest, KeepsAUtf16FileUtf16) {
    std::string source = "\xFE\xFF" + Utf16("// \xE9t\xE9\nStart Component Name = \"c\" Start Group Name = \"g\" "
                                            "Class = \"k\" ID = 1 Start Attribute Name = \"a\" ID = 1 "
                                            "Type = Date End Attribute End Group End Component\n");
    WriteFile("u.mif", source);
    std::string original;
    std::string text = tool::FormatFile("u.mif", original).value_or("");
    EXPECT_EQ(text.substr(0, 2), "\xFE\xFF");
    EXPECT_NE(text.find(Utf16("// \xE9t\xE9\nStart Component\n")), std::string::npos);
}

struct ToolCase {
    const char *name;
    std::string arguments;
    std::string file;  // a.mif's text before
    bool readOnly;
    int status;
    std::string output;
    std::string after;  // a.mif's text after
};

// Named in test listings by its case name alone.
void PrintTo(const ToolCase &c, std::ostream *out) { *out << c.name; }

class FormatToolTest : public TempDirTest, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(FormatToolTest, ExitsAndRewritesAsTold) {
    const ToolCase &c = GetParam();
    WriteFile("a.mif", c.file);
    if (c.readOnly)
        std::filesystem::permissions("a.mif", std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                                  std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    std::string output;
    EXPECT_EQ(RunTool(c.arguments, output), c.status);
    EXPECT_EQ(output, c.output);
    EXPECT_EQ(ReadFile("a.mif"), c.after);
    // Windows removes no read-only file with its directory.
    std::filesystem::permissions("a.mif", std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

// A group without its class, name or ID.
const std::string kBroken = "Start Component\nName = \"c\"\nStart Group\nEnd Group\nEnd Component\n";

const ToolCase kToolCases[] = {
    {"prints", "format a.mif", kCommented, false, 0, kCommentedFormatted, kCommented},
    {"check_lists_what_would_change", "format --check a.mif", kCommented, false, 1, "a.mif\n", kCommented},
    {"check_passes_when_formatted", "format --check a.mif", kCommentedFormatted, false, 0, "", kCommentedFormatted},
    {"in_place", "format -i a.mif", kCommented, false, 0, "", kCommentedFormatted},
    {"in_place_read_only_is_left", "format -i a.mif", kCommented, true, 1, "", kCommented},
    {"in_place_not_parsing_is_left", "format -i a.mif", kBroken, false, 1, "", kBroken},
    {"check_not_parsing", "format --check a.mif", kBroken, false, 1, "", kBroken},
};

INSTANTIATE_TEST_SUITE_P(Tool, FormatToolTest, ::testing::ValuesIn(kToolCases),
                         [](const auto &info) { return std::string(info.param.name); });

#ifndef _WIN32
TEST_F(FormatTest, InPlaceKeepsPermissions) {
    WriteFile("a.mif", kCommented);
    std::filesystem::permissions("a.mif", std::filesystem::perms(0640));
    std::string output;
    ASSERT_EQ(RunTool("format -i a.mif", output), 0);
    EXPECT_EQ(std::filesystem::status("a.mif").permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(ReadFile("a.mif"), kCommentedFormatted);
}
#endif

}  // namespace
}  // namespace mifkit::test
