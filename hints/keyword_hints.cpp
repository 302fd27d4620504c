// Keywords written out or in the plural ("Start Paths", "End Enumeration"):
// the lexer takes the longest keyword, "Start Path", and the letters after
// it fail as a token of their own. Found from the letters before the
// offending one.
#include <string_view>

#include "hints/finders.h"

namespace mifkit::hints {

namespace {

constexpr std::string_view kSecondWords[] = {"component", "path", "enum", "group", "table", "attribute"};
constexpr std::string_view kFirstWords[] = {"start", "end"};

bool IsSeparator(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'"'; }

char32_t Lower(char32_t c) { return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c; }

std::string Capitalised(std::string_view lowerWord) {
    std::string word(lowerWord);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

// The keyword's first word ending at `end` (exclusive), not preceded by a letter.
std::optional<std::string_view> FirstWordBefore(const SourceText &source, size_t end) {
    for (std::string_view word : kFirstWords) {
        if (end < word.size() || !MatchesWord(source, end - word.size(), word)) continue;
        size_t start = end - word.size();
        if (start == 0 || !IsAsciiLetter(source.at(start - 1))) return word;
    }
    return std::nullopt;
}

// The two-word keyword whose second word ends at `at`, with where it starts.
std::optional<Hint> KeywordEndingAt(const SourceText &source, size_t at) {
    for (std::string_view second : kSecondWords) {
        if (at < second.size() || !MatchesWord(source, at - second.size(), second)) continue;
        size_t gap = at - second.size();
        size_t firstEnd = gap;
        while (firstEnd > 0 && IsSeparator(source.at(firstEnd - 1))) --firstEnd;
        if (firstEnd == gap) continue;
        std::optional<std::string_view> first = FirstWordBefore(source, firstEnd);
        if (!first) continue;
        size_t restEnd = at;
        while (IsAsciiLetter(source.at(restEnd))) ++restEnd;
        std::string rest;
        for (size_t i = at; i < restEnd; ++i) rest += static_cast<char>(Lower(source.at(i)));
        const std::string keyword = Capitalised(*first) + " " + Capitalised(second);
        std::string why;
        if (rest == "s" || rest == "es") why = "this keyword has no plural";
        if (second == "enum" && (rest == "eration" || rest == "erations")) why = "the keyword is short for Enumeration";
        if (why.empty()) continue;
        const size_t keywordStart = firstEnd - first->size();
        const std::string written = source.Utf8(keywordStart, firstEnd) + " " + source.Utf8(gap, restEnd);
        const std::string wanted = source.Utf8(keywordStart, firstEnd) + " " + source.Utf8(gap, at);
        return Hint{"write \"" + keyword + "\"; " + why,
                    source.Replace(at, restEnd, U"", "\"" + written + "\" -> \"" + wanted + "\"")};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Hint> FindKeywordHint(const SourceText &source, const Diagnostic &diagnostic) {
    if (diagnostic.token.size() != 1 || !IsAsciiLetter(static_cast<unsigned char>(diagnostic.token[0])))
        return std::nullopt;
    const char32_t letter = Lower(static_cast<unsigned char>(diagnostic.token[0]));
    const size_t start = source.LineStart(diagnostic.sourceLine);
    const size_t end = source.LineEnd(start);
    for (size_t at = start; at < end; ++at) {
        if (Lower(source.at(at)) != letter) continue;
        if (std::optional<Hint> hint = KeywordEndingAt(source, at)) return hint;
    }
    return std::nullopt;
}

}  // namespace mifkit::hints
