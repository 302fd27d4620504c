// ID = 0 where the writer meant the first ID: IDs count from 1.
#include <string_view>

#include "hints/finders.h"

namespace mifkit::hints {

namespace {

// Whether "ID = 0" stands on the line from `start` to `end`.
bool HasZeroId(const SourceText &source, size_t start, size_t end) {
    for (size_t at = start; at < end; ++at) {
        if (!MatchesWord(source, at, "id") || (at > 0 && IsAsciiLetter(source.at(at - 1)))) continue;
        size_t next = at + 2;
        while (next < end && IsBlank(source.at(next))) ++next;
        if (source.at(next) != U'=') continue;
        ++next;
        while (next < end && IsBlank(source.at(next))) ++next;
        if (source.at(next) != U'0') continue;
        while (source.at(next) == U'0') ++next;
        if (!(source.at(next) >= U'0' && source.at(next) <= U'9') && !IsAsciiLetter(source.at(next))) return true;
    }
    return false;
}

// The block the line stands in: the last "Start Attribute", "Start Group" or
// "Start Table" before it.
std::string_view EnclosingBlock(const SourceText &source, size_t before) {
    for (size_t at = before; at-- > 0;) {
        if (!MatchesWord(source, at, "start")) continue;
        size_t word = at + 5;
        while (word < before && (IsBlank(source.at(word)) || source.at(word) == U'\n')) ++word;
        for (std::string_view block : {"attribute", "group", "table"})
            if (MatchesWord(source, word, block)) return block;
    }
    return {};
}

}  // namespace

std::optional<Hint> FindZeroIdHint(const SourceText &source, const Diagnostic &diagnostic) {
    if (diagnostic.token.find_first_not_of('0') != std::string::npos || diagnostic.token.empty())
        return std::nullopt;
    const size_t start = source.LineStart(diagnostic.sourceLine);
    if (!HasZeroId(source, start, source.LineEnd(start))) return std::nullopt;
    std::string_view block = EnclosingBlock(source, start);
    if (block.empty()) return std::nullopt;
    return Hint{"IDs count from 1: the first " + std::string(block) + " is \"ID = 1\"", std::nullopt};
}

}  // namespace mifkit::hints
