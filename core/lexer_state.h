// What the lexer keeps between tokens of one parse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/token_value.h"
#include "core/working_copy.h"

namespace mifkit {

// The value the lexer leaves for the grammar with the token it returned.
// Only OS_NAME sets `osCode`; literals and numbers set `value`; every other
// token leaves both as they were.
struct CurrentTokenValue {
    uint32_t osCode;
    TokenValue *value;
};

// Facts about the rest of one line, found once and reused by every quote or
// comment on it, so that stray quotes never make a line be scanned twice.
struct LineScan {
    size_t from = 0;
    size_t lineEnd = 0;     // offset of the line feed, or the end of input
    size_t lastRunEnd = 0;  // just past the last run of six 0xFF bytes, or 0
    bool valid = false;
};

// The text of the token returned last. A compact literal's text is its
// marked form, made only when something reads it (a diagnostic, a listing).
class TokenText {
public:
    const std::string &str() const {
        if (pending_) {
            text_.clear();
            AppendMarkedLiteral(pendingText_, pendingUnicode_, text_);
            pending_ = false;
        }
        return text_;
    }
    operator const std::string &() const { return str(); }
    const char *c_str() const { return str().c_str(); }

    TokenText &operator=(std::string_view text) {
        assign(text.data(), text.size());
        return *this;
    }
    void assign(const char *text, size_t length) {
        pending_ = false;
        text_.assign(text, length);
    }
    void clear() { assign("", 0); }
    // `sourceText` must stay readable until the next token or CloseLexer.
    void SetLiteral(std::string_view sourceText, bool unicode) {
        pending_ = true;
        pendingText_ = sourceText;
        pendingUnicode_ = unicode;
    }

private:
    mutable std::string text_;
    mutable bool pending_ = false;
    std::string_view pendingText_;
    bool pendingUnicode_ = false;
};

struct LexerState {
    LexerState() = default;
    ~LexerState();
    LexerState(const LexerState &) = delete;
    LexerState &operator=(const LexerState &) = delete;

    void *scanner = nullptr;  // the flex scanner
    WorkingCopy copy;         // input, cut at its first NUL byte, then flex's two NULs
    size_t inputSize = 0;     // bytes of input before those NULs
    LineScan lineScan;
    uint32_t lineNumber = 1;
    // The source line the returned token starts on. The line number above
    // runs ahead by the line feed the working copy adds after each literal,
    // and behind by the line feeds UTF-16 literals hold (marked, not raw).
    uint32_t tokenSourceLine = 1;
    uint32_t literalLineFeeds = 0;
    int lastToken = 0;
    bool atEnd = false;
    TokenText tokenText;
    CurrentTokenValue current{};
    std::vector<unsigned char> literalBuffer;
};

}  // namespace mifkit
