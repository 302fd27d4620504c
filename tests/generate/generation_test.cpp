// The generation exports as a host sees them through the shared library, with
// real commands run in a temporary directory, and the tool's generate command.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "include/mifkit.h"
#include "mifkit/parser.h"
#include "tests/shared_library.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;

const std::string kIni = test::Here("a.ini"), kNoIni = test::Here("none.ini");

// Scripts taking a file name: make writes the file; both note in ran.txt that
// they ran. On Windows cmd.exe runs batch files.
#ifdef _WIN32
#define SCRIPT(name) "cmd /c " name ".cmd"
const std::pair<const char *, const char *> kScripts[] = {
    {"make.cmd", "@echo %1>>ran.txt\r\n@type nul>%1\r\n"}, {"note.cmd", "@echo %1>>ran.txt\r\n"}};
#else
#define SCRIPT(name) "sh " name ".sh"
const std::pair<const char *, const char *> kScripts[] = {
    {"make.sh", "echo \"$1\" >> ran.txt; : > \"$1\"\n"}, {"note.sh", "echo \"$1\" >> ran.txt\n"}};
#endif

class GenerationTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_NE(handle_, nullptr) << test::LibraryError();
        ASSERT_TRUE(GetINIString && GetMIFFilename && GenerateMIFFile && ExecuteCommand);
    }
    ~GenerationTest() override {
        if (handle_ != nullptr) test::CloseLibrary(handle_);
    }

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

TEST_F(GenerationTest, RunsTheCommandsDueAndDropsMissingFiles) {
    const char *never = "[a]\nfilename = a.mif\ncommand = " SCRIPT("make") " a.mif\nrefresh = nEvEr\n";
    const char *noFile = "[a]\nfilename = a.mif\ncommand = " SCRIPT("note") " a.mif\nrefresh = always\n";
    const char *notStarted = "[a]\ncommand = no-such-program-of-mifkit a\n[b]\ncommand = \"no such\" b\n";
    // INI, section, files present, the name list left (the rest untouched), the names the commands ran for.
    const std::tuple<const char *, const char *, std::vector<const char *>, std::string, const char *> rows[] = {
        {never, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), ""}, {never, nullptr, {}, Bytes("a.mif\0\0"), "a.mif\n"},
        {noFile, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), "a.mif\n"}, {noFile, nullptr, {}, Bytes("\0"), "a.mif\n"},
        {notStarted, nullptr, {"b"}, Bytes("b\0\0"), ""},
        {"[a]\n[b]\n[c]\n", nullptr, {"a", "c"}, Bytes("a\0c\0\0"), ""},
        {"[a]\n[b]\ncommand = " SCRIPT("make") " b\n", "b", {}, Bytes("b\0\0"), "b\n"},
        {"[a]\n", "zzz", {"zzz"}, Bytes("zzz\0\0"), ""}, {"[a]\n", "zzz", {}, Bytes("\0"), ""}};
    for (const auto &[ini, section, existing, list, ran] : rows) {
        for (const auto &entry : std::filesystem::directory_iterator(".")) std::filesystem::remove(entry);
        for (const auto &[name, text] : kScripts) WriteFile(name, text);
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

}  // namespace
}  // namespace mifkit
