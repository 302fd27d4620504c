// Files saved in encodings the format does not take: found from the bytes at
// the start of the file and the bytes of the offending token.
#include <string_view>

#include "hints/finders.h"
#include "hints/unicode_text.h"

namespace mifkit::hints {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

Fix WholeFile(const SourceText &source, std::string replacement, std::string description) {
    return Fix{0, source.bytes().size(), std::move(replacement), std::move(description)};
}

std::optional<Hint> LittleEndianHint(const SourceText &source) {
    return Hint{"the file is UTF-16 little-endian; MIF takes UTF-16 big-endian with its byte-order mark "
                "(mifkit fix converts it)",
                WholeFile(source, EncodeUtf16BigWithMark(source.chars()),
                          "UTF-16 little-endian -> UTF-16 big-endian with its mark")};
}

std::optional<Hint> Utf8MarkHint(const SourceText &source) {
    std::string_view rest = source.bytes().substr(kUtf8Mark.size());
    if (IsAscii(rest))
        return Hint{"the file starts with a UTF-8 byte-order mark, which MIF does not take; remove it",
                    Fix{0, kUtf8Mark.size(), "", "removed the UTF-8 byte-order mark"}};
    std::u32string text;
    std::optional<Fix> fix;
    if (DecodeUtf8(rest, text))
        fix = WholeFile(source, EncodeUtf16BigWithMark(text), "UTF-8 -> UTF-16 big-endian with its mark");
    return Hint{"the file is UTF-8 with a byte-order mark; MIF takes text beyond ASCII as UTF-16 "
                "big-endian with its byte-order mark",
                fix};
}

}  // namespace

std::optional<Hint> FindUtf8LetterHint(const SourceText &source, const Diagnostic &diagnostic) {
    if (source.encoding() != Encoding::EightBit || diagnostic.token.empty()) return std::nullopt;
    const size_t start = source.LineStart(diagnostic.sourceLine);
    const size_t end = source.LineEnd(start);
    for (size_t at = start; at < end; ++at) {
        if (source.at(at) != static_cast<unsigned char>(diagnostic.token[0])) continue;
        const size_t length = Utf8SequenceLength(source.bytes(), at);
        if (length == 0) continue;
        return Hint{"\"" + source.Utf8(at, at + length) +
                        "\" is UTF-8 text outside a literal, where MIF takes ASCII only; "
                        "write it inside a quoted literal",
                    std::nullopt};
    }
    return std::nullopt;
}

std::optional<Hint> FindEncodingHint(const SourceText &source, const Diagnostic &diagnostic) {
    if (source.encoding() == Encoding::Utf16Little && diagnostic.sourceLine == 0)
        return LittleEndianHint(source);
    if (source.encoding() != Encoding::EightBit || diagnostic.token.empty()) return std::nullopt;
    if (source.bytes().substr(0, kUtf8Mark.size()) == kUtf8Mark && diagnostic.sourceLine == 1 &&
        diagnostic.token[0] == kUtf8Mark[0])
        return Utf8MarkHint(source);
    return std::nullopt;
}

}  // namespace mifkit::hints
