// The token listing of `mifkit tokens`: what the lexer makes of a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "driver/parse_driver.h"

namespace mifkit::tool {

struct ListedToken {
    uint32_t line;      // the source line the token starts on
    int token;
    std::string value;  // display form; empty for tokens without a value
    bool numericValue;  // the value is a number (an OS code), not a text
};

// Converts the file and lists its tokens up to the end of input. Returns the
// conversion's status (0, 525 or 11); its diagnostics go to ctx.sink.
int ListTokens(ParseContext &ctx, const char *fileName, std::vector<ListedToken> &tokens);

// One line per token: line, token number, name and value, tab-separated.
std::string FormatTokenLines(const std::vector<ListedToken> &tokens);
std::string FormatTokenJson(const std::vector<ListedToken> &tokens);

}  // namespace mifkit::tool
