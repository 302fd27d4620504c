#include "database/literal_joining.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

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

// Walks the units of one text, writing the resolved characters.
class EscapeWalk {
public:
    EscapeWalk(const unsigned char *in, size_t units, unsigned char *out)
        : in_(in), units_(units), out_(out) {}

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
        out_[2 * written_] = in_[2 * i];
        out_[2 * written_ + 1] = in_[2 * i + 1];
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
    size_t pos_ = 0;
    size_t written_ = 0;
};

}  // namespace

int AppendLiteral(ParseContext &ctx, CountedString *piece) {
    ParseState &state = ctx.state;
    int status = 0;
    auto *entry = AppendRecord(ctx, state.literalTail, state.literalList, kNoMemoryForLiteralPiece,
                               kNoMemoryForFirstLiteralPiece, status);
    if (entry == nullptr) return status;
    entry->piece = piece;
    state.literalTail = entry;
    return 0;
}

CountedString *TakeLiteral(ParseContext &ctx) {
    LiteralPiece *first = ctx.state.literalList;
    // Emptied before anything can fail, so the next statement's literal
    // never inherits these pieces.
    ctx.state.literalList = nullptr;
    ctx.state.literalTail = nullptr;
    if (first == nullptr) return nullptr;
    if (first->next == nullptr) {
        if (first->piece != nullptr) return ResolveEscapes(ctx, *first->piece);
        const CountedString none{0};
        return ResolveEscapes(ctx, none);
    }

    size_t total = 0;
    for (const LiteralPiece *p = first; p != nullptr; p = p->next) {
        total += TextUnits(p->piece);
        if (total > UINT32_MAX) return nullptr;
    }
    CountedString *joined = NewLiteral(ctx, total);
    if (joined == nullptr) return nullptr;
    unsigned char *out = joined->Bytes();
    for (const LiteralPiece *p = first; p != nullptr; p = p->next) {
        size_t bytes = 2 * TextUnits(p->piece);
        if (bytes == 0) continue;
        std::memcpy(out, p->piece->Bytes(), bytes);
        out += bytes;
    }
    // Escapes are resolved on the joined text, so one may span two pieces.
    return ResolveEscapes(ctx, *joined);
}

CountedString *ResolveEscapes(ParseContext &ctx, const CountedString &text) {
    // An escape never lengthens the text, so the input's size is enough.
    size_t units = TextUnits(&text);
    CountedString *result = NewLiteral(ctx, units);
    if (result == nullptr) return nullptr;
    EscapeWalk walk(text.Bytes(), units, result->Bytes());
    size_t written = walk.Run(ctx.unicodeSource);
    result->length = static_cast<uint32_t>(2 * written + 2);
    return result;
}

}  // namespace mifkit
