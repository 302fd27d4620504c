#include "tools/token_listing.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/text_encoding.h"
#include "lexer/lexer.h"
#include "core/tokens.h"

namespace mifkit::tool {

namespace {

// Quoted as the source writes it (a literal keeps its backslashes), with
// control characters and bytes that are not text shown as \xNN.
std::string Quoted(const std::string &text, bool bytesAreUtf8) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && !bytesAreUtf8)) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string DisplayValue(const ParseContext &ctx, int token, bool &numeric) {
    numeric = false;
    const TokenValue *value = ctx.lexer.current.value;
    switch (token) {
    case OS_NAME:
        numeric = true;
        return std::to_string(ctx.lexer.current.osCode);
    case QUOTEDSTRING:
    case DIRECT_INTERFACE:
        return value != nullptr ? LiteralToUtf8(value->text) : std::string();
    case INTEGER:
    case UINTEGER:
        if (value == nullptr || value->text == nullptr) return std::string();
        return std::string(value->text->Chars(), value->text->length - 1);
    case GARBAGE:
        return ctx.lexer.tokenText;
    default:
        return std::string();
    }
}

}  // namespace

int ListTokens(ParseContext &ctx, const char *fileName, std::vector<ListedToken> &tokens) {
    int status = OpenSource(ctx, fileName);
    if (status != 0) return status;
    for (;;) {
        int token = NextToken(ctx);
        if (token == END_OF_INPUT) break;
        ListedToken listed{};
        listed.line = ctx.lexer.tokenSourceLine;
        listed.token = token;
        listed.value = DisplayValue(ctx, token, listed.numericValue);
        tokens.push_back(std::move(listed));
    }
    return 0;
}

std::string FormatTokenLines(const std::vector<ListedToken> &tokens) {
    std::string out;
    for (const ListedToken &t : tokens) {
        out += std::to_string(t.line) + '\t' + std::to_string(t.token) + '\t' + TokenName(t.token);
        bool hasValue = t.numericValue || t.token == QUOTEDSTRING || t.token == DIRECT_INTERFACE ||
                        t.token == INTEGER || t.token == UINTEGER || t.token == GARBAGE;
        if (hasValue) {
            out += '\t';
            out += t.numericValue || t.token == INTEGER || t.token == UINTEGER
                       ? t.value
                       : Quoted(t.value, t.token != GARBAGE);
        }
        out += '\n';
    }
    return out;
}

std::string FormatTokenJson(const std::vector<ListedToken> &tokens) {
    nlohmann::json list = nlohmann::json::array();
    for (const ListedToken &t : tokens) {
        nlohmann::json entry = {{"line", t.line}, {"token", t.token}, {"name", TokenName(t.token)}};
        if (t.numericValue)
            entry["value"] = std::stoul(t.value);
        else if (!t.value.empty() || t.token == QUOTEDSTRING)
            entry["value"] = t.value;
        list.push_back(std::move(entry));
    }
    // Garbage bytes need not be UTF-8: replace rather than fail.
    return list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace mifkit::tool
