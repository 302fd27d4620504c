// The generation exports as a host sees them through the shared library, with
// real commands run in a temporary directory, and the tool's generate command;
// and the layer under them: INI values as GetPrivateProfileStringA gives them,
// file existence as FindFirstFileA answers it, and command lines split as a
// Windows program's runtime does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "include/mifkit.h"
#include "mifkit/parser.h"
#include "platform/command_line.h"
#include "platform/file_search.h"
#include "platform/profile_strings.h"
#include "tests/shared_library.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;

// Windows looks a name without a directory up in its own directory.
const std::string kIni = "./a.ini", kNoIni = "./none.ini";

// A script taking a file name: it writes the file and notes in ran.txt that
// it ran. On Windows cmd.exe runs batch files.
#ifdef _WIN32
#define MAKE "cmd /c make.cmd"
const std::pair<const char *, const char *> kScript = {"make.cmd", "@echo %1>>ran.txt\r\n@type nul>%1\r\n"};
#else
#define MAKE "sh make.sh"
const std::pair<const char *, const char *> kScript = {"make.sh", "echo \"$1\" >> ran.txt; : > \"$1\"\n"};
#endif

class GenerationTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_NE(handle_, nullptr) << test::LibraryError();
        ASSERT_TRUE(GetINIString && GetMIFFilename && GenerateMIFFile && ExecuteCommand);
    }
    ~GenerationTest() override { if (handle_ != nullptr) test::CloseLibrary(handle_); }

    // GetINIString's result and `listBytes` of its list or its value up to the NUL; "(null)" for none.
    std::pair<int, std::string> IniString(const char *section, const char *key, const char *file,
                                          size_t listBytes = 0) {
        char *out = reinterpret_cast<char *>(1);
        int length = GetINIString(section, key, file, &out);
        std::string text = out == nullptr ? "(null)" : listBytes ? std::string(out, listBytes) : out;
        std::free(out);
        return {length, text};
    }
    // The buffer a host sizes with GetMIFFilename, plus two guard bytes, after `fill` wrote it.
    template <class Fill>
    std::string Buffer(const char *section, Fill fill) {
        std::string buffer(static_cast<size_t>(GetMIFFilename(kIni.c_str(), section, nullptr)) + 2, '#');
        fill(kIni.c_str(), section, buffer.data());
        return buffer;
    }

    void *handle_ = test::OpenLibrary(MIFKIT_SHARED_LIBRARY);
#define MIFKIT_EXPORT(name) decltype(&::name) name = test::LibrarySymbol<decltype(&::name)>(handle_, #name)
    MIFKIT_EXPORT(GetINIString);
    MIFKIT_EXPORT(GetMIFFilename);
    MIFKIT_EXPORT(GenerateMIFFile);
    MIFKIT_EXPORT(ExecuteCommand);
#undef MIFKIT_EXPORT
};

TEST_F(GenerationTest, ReadsTheIniFile) {
    std::string ini = "[s]\nfilename = x.mif\n", list;
    for (size_t length : {255, 256, 600}) ini += "v" + std::to_string(length) + "=" + std::string(length, 'x') + "\n";
    ini += "[b]\n[c]\nfilename =\n";
    for (int i = 100; i < 200; ++i) ini += "[" + std::to_string(i) + "]\n", list += std::to_string(i) + '\0';
    WriteFile("a.ini", ini);
    EXPECT_EQ(Buffer("s", GetMIFFilename), Bytes("x.mif\0\0##"));
    EXPECT_EQ(Buffer("c", GetMIFFilename), Bytes("c\0\0##"));
    EXPECT_EQ(Buffer("zzz", GetMIFFilename), Bytes("zzz\0\0##"));
    std::string untouched = "##";
    EXPECT_EQ(GetMIFFilename(kNoIni.c_str(), nullptr, untouched.data()), 0);
    EXPECT_EQ(untouched, "##");
    for (size_t length : {255, 256, 600})
        EXPECT_EQ(IniString("s", ("v" + std::to_string(length)).c_str(), kIni.c_str()),
                  std::make_pair(static_cast<int>(length), std::string(length, 'x')));
    EXPECT_EQ(IniString(nullptr, nullptr, kIni.c_str(), 406), std::make_pair(405, Bytes("s\0b\0c\0") + list));
    EXPECT_EQ(IniString("s", "none", kIni.c_str()), std::make_pair(0, std::string("(null)")));
    EXPECT_EQ(IniString("s", "v255", nullptr), std::make_pair(0, std::string("(null)")));
    EXPECT_EQ(IniString(nullptr, nullptr, kNoIni.c_str()), std::make_pair(-1, std::string("(null)")));
}

