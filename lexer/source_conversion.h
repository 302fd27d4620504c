// Encoding detection and the two conversions of a source file's bytes into
// the working copy.
#pragma once

#include <string_view>

#include "core/working_copy.h"

namespace mifkit {

enum SourceEncoding : int {
    kEightBitSource = 2,
    kUtf16Source = 3,
    kSwappedUtf16Source = 4,
    kUnreadableSource = 525,
};

// Judged by the first two bytes: FE FF is UTF-16 big-endian, FF FE is
// byte-swapped UTF-16, anything else 8-bit text; fewer than two bytes is
// unreadable.
SourceEncoding DetectSourceEncoding(std::string_view source);

// 8-bit text, read as a text-mode stream would deliver it: CR LF as LF, and
// a 0x1A byte ends the text. Always succeeds.
void ConvertAsciiSource(std::string_view source, WorkingCopy &copy);

// UTF-16 big-endian after its byte-order mark. Returns false when the source
// is shorter than its mark.
bool ConvertUnicodeSource(std::string_view source, WorkingCopy &copy);

}  // namespace mifkit
