#include "database/literal_joining.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/block_pool.h"
#include "core/records.h"
#include "database/builder_support.h"

namespace mifkit {

namespace {

constexpr unsigned char kBackslash = 0x5C;

// Whole UTF-16 units before the terminating NUL. A count below 2 or an odd
// count is rounded down, so nothing past the counted bytes is ever read.
size_t TextUnits(const CountedString *text) {
    if (text == nullptr || text->length < 2) return 0;
    return (text->length - 2) / 2;
}

// A zero-filled string block for `units` characters plus the NUL; null when
// the pool is exhausted or the count would not fit in 32 bits.
CountedString *NewLiteral(ParseContext &ctx, size_t units) {
    size_t length = 2 * units + 2;
    size_t size = CountedStringBlockSize(length);
    if (units > (SIZE_MAX - 16) / 2 || size > UINT32_MAX) return nullptr;
    auto *text = static_cast<CountedString *>(ctx.pool.Allocate(static_cast<uint32_t>(size)));
    if (text != nullptr) text->length = static_cast<uint32_t>(length);
    return text;
}

int HexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int SimpleEscape(unsigned char c) {
    switch (c) {
    case '"': return 0x22;
    case '\\': return 0x5C;
    case 'a': return 0x07;
    case 'b': return 0x08;
    case 'f': return 0x0C;
    case 'n': return 0x0A;
    case 'r': return 0x0D;
    case 't': return 0x09;
    case 'v': return 0x0B;
    default: return -1;
    }
}

// Resolves the escapes of one text in place from unit `from`, its first
// backslash: an escape never lengthens the text, so the write position never
// passes the read position.
class EscapeWalk {
public:
    EscapeWalk(unsigned char *text, size_t units, size_t from)
        : in_(text), units_(units), out_(text), pos_(from), written_(from) {}

    size_t Run(bool unicodeSource) {
        const size_t maxHex = unicodeSource ? 4 : 2;
        const size_t maxOctal = unicodeSource ? 6 : 3;
        while (pos_ < units_) {
            if (!IsPlain(pos_) || Low(pos_) != kBackslash) {
                Copy(pos_++);
                continue;
            }
            // A backslash that ends the text is dropped.
            if (++pos_ == units_) break;
            if (!IsPlain(pos_)) {
                Copy(pos_++);
                continue;
            }
            unsigned char c = Low(pos_);
            int simple = SimpleEscape(c);
            if (simple >= 0) {
                Emit(static_cast<uint32_t>(simple));
                ++pos_;
            } else if (c == 'x') {
                ++pos_;
                size_t digits = 0;
                uint32_t value = ReadDigits(16, maxHex, digits);
                // With no digit the backslash and x vanish and the next
                // character is read as usual.
                if (digits > 0) Emit(value);
            } else if (c >= '0' && c <= '7') {
                size_t digits = 0;
                // Six octal digits reach 0777777; only the low 16 bits fit a unit.
                Emit(ReadDigits(8, maxOctal, digits) & 0xFFFF);
            } else {
                Copy(pos_++);
            }
        }
        return written_;
    }

private:
    bool IsPlain(size_t i) const { return in_[2 * i] == 0; }
    unsigned char Low(size_t i) const { return in_[2 * i + 1]; }

    void Copy(size_t i) {
        const unsigned char high = in_[2 * i], low = in_[2 * i + 1];
        out_[2 * written_] = high;
        out_[2 * written_ + 1] = low;
        ++written_;
    }
    void Emit(uint32_t value) {
        out_[2 * written_] = static_cast<unsigned char>(value >> 8);
        out_[2 * written_ + 1] = static_cast<unsigned char>(value);
        ++written_;
    }

    // Digits of `base` with a zero high byte, at most `maxDigits` of them.
    uint32_t ReadDigits(int base, size_t maxDigits, size_t &digits) {
        uint32_t value = 0;
        while (digits < maxDigits && pos_ < units_ && IsPlain(pos_)) {
            int d = HexValue(Low(pos_));
            if (d < 0 || d >= base) break;
            value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
            ++digits;
            ++pos_;
        }
        return value;
    }

