// UTF-8 and UTF-16 conversions for re-encoding a source file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mifkit::hints {

// The length of the well-formed UTF-8 sequence at `at` (2 to 4 bytes), or 0
// when none starts there (ASCII included).
size_t Utf8SequenceLength(std::string_view bytes, size_t at);

// Decodes UTF-8; false when the bytes are not well formed.
bool DecodeUtf8(std::string_view bytes, std::u32string &out);

// UTF-16 big-endian with its mark, as the format takes a file beyond 8 bits.
std::string EncodeUtf16BigWithMark(std::u32string_view text);

}  // namespace mifkit::hints
