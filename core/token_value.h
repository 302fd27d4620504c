// Counted strings and token values: the semantic values the lexer hands to
// the grammar, and the text form every database record uses.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mifkit {

// A 32-bit byte count followed by that many bytes; the count includes the
// terminating NUL (two bytes for UTF-16 literal text, one for number text).
// Blocks holding one are allocated with at least 4 zero bytes after the
// counted bytes, so readers may run a little past the count safely.
struct CountedString {
    uint32_t length;

    unsigned char *Bytes() { return reinterpret_cast<unsigned char *>(this) + sizeof(length); }
    const unsigned char *Bytes() const {
        return reinterpret_cast<const unsigned char *>(this) + sizeof(length);
    }
    const char *Chars() const { return reinterpret_cast<const char *>(Bytes()); }
};

// Pool block size for a counted string of `length` bytes.
constexpr size_t CountedStringBlockSize(size_t length) {
    return sizeof(uint32_t) + length + 4;
}

enum TokenValueKind : uint32_t {
    kLiteralValue = 0,
    kSignedNumberValue = 1,
    kUnsignedNumberValue = 2,
    kOverlayValue = 3,  // a literal written after '*'; set by the grammar
};

struct TokenValue {
    CountedString *text;
    uint32_t kind;
};

// Equal counts and equal bytes: every lookup by name or class is
// case-sensitive and compares UTF-16 text as bytes.
bool CountedStringsEqual(const CountedString *a, const CountedString *b);

}  // namespace mifkit
