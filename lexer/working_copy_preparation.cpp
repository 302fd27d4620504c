#include "lexer/working_copy_preparation.h"

#include <string>

#include "core/diagnostics.h"
#include "core/parse_context.h"
#include "core/parse_status.h"
#include "lexer/source_conversion.h"
#include "platform/file_io.h"

namespace mifkit {

namespace {

// Far beyond any MIF file; keeps a device or a runaway file from eating memory.
constexpr size_t kMaxSourceBytes = size_t{1} << 30;

int WriteWorkingCopy(ParseContext &ctx, const WorkingCopy &copy) {
    if (ctx.workingCopyPath.empty()) return 0;
    return platform::WriteFileAtomically(ctx.workingCopyPath.c_str(), copy.bytes) ? 0 : kFatalFileError;
}

}  // namespace

int PrepareWorkingCopy(ParseContext &ctx, const char *sourceName, WorkingCopy &copy) {
    std::string source;
    if (sourceName == nullptr || !platform::ReadWholeFile(sourceName, source, kMaxSourceBytes)) {
        ReportMessage(ctx, Message::FatalFileError, 0, 0, 0, sourceName);
        return kFatalFileError;
    }
    return PrepareWorkingCopyFromBytes(ctx, sourceName, source, copy);
}

int PrepareWorkingCopyFromBytes(ParseContext &ctx, const char *sourceName, std::string_view source,
                                WorkingCopy &copy) {
    SourceEncoding encoding =
        source.size() <= kMaxSourceBytes ? DetectSourceEncoding(source) : kUnreadableSource;
    switch (encoding) {
    case kUtf16Source: {
        ctx.sink("performing Unicode conversion...\n\t");
        ctx.unicodeSource = true;
        int status = ConvertUnicodeSource(source, copy) ? WriteWorkingCopy(ctx, copy)
                                                        : kFatalFileError;
        ctx.sink("done\n");
        return status;
    }
    case kEightBitSource: {
        ctx.sink("performing ASCII conversion...\n\t");
        ctx.unicodeSource = false;
        ConvertAsciiSource(source, copy);
        int status = WriteWorkingCopy(ctx, copy);
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