    const unsigned char *in_;
    size_t units_;
    unsigned char *out_;
    size_t pos_;
    size_t written_;
};

// The first unit that is a backslash (high byte 0, low byte 0x5C), or
// `units`: most literals have none, and memchr passes over them at memory
// speed.
size_t FirstBackslash(const unsigned char *text, size_t units) {
    const unsigned char *p = text, *end = text + 2 * units;
    while (p < end) {
        const void *hit = std::memchr(p, kBackslash, static_cast<size_t>(end - p));
        if (hit == nullptr) break;
        const size_t at = static_cast<size_t>(static_cast<const unsigned char *>(hit) - text);
        if (at % 2 == 1 && text[at - 1] == 0) return at / 2;
        p = text + at + 1;
    }
    return units;
}

// Where the pool block holding `text` ends, as the lexer sized it.
const unsigned char *BlockEnd(const CountedString *text) {
    const size_t size = CountedStringBlockSize(text->length);
    return reinterpret_cast<const unsigned char *>(text) + ((size + kBlockAlignment - 1) & ~(kBlockAlignment - 1));
}

// True when each piece's block starts where the one before ends, as the
// pieces of one literal do when the lexer made them one after another.
bool Contiguous(const LiteralPiece *first, const LiteralPiece *last) {
    for (const LiteralPiece *p = first; p != last; p = p->next)
        if (p->piece == nullptr || p->next->piece == nullptr ||
            BlockEnd(p->piece) != reinterpret_cast<const unsigned char *>(p->next->piece))
            return false;
    return true;
}

// Joins contiguous pieces into the first one's block: each piece's text
// moves back over the headers and ends before it, which the joined text
// never outgrows. The rest of the blocks becomes zero again.
CountedString *JoinInPlace(const LiteralPiece *first, const LiteralPiece *last) {
    CountedString *joined = first->piece;
    // Taken before the moves, which may cover the last piece's count.
    const unsigned char *end = BlockEnd(last->piece);
    unsigned char *out = joined->Bytes() + 2 * TextUnits(joined);
    for (const LiteralPiece *p = first->next;; p = p->next) {
        const size_t bytes = 2 * TextUnits(p->piece);
        std::memmove(out, p->piece->Bytes(), bytes);
        out += bytes;
        if (p == last) break;
    }
    std::memset(out, 0, static_cast<size_t>(end - out));
    joined->length = static_cast<uint32_t>(out - joined->Bytes() + 2);
    return joined;
}

// Gives a spent list's entries to the next literals, which then take no
// pool memory for their pieces.
void RecyclePieces(ParseState &state, LiteralPiece *first, LiteralPiece *last) {
    last->next = state.sparePieces;
    state.sparePieces = first;
}

}  // namespace

int AppendLiteral(ParseContext &ctx, CountedString *piece) {
    ParseState &state = ctx.state;
    LiteralPiece *entry = state.sparePieces;
    if (entry != nullptr) {
        state.sparePieces = entry->next;
        entry->next = nullptr;
        (state.literalTail != nullptr ? state.literalTail->next : state.literalList) = entry;
    } else {
        int status = 0;
        entry = AppendRecord(ctx, state.literalTail, state.literalList, kNoMemoryForLiteralPiece,
                             kNoMemoryForFirstLiteralPiece, status);
        if (entry == nullptr) return status;
    }
    entry->piece = piece;
    state.literalTail = entry;
    return 0;
}

CountedString *TakeLiteral(ParseContext &ctx) {
    LiteralPiece *first = ctx.state.literalList;
    LiteralPiece *last = ctx.state.literalTail;
    // Emptied before anything can fail, so the next statement's literal
    // never inherits these pieces; the entries are only read from here on.
    ctx.state.literalList = nullptr;
    ctx.state.literalTail = nullptr;
    if (first == nullptr) return nullptr;
    RecyclePieces(ctx.state, first, last);
    if (first == last) {
        // The piece is the token's own text, used by nothing else: it is
        // resolved where it stands.
        CountedString *text = first->piece != nullptr ? first->piece : NewLiteral(ctx, 0);
        if (text != nullptr) ResolveEscapes(*text, ctx.unicodeSource);
        return text;
    }

    if (Contiguous(first, last)) {
        CountedString *joined = JoinInPlace(first, last);
        ResolveEscapes(*joined, ctx.unicodeSource);
        return joined;
    }
    size_t total = 0;
    for (const LiteralPiece *p = first;; p = p->next) {
        total += TextUnits(p->piece);
        if (total > UINT32_MAX) return nullptr;
        if (p == last) break;
    }
    CountedString *joined = NewLiteral(ctx, total);
    if (joined == nullptr) return nullptr;
    unsigned char *out = joined->Bytes();
    for (const LiteralPiece *p = first;; p = p->next) {
        size_t bytes = 2 * TextUnits(p->piece);
        if (bytes != 0) std::memcpy(out, p->piece->Bytes(), bytes);
        out += bytes;
        if (p == last) break;
    }
    // Escapes are resolved on the joined text, so one may span two pieces.
    ResolveEscapes(*joined, ctx.unicodeSource);
    return joined;
}

void ResolveEscapes(CountedString &text, bool unicodeSource) {
    const size_t units = TextUnits(&text);
    unsigned char *bytes = text.Bytes();
    const size_t from = FirstBackslash(bytes, units);
    if (from == units && text.length == 2 * units + 2) return;
    const size_t written = EscapeWalk(bytes, units, from).Run(unicodeSource);
    // What the text no longer holds becomes zero again, as the block had it,
    // and readers running a little past the count still find zeros.
    // The NUL is written too: a malformed count may not have left one.
    const size_t kept = 2 * written;
    std::memset(bytes + kept, 0, std::max<size_t>(text.length, kept + 2) - kept);
    text.length = static_cast<uint32_t>(kept + 2);
}

}  // namespace mifkit
