#include "lexer/source_conversion.h"
#include "lexer/working_copy_writer.h"

namespace mifkit {

namespace {

// The bytes of an 8-bit source as a text-mode read delivers them, so that a
// file gives the same working copy and line numbers on every platform.
class TextModeReader {
public:
    explicit TextModeReader(std::string_view source) : source_(source) {}

    // The next byte, or -1 at the end of the text.
    int Next() {
        if (pos_ >= source_.size() || source_[pos_] == '\x1A') return -1;
        char c = source_[pos_++];
        if (c == '\r' && pos_ < source_.size() && source_[pos_] == '\n') c = source_[pos_++];
        return static_cast<unsigned char>(c);
    }

    // Drops everything up to the next line feed; true when one was found.
    bool SkipToLineFeed() {
        for (int c = Next(); c != -1; c = Next())
            if (c == '\n') return true;
        return false;
    }

private:
    std::string_view source_;
    size_t pos_ = 0;
};

}  // namespace

void ConvertAsciiSource(std::string_view source, WorkingCopy &copy) {
    TextModeReader in(source);
    WorkingCopyWriter out(copy);
    bool afterSlash = false;
    for (int c = in.Next(); c != -1; c = in.Next()) {
        if (c == '/' && afterSlash) {
            // A comment: keep the slashes and the line feed, drop its text.
            out.Put('/');
            afterSlash = false;
            if (!in.SkipToLineFeed()) return;
            out.Put('\n');
            continue;
        }
        afterSlash = c == '/';
        if (c != '"') {
            out.Put(static_cast<char>(c));
            continue;
        }
        out.BeginLiteral();
        for (;;) {
            int b = in.Next();
            if (b == -1) return;  // the literal stays without its end mark
            if (b == '"') break;
            if (b == '\\') {
                int escaped = in.Next();
                if (escaped == -1) return;
                out.LiteralUnit(0, '\\', false);
                b = escaped;
            }
            out.LiteralUnit(0, static_cast<unsigned char>(b), false);
        }
        out.EndLiteral();
    }
}

}  // namespace mifkit
