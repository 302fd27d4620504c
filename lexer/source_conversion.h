// Encoding detection and the conversions of a source file's bytes: into the
// marked working copy (temp.mif, the tests), and into the compact form the
// lexer reads.
#pragma once

#include <functional>
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

// Takes the working copy's bytes piece by piece; false when one could not be
// written.
using ByteSink = std::function<bool(std::string_view)>;

// The marked working copy of an 8-bit or UTF-16 source, handed to `sink` in
// pieces as it is made instead of held. False when the sink failed or a
// UTF-16 source is shorter than its mark.
bool StreamMarkedCopy(std::string_view source, bool unicode, const ByteSink &sink);

// The compact form for the lexer: the marked copy with every literal the
// lexer matches whole cut to kCompactBody, its text left in the source,
// which `copy` then refers to (borrowed: it must outlive the lexer's use).
// Returns false when a UTF-16 source is shorter than its mark.
bool ConvertForLexer(std::string_view source, bool unicode, WorkingCopy &copy);

}  // namespace mifkit
