// What the grammar's actions share: how a builder status is handled, the
// token source, and the small value edits of a few productions.
#pragma once

#include <cstdint>

#include "core/token_value.h"

namespace mifkit {

struct ParseContext;

// How the grammar run ended when an action ended it.
struct GrammarRun {
    bool ended = false;  // an operation's status ended the parse
    int status = 0;
};

// S: a non-zero status is recorded and marks the parse as failed; the parse
// goes on unless it was aborted. False when the parse ends here.
bool RunStandard(ParseContext &ctx, GrammarRun &run, int status);

// E: a non-zero status is recorded and ends the parse at once.
bool RunEndCheck(ParseContext &ctx, GrammarRun &run, int status);

// The next token for the parser, with its value: an OS code for OS names, a
// token value for literals and numbers.
int NextGrammarToken(ParseContext &ctx, uint32_t &os, TokenValue *&value);

// A syntax error or an overflowing parser stack: message 225.
void ReportGrammarError(ParseContext &ctx, const char *message);

inline CountedString *TextOf(const TokenValue *value) {
    return value != nullptr ? value->text : nullptr;
}

// The value of a literal written in a statement: the first piece's token,
// carrying the joined literal.
inline TokenValue *WithText(TokenValue *value, uint32_t kind, CountedString *joined) {
    if (value != nullptr) {
        value->kind = kind;
        value->text = joined;
    }
    return value;
}

inline TokenValue *AsOverlay(TokenValue *value) {
    if (value != nullptr) value->kind = kOverlayValue;
    return value;
}

}  // namespace mifkit