// The host test pins the common cases: a command that runs and writes its
// file, one that writes none, one that cannot start, sections without a file
// name, a named section.
TEST_F(GenerationTest, RunsTheCommandsDueAndDropsMissingFiles) {
    const char *never = "[a]\nfilename = a.mif\ncommand = " MAKE " a.mif\nrefresh = nEvEr\n";
    const char *always = "[a]\nfilename = a.mif\ncommand = " MAKE " a.mif\nrefresh = always\n";
    const char *notStarted = "[a]\ncommand = no-such-program-of-mifkit a\n[b]\ncommand = \"no such\" b\n";
    // INI, section, files present, the name list left (the rest untouched), the names the commands ran for.
    const std::tuple<const char *, const char *, std::vector<const char *>, std::string, const char *> rows[] = {
        {never, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), ""}, {never, nullptr, {}, Bytes("a.mif\0\0"), "a.mif\n"},
        {always, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), "a.mif\n"}, {notStarted, nullptr, {"b"}, Bytes("b\0\0"), ""},
        {"[a]\n", "zzz", {"zzz"}, Bytes("zzz\0\0"), ""}, {"[a]\n", "zzz", {}, Bytes("\0"), ""}};
    for (const auto &[ini, section, existing, list, ran] : rows) {
        for (const auto &entry : std::filesystem::directory_iterator(".")) std::filesystem::remove(entry);
        WriteFile(kScript.first, kScript.second);
        WriteFile("a.ini", ini);
        for (const char *name : existing) WriteFile(name, "");
        std::string buffer = Buffer(section, GenerateMIFFile), noted = ReadFile("ran.txt");
        EXPECT_EQ(buffer, list + std::string(buffer.size() - list.size(), '#')) << ini;
        noted.erase(std::remove(noted.begin(), noted.end(), '\r'), noted.end());  // batch files' echo
        EXPECT_EQ(noted, ran) << ini;
    }
}

TEST_F(GenerationTest, ExecutesCommandLinesWithoutAShell) {
    WriteFile("args.sh", "for a; do printf '[%s]' \"$a\"; done > args.txt\n");
    const std::tuple<const char *, int, const char *> rows[] = {
        {nullptr, 0, ""}, {"", 0, ""}, {"   ", 1, ""}, {"no-such-program-of-mifkit", 1, ""},
        {"./args.sh", 1, ""},  // not executable
#ifdef _WIN32
        // The program splits its own command line: cmd.exe gets it whole.
        {"cmd /c echo [a b]>args.txt", 0, "[a b]\r\n"},
#else
        {"sh args.sh \"a b\" x\\\"y \"\" \"c:\\dir\\\\\" $HOME;", 0, "[a b][x\"y][][c:\\dir\\][$HOME;]"},
#endif
    };
    for (const auto &[line, status, args] : rows) {
        EXPECT_EQ(ExecuteCommand(line), status) << (line ? line : "(null)");
        EXPECT_EQ(ReadFile("args.txt"), args) << (line ? line : "(null)");
    }
}

// The example's commands are shell scripts: no test on Windows. Left out
// rather than skipped, since a skip is a result GoogleTest records, and the
// 32-bit tests' emulator ends the process at the first one (see README).
#ifndef _WIN32
TEST_F(GenerationTest, ToolGeneratesTheExampleFiles) {
    for (const char *name : {"agent.ini", "write_mif.sh"})
        std::filesystem::copy_file(std::string(MIFKIT_EXAMPLES_DIR) + "/generate/" + name, name);
    const std::string run = std::string(MIFKIT_TOOL) + " generate agent.ini >out.txt 2>err.txt";
    const std::string adapter = "ran: sh write_mif.sh adapter.mif \"Example Network Adapter\"\n";
    const std::string retired = "could not start: retired-inventory --write retired.mif\n";
    ASSERT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(ReadFile("out.txt"), "adapter.mif\nbios.mif\n");
    EXPECT_EQ(ReadFile("err.txt"), adapter + "ran: sh write_mif.sh bios.mif \"Example System BIOS\"\n" + retired);
    for (const char *name : {"adapter.mif", "bios.mif"}) EXPECT_TRUE(Database::FromFile(name).ok()) << name;
    ASSERT_EQ(std::system(run.c_str()), 0);  // bios.mif is written once only
    EXPECT_EQ(ReadFile("out.txt"), "adapter.mif\nbios.mif\n");
    EXPECT_EQ(ReadFile("err.txt"), adapter + retired);
}
#endif

class PlatformTest : public test::TempDirTest {};

const char kProfile[] =
    "; comment = not a key\nstray = before any section\n  [ First ]  \nkey = one\nKEY = two\n"
    "\t spaced  =   a  b \t\nquoted = \"q v\"\nsingle='x'\nhalf = \"x\nsemi = a ; b\n  ;key = commented\n"
    "empty =\nno equals\n[first]\nkey = three\n[Second]\r\ncrlf = v \r\n[third]\n";

TEST_F(PlatformTest, ReadsProfileStringsAsWindowsDoes) {
    WriteFile("a.ini", kProfile);
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
        EXPECT_EQ(platform::GetProfileString(section, key, "DEF", buffer.data(), size, ("./" + std::string(file)).c_str()), count)
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
