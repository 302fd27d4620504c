// The C exports of MIF generation as a host sees them through the shared
// library, with real commands run in a temporary directory, and the tool's
// generate command on the bundled example.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "mifkit/parser.h"
#include "tests/shared_library.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;

const std::string kIni = test::Here("a.ini"), kNoIni = test::Here("none.ini");

// The commands' scripts, each taking a file name: make writes the file, and
// both note that they ran in ran.txt. On Windows cmd.exe runs batch files,
// whose echo ends lines in CR LF.
#ifdef _WIN32
const std::pair<const char *, const char *> kScripts[] = {
    {"make.cmd", "@echo %1>>ran.txt\r\n@type nul>%1\r\n"}, {"note.cmd", "@echo %1>>ran.txt\r\n"}};
std::string Commands(std::string ini) {
    for (const char *script : {"make", "note"}) {
        const std::string posix = std::string("sh ") + script + ".sh";
        for (size_t at; (at = ini.find(posix)) != std::string::npos;)
            ini.replace(at, posix.size(), std::string("cmd /c ") + script + ".cmd");
    }
    return ini;
}
std::string Lines(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}
#else
const std::pair<const char *, const char *> kScripts[] = {
    {"make.sh", "echo \"$1\" >> ran.txt; : > \"$1\"\n"}, {"note.sh", "echo \"$1\" >> ran.txt\n"}};
std::string Commands(std::string ini) { return ini; }
std::string Lines(std::string text) { return text; }
#endif

class GenerationTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        handle_ = test::OpenLibrary(MIFKIT_SHARED_LIBRARY);
        ASSERT_NE(handle_, nullptr) << test::LibraryError();
        Bind(getIniString_, "GetINIString");
        Bind(getMifFilename_, "GetMIFFilename");
        Bind(generate_, "GenerateMIFFile");
        Bind(execute_, "ExecuteCommand");
    }
    void TearDown() override {
        if (handle_ != nullptr) test::CloseLibrary(handle_);
        TempDirTest::TearDown();
    }
    template <class Function>
    void Bind(Function &function, const char *name) {
        function = test::LibrarySymbol<Function>(handle_, name);
        ASSERT_NE(function, nullptr) << name;
    }

    // GetINIString's result and its string: `listBytes` of a list, or the
    // value up to its NUL; "(null)" for a null pointer.
    std::pair<int, std::string> IniString(const char *section, const char *key, const char *file,
                                          size_t listBytes = 0) {
        char *out = reinterpret_cast<char *>(1);
        int length = getIniString_(section, key, file, &out);
        std::string text = out == nullptr ? "(null)" : listBytes ? std::string(out, listBytes) : out;
        std::free(out);
        return {length, text};
    }
    // The whole buffer a host sizes with GetMIFFilename, plus two guard bytes,
    // after `fill` (GetMIFFilename or GenerateMIFFile) wrote it.
    template <class Fill>
    std::string Buffer(const char *section, Fill fill) {
        std::string buffer(static_cast<size_t>(getMifFilename_(kIni.c_str(), section, nullptr)) + 2, '#');
        fill(kIni.c_str(), section, buffer.data());
        return buffer;
    }

    void *handle_ = nullptr;
    int (*getIniString_)(const char *, const char *, const char *, char **) = nullptr;
    int (*getMifFilename_)(const char *, const char *, char *) = nullptr;
    void (*generate_)(const char *, const char *, char *) = nullptr;
    int (*execute_)(const char *) = nullptr;
};

TEST_F(GenerationTest, ListsTheMifFilesOfTheIniFile) {
    WriteFile("a.ini", "[a]\nfilename = x.mif\n[b]\n[c]\nfilename =\n");
    EXPECT_EQ(Buffer(nullptr, getMifFilename_), Bytes("x.mif\0b\0c\0\0##"));
    EXPECT_EQ(Buffer("a", getMifFilename_), Bytes("x.mif\0\0##"));
    EXPECT_EQ(Buffer("zzz", getMifFilename_), Bytes("zzz\0\0##"));
    WriteFile("a.ini", "[a]\nfilename = x.mif\n[b]\n");
    EXPECT_EQ(getMifFilename_(kIni.c_str(), nullptr, nullptr), 9);
    EXPECT_EQ(getMifFilename_(kIni.c_str(), "a", nullptr), 7);
    EXPECT_EQ(getMifFilename_(kIni.c_str(), "zzz", nullptr), 5);
    std::string untouched = "##";
    EXPECT_EQ(getMifFilename_(kNoIni.c_str(), nullptr, untouched.data()), 0);
    EXPECT_EQ(untouched, "##");
}

