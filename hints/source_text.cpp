#include "hints/source_text.h"

#include "core/text_encoding.h"

namespace mifkit::hints {

namespace {

constexpr size_t kUnitBytes = 2;

size_t CharBytes(Encoding encoding) { return encoding == Encoding::EightBit ? 1 : kUnitBytes; }

}  // namespace

SourceText::SourceText(std::string_view bytes) : bytes_(bytes) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= kUnitBytes && byte(0) == 0xFE && byte(1) == 0xFF) encoding_ = Encoding::Utf16Big;
    if (bytes.size() >= kUnitBytes && byte(0) == 0xFF && byte(1) == 0xFE) encoding_ = Encoding::Utf16Little;
    if (encoding_ == Encoding::EightBit) {
        chars_.reserve(bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i) chars_ += byte(i);
        return;
    }
    firstOffset_ = kUnitBytes;
    const bool big = encoding_ == Encoding::Utf16Big;
    for (size_t i = kUnitBytes; i + 1 < bytes.size(); i += kUnitBytes)
        chars_ += big ? (byte(i) << 8 | byte(i + 1)) : (byte(i + 1) << 8 | byte(i));
}

size_t SourceText::LineStart(uint32_t line) const {
    if (line == 0) return std::u32string::npos;
    size_t at = 0;
    for (uint32_t n = 1; n < line; ++n) {
        at = chars_.find(U'\n', at);
        if (at == std::u32string::npos) return at;
        ++at;
    }
    return at;
}

size_t SourceText::LineEnd(size_t start) const {
    if (start == std::u32string::npos) return start;
    size_t end = chars_.find(U'\n', start);
    return end == std::u32string::npos ? chars_.size() : end;
}

Fix SourceText::Replace(size_t from, size_t to, std::u32string_view text, std::string description) const {
    const size_t width = CharBytes(encoding_);
    Fix fix;
    fix.offset = firstOffset_ + from * width;
    fix.length = (to - from) * width;
    for (char32_t c : text) {
        if (encoding_ == Encoding::Utf16Big) fix.replacement += '\0';
        fix.replacement += static_cast<char>(c);
        if (encoding_ == Encoding::Utf16Little) fix.replacement += '\0';
    }
    fix.description = std::move(description);
    return fix;
}

std::string SourceText::Utf8(size_t from, size_t to) const {
    if (encoding_ == Encoding::EightBit) return std::string(bytes_.substr(from, to - from));
    std::string units;
    for (size_t i = from; i < to && i < chars_.size(); ++i) {
        units += static_cast<char>(chars_[i] >> 8);
        units += static_cast<char>(chars_[i] & 0xFF);
    }
    return Utf16ToUtf8(reinterpret_cast<const unsigned char *>(units.data()), units.size());
}

bool IsAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r'; }

bool MatchesWord(const SourceText &source, size_t at, std::string_view lowerWord) {
    for (size_t i = 0; i < lowerWord.size(); ++i) {
        char32_t c = source.at(at + i);
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        if (c != static_cast<unsigned char>(lowerWord[i])) return false;
    }
    return true;
}

}  // namespace mifkit::hints
