#include "lexer/working_copy_preparation.h"

#include <future>
#include <string>
#include <system_error>

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

// From this size temp.mif is written on a thread of its own while the
// source is parsed: its marked form is several times the source, and
// writing it costs about as much as the parse.
constexpr size_t kWriteBesideParseFrom = 1024 * 1024;
#if defined(_WIN32) && !defined(_WIN64)
// The 32-bit build's tests run on an emulator that cannot carry a second
// thread in one process.
constexpr bool kCanWriteBesideParse = false;
#else
constexpr bool kCanWriteBesideParse = true;
#endif

// The marked working copy goes to the file as it is made, never held whole.
bool WriteMarkedCopy(const std::string &path, std::string_view source, bool unicode) {
    return platform::WriteFileAtomically(path.c_str(), [&](const platform::WritePiece &write) {
        return StreamMarkedCopy(source, unicode, write);
    });
}

// Starts writing temp.mif beside the parse; false when it must be written
// now. `source` stays readable until the write is waited for: the caller's
// bytes, or a file's, which move with the working copy but never relocate.
bool StartWriteBesideParse(ParseContext &ctx, std::string_view source, bool unicode) {
    if (!kCanWriteBesideParse || source.size() < kWriteBesideParseFrom) return false;
    try {
        ctx.workingCopyWrite = std::async(std::launch::async, WriteMarkedCopy, ctx.workingCopyPath, source, unicode);
        return true;
    } catch (const std::system_error &) {
        return false;  // no thread to be had: written in turn
    }
}

// Waits, when it goes, for a temp.mif writer still reading the source.
struct WriterDoneFirst {
    std::future<bool> *write;
    ~WriterDoneFirst() {
        if (write != nullptr) write->wait();
    }
};

// The lexer's input, and temp.mif when asked for.
int ConvertSource(ParseContext &ctx, std::string_view source, bool unicode, WorkingCopy &copy) {
    ctx.unicodeSource = unicode ? 1 : 0;
    const bool beside = !ctx.workingCopyPath.empty() && StartWriteBesideParse(ctx, source, unicode);
    // A conversion that fails or throws lets the source go: the writer must
    // be done with it first. One that succeeds hands the source to the copy.
    WriterDoneFirst writerDone{beside ? &ctx.workingCopyWrite : nullptr};
    if (!ConvertForLexer(source, unicode, copy)) return kFatalFileError;
    writerDone.write = nullptr;
    copy.keepSource = beside;
    if (beside || ctx.workingCopyPath.empty()) return 0;
    return WriteMarkedCopy(ctx.workingCopyPath, source, unicode) ? 0 : kFatalFileError;
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
