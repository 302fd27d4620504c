// The query exports of the shared library as an agent calls them: size first,
// then the block; unaligned values; templates by class; failure and release
// (every_type.mif is the file they read). Classes given as UTF-8 text: the
// literal bytes they are looked up as, and the blocks found through them. The
// views' records are pinned by the dump they make (see the commands' and the
// Python module's tests).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "mifkit/parser.h"
#include "tests/shared_library.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using DataFn = int (*)(const void *, int, unsigned, const void *, int, const unsigned *, void *);

using test::Words;
const auto Name = test::Utf16Z;

const std::string kSource = test::TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/query/every_type.mif");

class CExportsTest : public test::TempDirTest {
protected:
    template <typename F>
    F Get(const char *name) const { return test::LibrarySymbol<F>(handle_, name); }
    void SetUp() override { TempDirTest::SetUp(); ASSERT_TRUE(handle_ != nullptr && shutdown(0) == 0); }
    ~CExportsTest() override { if (handle_ != nullptr) shutdown(0), test::CloseLibrary(handle_); }

    // Both calls of the protocol, into a malloc'ed block of exactly the size
    // (ASan catches a longer write); "" when the size call gives 0.
    std::string Block(DataFn query, uint32_t id, const std::string &cls, const uint32_t *filter = nullptr) {
        const std::string c = Name("c");
        const char *clsBytes = cls.empty() ? nullptr : cls.data();
        const int size = query(c.data(), 4, id, clsBytes, static_cast<int>(cls.size()), filter, nullptr);
        if (size <= 0) return "";
        auto *block = static_cast<char *>(std::malloc(static_cast<size_t>(size)));
        EXPECT_EQ(query(c.data(), 4, id, clsBytes, static_cast<int>(cls.size()), filter, block), size);
        std::string bytes(block, static_cast<size_t>(size));
        release(block);
        return bytes;
    }

    void *handle_ = test::OpenLibrary(MIFKIT_SHARED_LIBRARY);
    int (*parse)(const char *) = Get<int (*)(const char *)>("ParseMIFFile");
    int (*shutdown)(int) = Get<int (*)(int)>("ShutdownParser");
    int (*groups)(const void *, int, unsigned *) = Get<int (*)(const void *, int, unsigned *)>("GetGroups");
    DataFn groupData = Get<DataFn>("GetGroupData"), tableData = Get<DataFn>("GetTableData");
    void (*release)(void *) = Get<void (*)(void *)>("FreeTableData");
};

