// A class string written without its quotes (Class = VENDOR|GROUP|1.0): the
// grammar wants a literal and fails on the first token of the bare text.
#include "hints/finders.h"

namespace mifkit::hints {

namespace {

size_t SkipBlanks(const SourceText &source, size_t at, size_t end) {
    while (at < end && IsBlank(source.at(at))) ++at;
    return at;
}

// Where the bare value ends: before a comment and trailing blanks.
size_t ValueEnd(const SourceText &source, size_t from, size_t end) {
    size_t stop = from;
    while (stop < end && !(source.at(stop) == U'/' && source.at(stop + 1) == U'/')) ++stop;
    while (stop > from && IsBlank(source.at(stop - 1))) --stop;
    return stop;
}

bool StartsWithToken(const SourceText &source, size_t at, const std::string &token) {
    for (size_t i = 0; i < token.size(); ++i) {
        char32_t c = source.at(at + i), t = static_cast<unsigned char>(token[i]);
        if (c != t && !(IsAsciiLetter(c) && (c | 0x20) == (t | 0x20))) return false;
    }
    return !token.empty();
}

}  // namespace

std::optional<Hint> FindClassHint(const SourceText &source, const Diagnostic &diagnostic) {
    const size_t start = source.LineStart(diagnostic.sourceLine);
    const size_t end = source.LineEnd(start);
    for (size_t at = start; at < end; ++at) {
        if (!MatchesWord(source, at, "class") || (at > 0 && IsAsciiLetter(source.at(at - 1)))) continue;
        size_t equal = SkipBlanks(source, at + 5, end);
        if (source.at(equal) != U'=' || equal >= end) continue;
        size_t value = SkipBlanks(source, equal + 1, end);
        size_t valueEnd = ValueEnd(source, value, end);
        if (value == valueEnd || !StartsWithToken(source, value, diagnostic.token)) continue;
        if (source.chars().find(U'"', value) < valueEnd) continue;
        const std::u32string bare = source.chars().substr(value, valueEnd - value);
        const std::string text = source.Utf8(value, valueEnd);
        return Hint{"a class string is a literal: write Class = \"" + text + "\"",
                    source.Replace(value, valueEnd, U"\"" + bare + U"\"", text + " -> \"" + text + "\"")};
    }
    return std::nullopt;
}

}  // namespace mifkit::hints
