// The C exports of the shared library as a host sees them: statuses, the
// exact text on standard output, and temp.mif in the current directory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <tuple>

#include "tests/shared_library.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

namespace fs = std::filesystem;

using ParseFn = int (*)(const char *);
using ShutdownFn = int (*)(int);

const char kSource[] = R"(Start Component
Name = "Ab"
Start Group Name = "g" Class = "k" ID = 5
Start Attribute Name = "a" ID = 1 Type = Counter End Attribute End Group
End Component
)";
const std::string kWorkingCopy = "Start Component\nName = " + test::Marked("Ab") + "\nStart Group Name = " +
                                 test::Marked("g") + " Class = " + test::Marked("k") + " ID = 5\nStart Attribute Name = " +
                                 test::Marked("a") + " ID = 1 Type = Counter End Attribute End Group\nEnd Component\n";
const std::string kAscii = "performing ASCII conversion...\n\tdone\n";

class CInterfaceTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        handle_ = test::OpenLibrary(MIFKIT_SHARED_LIBRARY);
        ASSERT_NE(handle_, nullptr) << test::LibraryError();
        parse_ = test::LibrarySymbol<ParseFn>(handle_, "ParseMIFFile");
        shutdown_ = test::LibrarySymbol<ShutdownFn>(handle_, "ShutdownParser");
        ASSERT_TRUE(parse_ != nullptr && shutdown_ != nullptr);
        ASSERT_EQ(shutdown_(0), 0);  // the library may stay loaded between tests
    }
    void TearDown() override {
        if (handle_ != nullptr) test::CloseLibrary(handle_);
        TempDirTest::TearDown();
    }

    // Calls ParseMIFFile with descriptor 1 sent to a file; `printed` is what reached it.
    int Parse(const char *name, std::string &printed) {
        std::fflush(stdout);
        int saved = ::dup(1);
        int capture = ::open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(capture, 1);
        ::close(capture);
        int status = parse_(name);
        std::fflush(stdout);
        ::dup2(saved, 1);
        ::close(saved);
        printed = ReadFile("stdout.txt");
        fs::remove("stdout.txt");
        return status;
    }

    void *handle_ = nullptr;
    ParseFn parse_ = nullptr;
    ShutdownFn shutdown_ = nullptr;
};

// The host test covers the other calls' lines; here the stream they reach.
TEST_F(CInterfaceTest, CallsPrintTheirLinesOnStandardOutput) {
    WriteFile("a.mif", kSource);
    WriteFile("bad.mif", "Start Component\n @\n");
    const std::tuple<const char *, int, std::string> calls[] = {
        {"a.mif", 0, kAscii}, {"a.mif", 0, ""}, {"bad.mif", 1, kAscii + "DMI0225  (File: 0 (2): 0: <@>) Syntax Error.\n"}};
    for (const auto &[name, status, expected] : calls) {
        std::string printed;
        EXPECT_EQ(Parse(name, printed), status) << name;
        EXPECT_EQ(printed, expected) << name;
    }
    EXPECT_EQ(shutdown_(0), 0);
    EXPECT_EQ(shutdown_(0), 0);
}

// temp.mif holds the working copy, written through a fresh file renamed
// over it: none is left beside it, and a symlink planted there is replaced
// without its target being written.
TEST_F(CInterfaceTest, WritesTempMifInTheCurrentDirectory) {
    WriteFile("a.mif", kSource);
    for (bool planted : {false, true}) {
#ifdef _WIN32
        if (planted) break;  // making a symbolic link needs a privilege there
#endif
        WriteFile("victim.txt", "precious");
        if (planted) fs::create_symlink("victim.txt", "temp.mif");
        std::string printed;
        ASSERT_EQ(Parse(planted ? "./a.mif" : "a.mif", printed), 0);
        EXPECT_FALSE(fs::is_symlink("temp.mif"));
        EXPECT_EQ(ReadFile("temp.mif"), kWorkingCopy);
        EXPECT_EQ(ReadFile("victim.txt"), "precious");
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 3);
        fs::remove("temp.mif");
    }
}

}  // namespace
}  // namespace mifkit