TEST_F(CExportsTest, WritesEveryTypeAtUnalignedOffsets) {
    WriteFile("a.mif", kSource);
    ASSERT_EQ(parse("a.mif"), 0);
    // The same bytes from the 32- and 64-bit builds: a block holds no pointers, and 64-bit values are two
    // words, low word first; an octet string without NUL; an enumeration by its element's number, or by
    // the number given when it matched none; a string without a value as the count 0.
    const std::string expected =
        Words({250, 3, 1, 11, 242, 4, 246, 4, 44, 88, 132, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) +
        Words({8, 2, 6, 1, 3, 5, 7, 11, 112, 111, 8, 176, 186, 194, 202, 206, 210, 214, 222, 230, 234, 238, 6}) +
        Name("ab") + Words({0xFFFFFFFF, 0xFFFFFFFF, 0, 0x80000000, 0xFFFFFFFF, 8, 0x80000000, 4}) + test::Utf16("xy") +
        Words({4}) + Name("d") + Words({5, 9, 0}) + Name("c") + Name("k");
    // The ID decides when it exists, else the class; the filter's order does not matter.
    const uint32_t reversed[] = {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, none[] = {0};
    for (const auto &[id, cls] : {std::make_pair(3u, ""), std::make_pair(0u, "k"), std::make_pair(3u, "x"),
                                  std::make_pair(99u, "k")})
        EXPECT_EQ(Block(groupData, id, *cls ? Name(cls) : "", reversed), expected) << id << cls;
    EXPECT_EQ(Block(groupData, 3, ""), expected);
    EXPECT_EQ(Block(groupData, 3, "", none), Words({52, 3, 1, 0, 44, 4, 48, 4, 44, 44, 44}) + Name("c") + Name("k"));
    EXPECT_EQ(Block(groupData, 99, Name("x")) + Block(tableData, 3, ""), "");
    // A pure template is reached by its class alone and gives its defaults.
    EXPECT_EQ(Block(groupData, 0, Name("t")),
              Words({88, 0, 1, 2, 80, 4, 84, 4, 44, 52, 60, 1, 2, 1, 2, 68, 72, 42, 6, 0}) + Name("c") + Name("t"));
    // Three rows of a Counter64 column: 24 bytes, the defaulted row included.
    const uint32_t onlyWide[] = {2, 0};
    EXPECT_EQ(Block(tableData, 9, "", onlyWide),
              Words({88, 9, 3, 1, 80, 4, 84, 4, 44, 48, 52, 2, 2, 56, 2, 1, 6, 0, 5, 0}) + Name("c") + Name("t"));
    unsigned ids[2] = {0, 0};
    EXPECT_EQ(groups(nullptr, 0, nullptr) + groups(nullptr, 0, ids), 4);
    EXPECT_EQ(Words({ids[0], ids[1]}), Words({3, 9}));
    const std::string otherComponent = Name("C");  // names compare case and all
    EXPECT_EQ(groups(otherComponent.data(), 4, nullptr) + groups(otherComponent.data(), -1, nullptr), 0);
}

// A failed parse still lists its IDs but serves no data; after
// ShutdownParser nothing is found and no released block is read.
TEST_F(CExportsTest, FailedParseAndShutdown) {
    WriteFile("bad.mif", kSource.substr(0, kSource.find("Start Table")) + "@\n");
    WriteFile("a.mif", kSource);
    char buffer[8] = "intact";
    for (const bool good : {false, true}) {
        EXPECT_EQ(parse(good ? "a.mif" : "bad.mif"), good ? 0 : 1);
        EXPECT_EQ(groups(nullptr, 0, nullptr), good ? 2 : 1);
        EXPECT_EQ(Block(groupData, 3, "").empty(), !good);
        EXPECT_EQ(Block(tableData, 9, "").empty(), !good);
        EXPECT_EQ(groupData(nullptr, 0, 3, nullptr, 0, nullptr, good ? nullptr : buffer) > 0, good);
        EXPECT_EQ(shutdown(0), 0);
        EXPECT_EQ(groups(nullptr, 0, nullptr) + groupData(nullptr, 0, 3, nullptr, 0, nullptr, buffer) +
                      tableData(nullptr, 0, 9, nullptr, 0, nullptr, buffer), 0);
        EXPECT_STREQ(buffer, "intact");
    }
}

// A view made without a record reads as empty.
TEST(DatabaseViewsTest, DefaultViewIsEmpty) { EXPECT_FALSE(AttributeView().value().element()); }

using test::Bytes;

TEST(ClassTextTest, Utf8BecomesTheStoredLiteral) {
    // UTF-8 text, the literal without the two NUL bytes every literal ends in.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"A|b", Bytes("\0A\0|\0b")},
        {"\xC3\xA9", Bytes("\x00\xE9")},                  // U+00E9
        {"\xE2\x82\xAC", Bytes("\x20\xAC")},             // U+20AC
        {"\xF0\x9F\x98\x80", Bytes("\xD8\x3D\xDE\x00")},  // U+1F600: a surrogate pair
        {"\xFF" "a", Bytes("\xFF\xFD\0a")},               // no sequence begins with 0xFF
        {"\xC0\xAF", Bytes("\xFF\xFD\xFF\xFD")},         // an overlong '/': each byte replaced
        {"\xE2\x82", Bytes("\xFF\xFD\xFF\xFD")},         // cut short
        {"\xED\xA0\x80", Bytes("\xFF\xFD\xFF\xFD\xFF\xFD")},  // an encoded surrogate
    };
    for (const auto &[utf8, literal] : cases) EXPECT_EQ(Utf8ToLiteral(utf8), literal + std::string(2, '\0')) << utf8;
}

TEST(ClassTextTest, BlocksByUtf8ClassEqualThoseByStoredBytes) {
    const Database db = Database::FromFile(MIFKIT_EXAMPLES_DIR "/network_adapter.mif");
    ASSERT_TRUE(db.ok());
    const std::string stored = test::Utf16("Example|Port|002") + std::string(2, '\0');
    const std::vector<uint32_t> speed{4};
    EXPECT_EQ(db.groupDataOfClass("Example|Port|002", speed), db.groupData(0, stored, speed));
    EXPECT_EQ(db.tableDataOfClass("Example|Port|002"), db.tableData(2));
    EXPECT_FALSE(db.tableDataOfClass("Example|Port|002").empty());
    EXPECT_TRUE(db.groupDataOfClass("Example|Port|00").empty());
}

}  // namespace
}  // namespace mifkit
