// `mifkit format`: the canonical layout with every comment kept, --check,
// and -i, which never leaves a file half-written or rewrites one it should not.
#include <filesystem>

#include "tests/test_support.h"
#include "tools/format_command.h"

namespace mifkit::test {
namespace {

namespace fs = std::filesystem;

// A comment everywhere one may stand: before and after statements, inside
// blocks, before their ends, before a statement the layout drops, at the end;
// and what the layout changes: keywords in any case, statements reordered,
// pieces joined, Type = Integer added, rows rewritten.
const char kCommented[] = R"(// header comment
language="en|US|iso8859-1" // trailing on language
START COMPONENT
  // before name
  NAME="C" DESCRIPTION="first " "second"
  start path name="P"
    // before an entry
    Win32 = "a" // between pieces
      "b"
    unix=direct-interface
  End Path
  Start Enum Name = "State"
    // before the elements
    0="Down" 1="Up"
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
  start group name="Port" class="X|Port|1" key=2,1
    start attribute id=2 name="Link" type="State" value="Up" end attribute
    start attribute name="Index" id=1 type=int value=0 access=read-only end attribute
  end group
  Start Table Name = "Ports" Class = "X|Port|1" ID = 3
    // before the first row
    {1,"Down"}
    {2 // inside a row
    } // after a row
    {,"Up"} {0, 1}
  End Table
// before end component
End Component
// before a group outside the component
start group name="O" id=7 class="O" // its class
  pragma="p"
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
    Description = "first second"

    Start Path
        Name = "P"
        // before an entry
        // between pieces
        Win32 = "ab"
        Unix = Direct-Interface
    End Path

    Start Enum
        Name = "State"
        Type = Integer
        // before the elements
        0 = "Down"
        1 = "Up"
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
        Name = "Port"
        Class = "X|Port|1"
        Key = 2, 1
        Start Attribute
            Name = "Index"
            ID = 1
            Access = Read-Only
            Type = Integer
            Value = 0
        End Attribute
        Start Attribute
            Name = "Link"
            ID = 2
            Type = "State"
            Value = "Up"
        End Attribute
    End Group

    Start Table
        Name = "Ports"
        Class = "X|Port|1"
        ID = 3
        // before the first row
        {1, "Down"}
        // inside a row
        {2}
        // after a row
        {,}
        {, 1}
    End Table
    // before end component
End Component

// before a group outside the component
Start Group
    Name = "O"
    Class = "O"
    ID = 7
    // its class
    Pragma = "p"
    Start Attribute
        Name = "d"
        ID = 1
        Type = Date
    End Attribute
End Group
// at the end
)";

class FormatTest : public TempDirTest {};

TEST_F(FormatTest, KeepsAUtf16FileUtf16) {
    WriteFile("u.mif", "\xFE\xFF" + Utf16("// \xE9t\xE9\nStart Component Name = \"c\" Start Group Name = \"g\" "
                                         "Class = \"k\" ID = 1 Start Attribute Name = \"a\" ID = 1 "
                                         "Type = Date End Attribute End Group End Component\n"));
    std::string original;
    std::string text = tool::FormatFile("u.mif", original).value_or("");
    EXPECT_EQ(text.substr(0, 2), "\xFE\xFF");
    EXPECT_NE(text.find(Utf16("// \xE9t\xE9\nStart Component\n")), std::string::npos);
}

struct ToolCase {
    const char *name;
    std::string arguments;
    std::string file;  // a.mif's text before
    fs::perms mode;    // a.mif's permissions, which a rewrite keeps
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
    fs::permissions("a.mif", c.mode);
    std::string output;
    EXPECT_EQ(RunTool(c.arguments, output), c.status);
    EXPECT_EQ(output, c.output);
    EXPECT_EQ(ReadFile("a.mif"), c.after);
#ifndef _WIN32
    EXPECT_EQ(fs::status("a.mif").permissions(), c.mode);
#endif
    // Windows removes no read-only file with its directory.
    fs::permissions("a.mif", fs::perms::owner_write, fs::perm_options::add);
}

// A group without its class, name or ID.
const std::string kBroken = "Start Component\nName = \"c\"\nStart Group\nEnd Group\nEnd Component\n";
const fs::perms kReadWrite = fs::perms(0644), kReadOnly = fs::perms(0444);

const ToolCase kToolCases[] = {
    {"prints", "format a.mif", kCommented, kReadWrite, 0, kCommentedFormatted, kCommented},
    {"check_lists_what_would_change", "format --check a.mif", kCommented, kReadWrite, 1, "a.mif\n", kCommented},
    {"check_passes_when_formatted", "format --check a.mif", kCommentedFormatted, kReadWrite, 0, "", kCommentedFormatted},
    {"in_place_keeps_permissions", "format -i a.mif", kCommented, fs::perms(0640), 0, "", kCommentedFormatted},
    {"in_place_read_only_is_left", "format -i a.mif", kCommented, kReadOnly, 1, "", kCommented},
    {"in_place_not_parsing_is_left", "format -i a.mif", kBroken, kReadWrite, 1, "", kBroken},
    {"check_not_parsing", "format --check a.mif", kBroken, kReadWrite, 1, "", kBroken},
};

INSTANTIATE_TEST_SUITE_P(Tool, FormatToolTest, ::testing::ValuesIn(kToolCases),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mifkit::test
