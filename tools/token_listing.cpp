#include "tools/token_listing.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "lexer/lexer.h"
#include "lexer/tokens.h"

namespace mifkit::tool {

namespace {

void AppendUtf8(std::string &out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

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
        if (value == nullptr || value->text == nullptr) return std::string();
        return Utf16ToUtf8(value->text->Bytes(),
                           value->text->length >= 2 ? value->text->length - 2 : 0);
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

std::string Utf16ToUtf8(const unsigned char *bytes, size_t length) {
    std::string out;
    for (size_t i = 0; i + 1 < length; i += 2) {
        uint32_t unit = (uint32_t{bytes[i]} << 8) | bytes[i + 1];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < length) {
            uint32_t low = (uint32_t{bytes[i + 2]} << 8) | bytes[i + 3];
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

int ListTokens(ParseContext &ctx, const char *fileName, std::vector<ListedToken> &tokens) {
    int status = OpenSource(ctx, fileName);
    if (status != 0) return status;
    for (;;) {
        // The line feed that follows each literal in the working copy is not
        // yet read when the literal is returned: count literals up to, not
        // including, this token to find its source line.
        uint32_t literalsBefore = ctx.diagnostics.literalCount;
        int token = NextToken(ctx);
        if (token == END_OF_INPUT) break;
        ListedToken listed{};
        listed.line = ctx.lexer.lineNumber - literalsBefore;
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
