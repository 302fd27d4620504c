// UTF-16BE literal text as UTF-8, for tools and readable diagnostics.
#pragma once

#include <cstddef>
#include <string>

#include "core/token_value.h"

namespace mifkit {

// UTF-16BE bytes as UTF-8; surrogate pairs are joined and a lone surrogate
// becomes U+FFFD.
std::string Utf16ToUtf8(const unsigned char *bytes, size_t length);

// A literal's text without its NUL; empty for null.
std::string LiteralToUtf8(const CountedString *text);

}  // namespace mifkit
