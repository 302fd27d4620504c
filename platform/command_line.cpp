#include "platform/command_line.h"

namespace mifkit::platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) return words;
    // A program name is a file name: it cannot hold quotes, so backslashes
    // before them need no rule.
    std::string program;
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            program += line[at];
    }
    words.push_back(std::move(program));
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at == line.size()) return words;
        std::string word;
        quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            if (line[at] == '\\') {
                size_t backslashes = 0;
                for (; at < line.size() && line[at] == '\\'; ++at) ++backslashes;
                bool beforeQuote = at < line.size() && line[at] == '"';
                word.append(beforeQuote ? backslashes / 2 : backslashes, '\\');
                // An odd count escapes the quote; an even one leaves it to
                // open or close quoting.
                if (beforeQuote && backslashes % 2 == 1) word += line[at++];
            } else if (line[at] == '"') {
                if (quoted && at + 1 < line.size() && line[at + 1] == '"')
                    word += line[++at];
                else
                    quoted = !quoted;
                ++at;
            } else {
                word += line[at++];
            }
        }
        words.push_back(std::move(word));
    }
}

}  // namespace mifkit::platform
