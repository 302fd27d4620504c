// Quoted pieces are joined into one literal and its backslash escapes
// resolved, with the digit limits of the source's encoding; a pool fault
// reports once and never leaves pieces behind for the next literal.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/literal_joining.h"
#include "database/parse_state.h"
#include "database/records.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::CapturedContext;
using test::Utf16;

const std::string kNul = Bytes("\0\0");
const char kMemoryFault[] = "DMI0220  (File: 0 (1): 0: <>) Memory fault.\n";

// A pool string holding `text` (UTF-16BE) and its NUL, counted.
CountedString *Literal(ParseContext &ctx, const std::string &text) {
    auto *s = static_cast<CountedString *>(ctx.pool.Allocate(
        static_cast<uint32_t>(CountedStringBlockSize(text.size() + 2))));
    s->length = static_cast<uint32_t>(text.size() + 2);
    std::memcpy(s->Bytes(), text.data(), text.size());
    return s;
}

// The counted bytes, NUL included.
std::string Counted(const CountedString *s) {
    return s == nullptr ? "(null)" : std::string(s->Chars(), s->length);
}

std::string Resolve(const std::string &text, uint32_t unicodeSource) {
    CapturedContext c;
    c.ctx.unicodeSource = unicodeSource;
    return Counted(ResolveEscapes(c.ctx, *Literal(c.ctx, text)));
}

struct EscapeCase {
    std::string text;  // UTF-16BE, without the NUL
    std::string eightBit;
    std::string unicode;
};

TEST(ResolveEscapes, EveryEscapeInBothEncodings) {
    const std::string x41 = Utf16("A");
    const EscapeCase cases[] = {
        {"", "", ""},
        {Utf16("plain"), Utf16("plain"), Utf16("plain")},
        {Utf16("a\\tb"), Utf16("a\tb"), Utf16("a\tb")},
        {Utf16("\\q"), Utf16("q"), Utf16("q")},
        {Utf16("\\\\"), Utf16("\\"), Utf16("\\")},
        {Utf16("\\\"\\a\\b\\f\\n\\r\\t\\v"), Utf16("\"\a\b\f\n\r\t\v"), Utf16("\"\a\b\f\n\r\t\v")},
        {Utf16("\\8\\9"), Utf16("89"), Utf16("89")},
        {Utf16("ab\\"), Utf16("ab"), Utf16("ab")},
        {Utf16("ab\\x"), Utf16("ab"), Utf16("ab")},
        {Utf16("\\xG"), Utf16("G"), Utf16("G")},
        // A dropped \x leaves the next backslash free to start an escape.
        {Utf16("\\x\\t"), Utf16("\t"), Utf16("\t")},
        {Utf16("\\x414"), x41 + Utf16("4"), Bytes("\x04\x14")},
        {Utf16("\\x123"), Bytes("\0\x12") + Utf16("3"), Bytes("\x01\x23")},
        {Utf16("\\x100"), Bytes("\0\x10") + Utf16("0"), Bytes("\x01\0")},
        {Utf16("\\xfFfFf"), Bytes("\0\xff") + Utf16("fFf"), Bytes("\xff\xff") + Utf16("f")},
        {Utf16("\\101"), x41, x41},
        {Utf16("\\1014"), x41 + Utf16("4"), Bytes("\x02\x0c")},
        {Utf16("\\0"), kNul, kNul},
        {Utf16("\\777"), Bytes("\x01\xff"), Bytes("\x01\xff")},
        {Utf16("\\1234567"), Utf16("S4567"), Bytes("\xa7\x2e") + Utf16("7")},
        {Utf16("\\17a"), Bytes("\0\x0f") + Utf16("a"), Bytes("\0\x0f") + Utf16("a")},
        // Octal values past 0xFFFF keep their low 16 bits.
        {Utf16("\\200101"), Bytes("\0\x80") + Utf16("101"), x41},
        {Utf16("\\777777"), Bytes("\x01\xff") + Utf16("777"), Bytes("\xff\xff")},
        // A unit with a non-zero high byte is never part of an escape.
        {Bytes("\0\\\x01x") + Utf16("41"), Bytes("\x01x") + Utf16("41"), Bytes("\x01x") + Utf16("41")},
        {Bytes("\x01\\") + Utf16("t"), Bytes("\x01\\") + Utf16("t"), Bytes("\x01\\") + Utf16("t")},
        {Utf16("\\x") + Bytes("\x01\x31"), Bytes("\x01\x31"), Bytes("\x01\x31")},
        {Utf16("\\x4") + Bytes("\x01\x31"), Bytes("\0\x04\x01\x31"), Bytes("\0\x04\x01\x31")},
        // A NUL unit inside the count is a character like any other.
        {Utf16("a") + kNul + Utf16("\\t"), Utf16("a") + kNul + Utf16("\t"), Utf16("a") + kNul + Utf16("\t")},
    };
    for (const EscapeCase &c : cases) {
        EXPECT_EQ(Resolve(c.text, 0), c.eightBit + kNul) << "8-bit, case " << &c - cases;
        EXPECT_EQ(Resolve(c.text, 1), c.unicode + kNul) << "UTF-16, case " << &c - cases;
    }
}

