// The layer under generation: INI values as GetPrivateProfileStringA gives them, file existence
// as FindFirstFileA answers it, and command lines split as a Windows program's runtime does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/command_line.h"
#include "platform/file_search.h"
#include "platform/profile_strings.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;

class PlatformTest : public test::TempDirTest {};

const char kIni[] =
    "; comment = not a key\nstray = before any section\n  [ First ]  \nkey = one\nKEY = two\n"
    "\t spaced  =   a  b \t\nquoted = \"q v\"\nsingle='x'\nhalf = \"x\nsemi = a ; b\n  ;key = commented\n"
    "empty =\nno equals\n[first]\nkey = three\n[Second]\r\ncrlf = v \r\n[third]\n";

TEST_F(PlatformTest, ReadsProfileStringsAsWindowsDoes) {
    WriteFile("a.ini", kIni);
    const std::string sections = Bytes("First\0first\0Second\0third\0\0");
    // File, section, key, buffer size, every byte written, the count returned.
    const std::tuple<const char *, const char *, const char *, uint32_t, std::string, uint32_t> rows[] = {
        {"a.ini", "FIRST", "kEy", 32, Bytes("one\0"), 3},  // the first section and key win
        {"a.ini", "first", "spaced", 32, Bytes("a  b\0"), 4}, {"a.ini", "first", "quoted", 32, Bytes("q v\0"), 3},
        {"a.ini", "first", "single", 32, Bytes("x\0"), 1}, {"a.ini", "first", "half", 32, Bytes("\"x\0"), 2},
        {"a.ini", "first", "semi", 32, Bytes("a ; b\0"), 5}, {"a.ini", "first", "empty", 32, Bytes("\0"), 0},
        {"a.ini", "first", "no equals", 32, Bytes("DEF\0"), 3}, {"a.ini", "first", ";key", 32, Bytes("DEF\0"), 3},
        {"a.ini", "second", "crlf", 32, Bytes("v\0"), 1}, {"a.ini", "none", "key", 32, Bytes("DEF\0"), 3},
        {"a.ini", "first", "quoted", 3, Bytes("q \0"), 2},  // cut: size - 1
        {"a.ini", nullptr, "key", 64, sections, 25}, {"a.ini", nullptr, nullptr, 26, sections, 25},
        {"a.ini", nullptr, nullptr, 25, Bytes("First\0first\0Second\0thir\0\0"), 23},  // size - 2
        {"a.ini", "first", nullptr, 64, Bytes("key\0KEY\0spaced\0quoted\0single\0half\0semi\0empty\0\0"), 45},
        {"a.ini", "first", nullptr, 9, Bytes("key\0KEY\0\0"), 7}, {"a.ini", "third", nullptr, 32, Bytes("DEF\0"), 3},
        {"none.ini", "first", "key", 32, Bytes("DEF\0"), 3}, {"none.ini", nullptr, nullptr, 32, Bytes("\0"), 0},
    };
    for (const auto &[file, section, key, size, written, count] : rows) {
#ifdef _WIN32
        // The system's reader answers here. Wine's keeps an indented ';' line
        // as a key, and ends a list that is cut short or just fits with one
        // NUL, unlike the documented form these rows hold.
        if ((key != nullptr && key[0] == ';') || size == 9 || size == 25 || size == 26) continue;
#endif
        std::string buffer(size + 1, '#'), label = std::string(section ? section : "-") + "/" + (key ? key : "-");
        EXPECT_EQ(platform::GetProfileString(section, key, "DEF", buffer.data(), size, test::Here(file).c_str()), count)
            << label;
        EXPECT_EQ(buffer.substr(0, buffer.find('#')), written) << label;
    }
}

TEST_F(PlatformTest, FindsFilesAsAWindowsSearchDoes) {
    std::filesystem::create_directory("dir");
    WriteFile("a.mif", "");
    WriteFile("dir/b.mif", "");
#ifndef _WIN32
    std::filesystem::create_symlink("gone", "dangling");  // needs a privilege on Windows
#endif
    const std::pair<const char *, bool> rows[] = {
        {"a.mif", true}, {"dir", true}, {"dir/b.mif", true}, {"*.mif", true}, {"a.?if", true},
#ifndef _WIN32
        {"dangling", true},
#endif
        {"dir/*", true}, {"*.txt", false}, {"dir/", false}, {"d*/b.mif", false}, {"b.mif", false}, {"", false},
        {nullptr, false}};
    for (const auto &[name, exists] : rows) EXPECT_EQ(platform::FileExists(name), exists) << (name ? name : "(null)");
}

TEST(CommandLineTest, SplitsAsTheWindowsRuntimeDoes) {
    const std::pair<const char *, std::vector<std::string>> rows[] = {
        {"", {}}, {" \t ", {}}, {"  p \t a  b ", {"p", "a", "b"}},
        {"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
        {"p a\\b\\ c\\\\", {"p", "a\\b\\", "c\\\\"}}, {"p a\\\\\"b c\" d", {"p", "a\\b c", "d"}},
        {"p a\\\\\\\"b", {"p", "a\\\"b"}}, {"p \"a\"\"b\" \"\" x\"y z\"", {"p", "a\"b", "", "xy z"}},
        {"\"\" a", {"", "a"}}};
    for (const auto &[line, words] : rows) EXPECT_EQ(platform::SplitCommandLine(line), words) << line;
}

}  // namespace
}  // namespace mifkit
