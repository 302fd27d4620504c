// Quoted pieces joined into one literal, escapes resolved with the digit limits of the source's encoding.
// The pool-fault lines of appending are checked end to end in the allocation failure tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "database/literal_joining.h"
#include "core/parse_state.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::CapturedContext;
using test::Utf16;

const std::string kNul = Bytes("\0\0");

// A pool string holding `text` (UTF-16BE) and its NUL, counted.
CountedString *Literal(ParseContext &ctx, const std::string &text) {
    auto *s = static_cast<CountedString *>(ctx.pool.Allocate(
        static_cast<uint32_t>(CountedStringBlockSize(text.size() + 2))));
    s->length = static_cast<uint32_t>(text.size() + 2);
    std::memcpy(s->Bytes(), text.data(), text.size());
    return s;
}

std::string Counted(const CountedString *s) {  // NUL included
    return s == nullptr ? "(null)" : std::string(s->Chars(), s->length);
}

// The text resolved in place, and the bytes it no longer counts zero again.
std::string Resolved(CountedString *s, bool unicode) {
    const uint32_t before = s->length;
    ResolveEscapes(*s, unicode);
    for (uint32_t i = s->length; i < before; ++i)
        if (s->Bytes()[i] != 0) return "byte " + std::to_string(i) + " not cleared";
    return Counted(s);
}

TEST(ResolveEscapes, EveryEscapeInBothEncodings) {
    const std::string hi = Bytes("\x01\x31"), a0 = Utf16("a") + kNul, same = "=";
    const struct { std::string text, eightBit, unicode; } cases[] = {
        {Utf16("\\0"), kNul, same}, {Utf16("ab\\"), Utf16("ab"), same}, {Utf16("ab\\x"), Utf16("ab"), same},
        {a0 + Utf16("\\t"), a0 + Utf16("\t"), same},  // a NUL inside the count is a character
        // A dropped \x frees the next backslash to start an escape.
        {Utf16("\\\"\\a\\b\\f\\n\\r\\t\\v\\q\\\\\\8\\9\\xG\\x\\t"), Utf16("\"\a\b\f\n\r\t\vq\\89G\t"), same},
        {Utf16("\\x414"), Utf16("A4"), Bytes("\x04\x14")},
        {Utf16("\\xfFfFf"), Bytes("\0\xff") + Utf16("fFf"), Bytes("\xff\xff") + Utf16("f")},
        {Utf16("\\1234567"), Utf16("S4567"), Bytes("\xa7\x2e") + Utf16("7")},
        {Utf16("\\777777"), Bytes("\x01\xff") + Utf16("777"), Bytes("\xff\xff")},  // low 16 bits kept
        // A unit with a non-zero high byte is never part of an escape.
        {Bytes("\0\\\x01x") + Utf16("41"), Bytes("\x01x") + Utf16("41"), same},
        {Bytes("\x01\\") + Utf16("t"), Bytes("\x01\\") + Utf16("t"), same},
        {Utf16("\\x4") + hi, Bytes("\0\x04") + hi, same},
    };
    for (const auto &c : cases) for (uint32_t unicode : {0u, 1u}) {
        CapturedContext cc;
        cc.ctx.unicodeSource = unicode;
        EXPECT_EQ(Resolved(Literal(cc.ctx, c.text), unicode),
                  (unicode && c.unicode != same ? c.unicode : c.eightBit) + kNul) << unicode << " case " << &c - cases;
    }
}

TEST(ResolveEscapes, MalformedCountsNeverReadPastTheCount) {
    for (uint32_t count : {0u, 1u, 3u, 5u, 6u}) {  // rounded down to whole units before the NUL
        CapturedContext cc;
        CountedString *s = Literal(cc.ctx, Utf16("a\\t"));
        s->length = count;
        EXPECT_EQ(Resolved(s, false), (count >= 5 ? Utf16("a") : "") + kNul) << count;
    }
}

// Pieces the lexer made one after another are joined in the first one's
// block; pieces apart are copied into a new one, where a pool fault gives
// null silently. Either way the list is emptied, so the next literal starts
// clean, and its entries serve the next literals.
TEST(TakeLiteral, JoinsPiecesAndResolvesAcrossThem) {
    const std::string ab = Utf16("ab");
    const struct { std::vector<std::string> pieces; std::string result; bool apart = false; uint64_t faultAt = 0; } cases[] = {
        {{"", ""}, ""}, {{Utf16("x\\n")}, Utf16("x\n")}, {{Utf16("a\\"), Utf16("tb")}, Utf16("a\tb")},
        {{Utf16("\\x4"), Utf16("1"), "", Utf16("!")}, Utf16("A!")}, {{Utf16("1"), "", Utf16("23\\")}, Utf16("123")},
        // Long later pieces move over the counts of the pieces after them.
        {{Utf16("a"), Utf16("bcdefghijk"), Utf16("lmnopqrstuvwxyz")}, Utf16("abcdefghijklmnopqrstuvwxyz")},
        {{Utf16("a\\"), Utf16("tb")}, Utf16("a\tb"), true}, {{Utf16("1"), "", Utf16("23\\")}, Utf16("123"), true},
        {{ab}, ab, false, 1}, {{ab, ab}, Utf16("abab"), false, 1}, {{ab, ab}, "", true, 1}, {{ab, ab, ab}, "", true, 1},
    };
    for (const auto &c : cases) {
        CapturedContext cc;
        std::vector<CountedString *> texts;  // made first, as the lexer makes them
        for (const std::string &piece : c.pieces) {
            if (c.apart) cc.ctx.pool.Allocate(8);
            texts.push_back(Literal(cc.ctx, piece));
        }
        for (CountedString *text : texts) ASSERT_EQ(AppendLiteral(cc.ctx, text), 0);
        CountedString *first = texts.front();
        const size_t blocks = cc.ctx.pool.BlockCount();
        if (c.faultAt != 0) cc.ctx.pool.SimulateFault(c.faultAt);
        CountedString *joined = TakeLiteral(cc.ctx);
        const bool fails = c.faultAt != 0 && c.apart;
        EXPECT_EQ(Counted(joined), fails ? std::string("(null)") : c.result + kNul) << "case " << &c - cases;
        if (!c.apart) {
            EXPECT_EQ(joined, first) << "case " << &c - cases;
            EXPECT_EQ(cc.ctx.pool.BlockCount(), blocks);
            // What the joined text left of the blocks is zero again.
            EXPECT_EQ(std::string(joined->Chars() + joined->length, 4), std::string(4, '\0'));
        }
        cc.ctx.pool.SimulateFault(0);
        EXPECT_TRUE(cc.ctx.state.literalList == nullptr && cc.ctx.state.literalTail == nullptr);
        EXPECT_EQ(TakeLiteral(cc.ctx), nullptr) << "nothing is left pending";
        EXPECT_EQ(cc.Take(), "");
        const size_t before = cc.ctx.pool.BlockCount();
        for (const char *piece : {"z", "\\\\", "t"})
            ASSERT_EQ(AppendLiteral(cc.ctx, Literal(cc.ctx, Utf16(piece))), 0);
        EXPECT_EQ(cc.ctx.pool.BlockCount(), before + 3 + (3 - std::min<size_t>(3, c.pieces.size())))
            << "three texts, and only the entries no earlier literal left";
        EXPECT_EQ(Counted(TakeLiteral(cc.ctx)), Utf16("z\\t") + kNul);
    }
}

}  // namespace
}  // namespace mifkit
