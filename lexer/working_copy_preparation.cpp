#include "lexer/working_copy_preparation.h"

#include <string>

#include "core/diagnostics.h"
#include "core/parse_context.h"
#include "core/parse_status.h"
#include "lexer/source_conversion.h"
#include "platform/file_io.h"
#include "platform/source_buffer.h"

namespace mifkit {

namespace {

// Far beyond any MIF file; keeps a device or a runaway file from eating memory.
constexpr size_t kMaxSourceBytes = size_t{1} << 30;

// The marked working copy goes to the file as it is made, never held whole.
int WriteWorkingCopy(ParseContext &ctx, std::string_view source, bool unicode) {
    if (ctx.workingCopyPath.empty()) return 0;
    bool written = platform::WriteFileAtomically(
        ctx.workingCopyPath.c_str(),
        [&](const platform::WritePiece &write) { return StreamMarkedCopy(source, unicode, write); });
    return written ? 0 : kFatalFileError;
}

// The lexer's input, and temp.mif when asked for.
int ConvertSource(ParseContext &ctx, std::string_view source, bool unicode, WorkingCopy &copy) {
    ctx.unicodeSource = unicode ? 1 : 0;
    if (!ConvertForLexer(source, unicode, copy)) return kFatalFileError;
    return WriteWorkingCopy(ctx, source, unicode);
}

}  // namespace

int PrepareWorkingCopy(ParseContext &ctx, const char *sourceName, WorkingCopy &copy) {
    platform::SourceBuffer source;
    if (sourceName == nullptr || !source.Read(sourceName, kMaxSourceBytes)) {
        ReportMessage(ctx, Message::FatalFileError, 0, 0, 0, sourceName);
        return kFatalFileError;
    }
    int status = PrepareWorkingCopyFromBytes(ctx, sourceName, source.View(), copy);
    // The lexer reads literal texts from the source: it goes with the copy.
    copy.ownedSource = std::move(source);
    copy.borrowedSource = {};
    return status;
}

int PrepareWorkingCopyFromBytes(ParseContext &ctx, const char *sourceName, std::string_view source,
                                WorkingCopy &copy) {
    SourceEncoding encoding =
        source.size() <= kMaxSourceBytes ? DetectSourceEncoding(source) : kUnreadableSource;
    switch (encoding) {
    case kUtf16Source: {
        ctx.sink("performing Unicode conversion...\n\t");
        int status = ConvertSource(ctx, source, true, copy);
        ctx.sink("done\n");
        return status;
    }
    case kEightBitSource: {
        ctx.sink("performing ASCII conversion...\n\t");
        int status = ConvertSource(ctx, source, false, copy);
        ctx.sink("done\n");
        return status;
    }
    case kSwappedUtf16Source:
        ReportMessage(ctx, Message::ByteSwappedUnicode, 0, 0, 0, sourceName);
        return kByteSwappedSource;
    case kUnreadableSource:
        break;
    }
    ReportMessage(ctx, Message::FatalFileError, 0, 0, 0, sourceName);
    return kFatalFileError;
}

}  // namespace mifkit
