// Builds a working copy: plain bytes outside literals, marked units inside,
// and the record of each literal's exact text. Shared by both conversions.
#pragma once

#include "core/working_copy.h"

namespace mifkit {

class WorkingCopyWriter {
public:
    explicit WorkingCopyWriter(WorkingCopy &copy) : copy_(copy) { copy_.Clear(); }

    void Put(char byte) { copy_.bytes.push_back(byte); }

    void BeginLiteral();

    // One UTF-16 character of a literal. The 8-bit conversion marks only the
    // high byte (always 0); the UTF-16 conversion marks 0x00 and 0x0A in both.
    void LiteralUnit(unsigned char high, unsigned char low, bool unicode);

    // Writes the end mark and the line feed that keeps literals on lines of
    // their own, and records the literal.
    void EndLiteral();

private:
    void PutMarked(unsigned char byte);

    WorkingCopy &copy_;
    size_t literalStart_ = 0;
    size_t textStart_ = 0;
};

}  // namespace mifkit
