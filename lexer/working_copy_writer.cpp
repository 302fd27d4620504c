#include "lexer/working_copy_writer.h"

namespace mifkit {

void WorkingCopyWriter::BeginLiteral() {
    literalStart_ = copy_.bytes.size();
    textStart_ = copy_.literalTexts.size();
    copy_.bytes.push_back('"');
}

void WorkingCopyWriter::PutMarked(unsigned char byte) {
    if (byte == 0x00)
        copy_.bytes.append(kZeroMark);
    else if (byte == 0x0A)
        copy_.bytes.append(kLineFeedMark);
    else
        copy_.bytes.push_back(static_cast<char>(byte));
}

void WorkingCopyWriter::LiteralUnit(unsigned char high, unsigned char low, bool unicode) {
    if (unicode) {
        PutMarked(high);
        PutMarked(low);
    } else {
        copy_.bytes.append(kZeroMark);
        copy_.bytes.push_back(static_cast<char>(low));
    }
    copy_.literalTexts.push_back(static_cast<char>(high));
    copy_.literalTexts.push_back(static_cast<char>(low));
}

void WorkingCopyWriter::EndLiteral() {
    copy_.bytes.append(kEndMark);
    copy_.literalTexts.append(2, '\0');
    copy_.literals.push_back({literalStart_, copy_.bytes.size(), textStart_,
                              copy_.literalTexts.size() - textStart_});
    copy_.bytes.push_back('\n');
}

}  // namespace mifkit