// A malformed count is rounded down to whole units before the NUL; the units
// after it spell an escape that must not be seen.
TEST(ResolveEscapes, MalformedCountsNeverReadPastTheCount) {
    const struct { uint32_t count; std::string result; } cases[] = {
        {0, kNul}, {1, kNul}, {2, kNul}, {3, kNul}, {5, Utf16("a") + kNul}, {6, Utf16("a") + kNul},
    };
    for (const auto &c : cases) {
        CapturedContext cc;
        CountedString *s = Literal(cc.ctx, Utf16("a\\t"));
        s->length = c.count;
        EXPECT_EQ(Counted(ResolveEscapes(cc.ctx, *s)), c.result) << "count " << c.count;
    }
}

// Hundreds of thousands of escapes resolve in one pass.
TEST(ResolveEscapes, LongLiteral) {
    std::string text, expected;
    for (int i = 0; i < 200000; ++i) {
        text += Utf16("\\t");
        expected += Utf16("\t");
    }
    EXPECT_EQ(Resolve(text, 1), expected + kNul);
}

TEST(TakeLiteral, JoinsPiecesAndResolvesAcrossThem) {
    const struct {
        std::vector<std::string> pieces;
        std::string result;
    } cases[] = {
        {{Utf16("ab"), Utf16("cd")}, Utf16("abcd")},
        {{"", ""}, ""},
        {{""}, ""},
        {{Utf16("x\\n")}, Utf16("x\n")},
        {{Utf16("a\\"), Utf16("tb")}, Utf16("a\tb")},
        {{Utf16("\\x4"), Utf16("1"), "", Utf16("!")}, Utf16("A!")},
        {{Utf16("1"), "", Utf16("2"), Utf16("3\\")}, Utf16("123")},
    };
    for (const auto &c : cases) {
        CapturedContext cc;
        CountedString *last = nullptr;
        for (const std::string &piece : c.pieces) {
            last = Literal(cc.ctx, piece);
            ASSERT_EQ(AppendLiteral(cc.ctx, last), 0);
        }
        CountedString *joined = TakeLiteral(cc.ctx);
        EXPECT_EQ(Counted(joined), c.result + kNul) << "case " << &c - cases;
        EXPECT_NE(joined, last) << "a single piece is still copied";
        EXPECT_EQ(cc.ctx.state.literalList, nullptr);
        EXPECT_EQ(cc.ctx.state.literalTail, nullptr);
        EXPECT_EQ(TakeLiteral(cc.ctx), nullptr) << "nothing is left pending";
        EXPECT_EQ(cc.Take(), "");
    }
}

TEST(AppendLiteral, PoolFaultReportsOncePerPiece) {
    CapturedContext c;
    CountedString *first = Literal(c.ctx, Utf16("ab"));
    CountedString *second = Literal(c.ctx, Utf16("cd"));

    c.ctx.pool.SimulateFault(1);
    EXPECT_EQ(AppendLiteral(c.ctx, first), 2012);
    EXPECT_EQ(c.Take(), kMemoryFault);
    EXPECT_EQ(c.ctx.state.literalList, nullptr);

    ASSERT_EQ(AppendLiteral(c.ctx, first), 0);
    c.ctx.pool.SimulateFault(1);
    EXPECT_EQ(AppendLiteral(c.ctx, second), 2011);
    EXPECT_EQ(c.Take(), kMemoryFault);
    ASSERT_NE(c.ctx.state.literalList, nullptr);
    EXPECT_EQ(c.ctx.state.literalTail, c.ctx.state.literalList);
    EXPECT_EQ(Counted(TakeLiteral(c.ctx)), Utf16("ab") + kNul);
}

// A failed join (1) or failed resolution (2) gives null, reports nothing and
// still empties the list, so the next literal starts clean.
TEST(TakeLiteral, PoolFaultEmptiesTheList) {
    const struct { size_t pieces; uint64_t faultAt; } cases[] = {{1, 1}, {2, 1}, {2, 2}, {3, 2}};
    for (const auto &fc : cases) {
        CapturedContext c;
        for (size_t i = 0; i < fc.pieces; ++i) ASSERT_EQ(AppendLiteral(c.ctx, Literal(c.ctx, Utf16("ab"))), 0);
        c.ctx.pool.SimulateFault(fc.faultAt);
        EXPECT_EQ(TakeLiteral(c.ctx), nullptr) << fc.pieces << " pieces, fault " << fc.faultAt;
        EXPECT_EQ(c.ctx.state.literalList, nullptr);
        EXPECT_EQ(c.ctx.state.literalTail, nullptr);
        EXPECT_EQ(c.Take(), "");

        ASSERT_EQ(AppendLiteral(c.ctx, Literal(c.ctx, Utf16("z"))), 0);
        EXPECT_EQ(Counted(TakeLiteral(c.ctx)), Utf16("z") + kNul);
    }
}

}  // namespace
}  // namespace mifkit
