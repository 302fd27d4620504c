// UTF-16BE literal text as UTF-8, for tools and readable diagnostics, and
// UTF-8 text as a literal is stored, for look-ups by a caller's text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/token_value.h"

namespace mifkit {

// UTF-16BE bytes as UTF-8; surrogate pairs are joined and a lone surrogate
// becomes U+FFFD.
std::string Utf16ToUtf8(const unsigned char *bytes, size_t length);

// A literal's text without its NUL; empty for null.
std::string LiteralToUtf8(const CountedString *text);

// UTF-8 text as the database stores a literal: UTF-16BE and two NUL bytes.
// A byte that begins no valid sequence becomes U+FFFD.
std::string Utf8ToLiteral(std::string_view utf8);

}  // namespace mifkit