TEST_F(GenerationTest, ReadsIniStringsOfAnyLength) {
    std::string ini = "[s]\n", list;
    for (size_t length : {255, 256, 511, 600}) ini += "v" + std::to_string(length) + "=" + std::string(length, 'x') + "\n";
    for (int i = 100; i < 200; ++i) ini += "[" + std::to_string(i) + "]\n", list += std::to_string(i) + '\0';
    WriteFile("a.ini", ini);
    for (size_t length : {255, 256, 511, 600})
        EXPECT_EQ(IniString("s", ("v" + std::to_string(length)).c_str(), kIni.c_str()),
                  std::make_pair(static_cast<int>(length), std::string(length, 'x')));
    EXPECT_EQ(IniString(nullptr, nullptr, kIni.c_str(), 402), std::make_pair(401, Bytes("s\0") + list));
    EXPECT_EQ(IniString("s", "none", kIni.c_str()), std::make_pair(0, std::string("(null)")));
    EXPECT_EQ(IniString("s", "v255", nullptr), std::make_pair(0, std::string("(null)")));
    EXPECT_EQ(IniString(nullptr, nullptr, kNoIni.c_str()), std::make_pair(-1, std::string("(null)")));
}

struct GenerateRow {
    const char *ini, *section;
    std::vector<const char *> existing;
    std::string list;  // the name list left; the rest of the buffer untouched
    const char *ran;   // the names the commands ran for
};

TEST_F(GenerationTest, RunsTheCommandsDueAndDropsMissingFiles) {
    const char *never = "[a]\nfilename = a.mif\ncommand = sh make.sh a.mif\nrefresh = nEvEr\n";
    const char *noFile = "[a]\nfilename = a.mif\ncommand = sh note.sh a.mif\nrefresh = always\n";
    const char *notStarted = "[a]\ncommand = no-such-program-of-mifkit a\n[b]\ncommand = \"no such\" b\n";
    const GenerateRow rows[] = {
        {never, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), ""},
        {never, nullptr, {}, Bytes("a.mif\0\0"), "a.mif\n"},
        {noFile, nullptr, {"a.mif"}, Bytes("a.mif\0\0"), "a.mif\n"},
        {noFile, nullptr, {}, Bytes("\0"), "a.mif\n"},
        {notStarted, nullptr, {"b"}, Bytes("b\0\0"), ""},
        {"[a]\n[b]\n[c]\n", nullptr, {"a", "c"}, Bytes("a\0c\0\0"), ""},
        {"[a]\n[b]\n", nullptr, {"a"}, Bytes("a\0\0"), ""},
        {"[a]\n[b]\ncommand = sh make.sh b\n", "b", {}, Bytes("b\0\0"), "b\n"},
        {"[a]\n", "zzz", {"zzz"}, Bytes("zzz\0\0"), ""},
        {"[a]\n", "zzz", {}, Bytes("\0"), ""},
    };
    for (const GenerateRow &row : rows) {
        for (const auto &entry : std::filesystem::directory_iterator(".")) std::filesystem::remove(entry);
        for (const auto &[name, text] : kScripts) WriteFile(name, text);
        WriteFile("a.ini", Commands(row.ini));
        for (const char *name : row.existing) WriteFile(name, "");
        std::string buffer = Buffer(row.section, generate_);
        EXPECT_EQ(buffer, row.list + std::string(buffer.size() - row.list.size(), '#')) << row.ini;
        EXPECT_EQ(Lines(ReadFile("ran.txt")), row.ran) << row.ini;
    }
}

TEST_F(GenerationTest, ExecutesCommandLinesWithoutAShell) {
    WriteFile("args.sh", "for a; do printf '[%s]' \"$a\"; done > args.txt\n");
    const std::tuple<const char *, int, const char *> rows[] = {
        {nullptr, 0, ""},
        {"", 0, ""},
        {"   ", 1, ""},
        {"no-such-program-of-mifkit", 1, ""},
        {"./args.sh", 1, ""},  // not executable
#ifdef _WIN32
        // The program splits its own command line: cmd.exe gets it whole.
        {"cmd /c echo [a b]>args.txt", 0, "[a b]\r\n"},
#else
        {"sh args.sh \"a b\" x\\\"y \"\" \"c:\\dir\\\\\" $HOME;", 0, "[a b][x\"y][][c:\\dir\\][$HOME;]"},
#endif
    };
    for (const auto &[line, status, args] : rows) {
        EXPECT_EQ(execute_(line), status) << (line ? line : "(null)");
        EXPECT_EQ(ReadFile("args.txt"), args) << (line ? line : "(null)");
    }
}

TEST_F(GenerationTest, ToolGeneratesTheExampleFiles) {
#ifdef _WIN32
    GTEST_SKIP() << "the example's commands are shell scripts";
#endif
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

}  // namespace
}  // namespace mifkit
