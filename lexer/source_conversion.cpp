#include "lexer/source_conversion.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace mifkit {

SourceEncoding DetectSourceEncoding(std::string_view source) {
    if (source.size() < 2) return kUnreadableSource;
    auto first = static_cast<unsigned char>(source[0]);
    auto second = static_cast<unsigned char>(source[1]);
    if (first == 0xFE && second == 0xFF) return kUtf16Source;
    if (first == 0xFF && second == 0xFE) return kSwappedUtf16Source;
    return kEightBitSource;
}

namespace {

// Writes a literal's units in their marked form through `put`, a callable
// taking the bytes of one piece.
template <typename Put>
void PutMarkedByte(Put &put, unsigned char byte) {
    if (byte == 0x00)
        put(kZeroMark);
    else if (byte == 0x0A)
        put(kLineFeedMark);
    else
        put(std::string_view(reinterpret_cast<const char *>(&byte), 1));
}

template <typename Put>
void PutMarkedUnit(Put &put, unsigned char high, unsigned char low, bool unicode) {
    if (unicode) {
        PutMarkedByte(put, high);
        PutMarkedByte(put, low);
    } else {
        put(kZeroMark);
        put(std::string_view(reinterpret_cast<const char *>(&low), 1));
    }
}

// The marked copy in memory, with the record of each literal's exact text.
class WorkingCopyWriter {
public:
    explicit WorkingCopyWriter(WorkingCopy &copy) : copy_(copy) { copy_.Clear(); }

    void Put(char byte) { copy_.bytes.push_back(byte); }
    bool TryWholeLiteral() { return false; }

    void BeginLiteral() {
        literalStart_ = copy_.bytes.size();
        textStart_ = copy_.literalTexts.size();
        copy_.bytes.push_back('"');
    }

    // One UTF-16 character of a literal. The 8-bit conversion marks only the
    // high byte (always 0); the UTF-16 conversion marks 0x00 and 0x0A in both.
    void LiteralUnit(unsigned char high, unsigned char low, bool unicode) {
        auto append = [this](std::string_view piece) { copy_.bytes.append(piece); };
        PutMarkedUnit(append, high, low, unicode);
        copy_.literalTexts.push_back(static_cast<char>(high));
        copy_.literalTexts.push_back(static_cast<char>(low));
    }

    // 8-bit characters of a literal, each as LiteralUnit(0, byte) writes it.
    void LiteralRun(std::string_view bytes) {
        for (char byte : bytes) LiteralUnit(0, static_cast<unsigned char>(byte), false);
    }

    // The end mark and the line feed that keeps literals on lines of their own.
    void EndLiteral() {
        copy_.bytes.append(kEndMark);
        copy_.literals.push_back(MakeSpan(literalStart_, copy_.bytes.size(), textStart_,
                                           copy_.literalTexts.size() - textStart_));
        copy_.literalTexts.append(2, '\0');
        copy_.bytes.push_back('\n');
    }

private:
    WorkingCopy &copy_;
    size_t literalStart_ = 0;
    size_t textStart_ = 0;
};

// The marked copy in pieces of about kPieceSize bytes, handed on as made.
// It is several times the size of the source, so each byte goes straight
// into a fixed buffer.
class StreamingWriter {
public:
    explicit StreamingWriter(const ByteSink &sink) : sink_(sink), buffer_(new char[kPieceSize + kSlack]) {}

    void Put(char byte) {
        buffer_[used_++] = byte;
        FlushWhenFull();
    }
    bool TryWholeLiteral() { return false; }
    void BeginLiteral() { Put('"'); }
    void LiteralUnit(unsigned char high, unsigned char low, bool unicode) {
        if (unicode) {
            PutMarked(high);
            PutMarked(low);
        } else {
            PutRaw(kZeroMark);
            buffer_[used_++] = static_cast<char>(low);
        }
        FlushWhenFull();
    }
    // Five bytes for each: the zero mark and the byte, written in stretches
    // that fill the piece before it is handed on.
    void LiteralRun(std::string_view bytes) {
        while (!bytes.empty()) {
            const size_t room = (kPieceSize + kSlack - used_) / 5;
            const size_t n = std::min(bytes.size(), room);
            char *out = buffer_.get() + used_;
            for (size_t i = 0; i < n; ++i, out += 5) {
                std::memcpy(out, kZeroMark.data(), 4);
                out[4] = bytes[i];
            }
            used_ += 5 * n;
            bytes.remove_prefix(n);
            FlushWhenFull();
        }
    }
    void EndLiteral() {
        PutRaw(kEndMark);
        Put('\n');
    }

    bool Finish() {
        if (ok_ && used_ > 0) ok_ = sink_(std::string_view(buffer_.get(), used_));
        used_ = 0;
        return ok_;
    }

private:
    static constexpr size_t kPieceSize = 256 * 1024;
    static constexpr size_t kSlack = 64;  // what one unit or mark can add past a full piece

    void PutRaw(std::string_view bytes) {
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void PutMarked(unsigned char byte) {
        if (byte == 0x00)
            PutRaw(kZeroMark);
        else if (byte == 0x0A)
            PutRaw(kLineFeedMark);
        else
            buffer_[used_++] = static_cast<char>(byte);
    }
    void FlushWhenFull() {
        if (used_ < kPieceSize) return;
        if (ok_) ok_ = sink_(std::string_view(buffer_.get(), used_));
        used_ = 0;
    }

    const ByteSink &sink_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    bool ok_ = true;
};

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

    size_t Position() const { return pos_; }
    void MoveTo(size_t pos) { pos_ = pos; }

    // The bytes from here that a literal takes as they stand (none of the
    // quote, the backslash, CR or 0x1A), passed over.
    std::string_view PlainLiteralRun() {
        const size_t start = pos_;
        while (pos_ < source_.size() && !kLiteralStop[static_cast<unsigned char>(source_[pos_])]) ++pos_;
        return source_.substr(start, pos_ - start);
    }

    // Drops everything up to the next line feed; true when one was found.
    bool SkipToLineFeed() {
        for (int c = Next(); c != -1; c = Next())
            if (c == '\n') return true;
        return false;
    }

private:
    static constexpr auto kLiteralStop = [] {
        std::array<bool, 256> stop{};
        stop['"'] = stop['\\'] = stop['\r'] = stop[0x1A] = true;
        return stop;
    }();

    std::string_view source_;
    size_t pos_ = 0;
};

struct Unit {
    unsigned char high;
    unsigned char low;
    bool Is(char c) const { return high == 0 && low == static_cast<unsigned char>(c); }
};

class UnitReader {
public:
    explicit UnitReader(std::string_view source) : source_(source) {}

    // The next big-endian unit; false at the end (an odd last byte is dropped).
    bool Next(Unit &unit) {
        if (source_.size() - pos_ < 2) return false;
        unit.high = static_cast<unsigned char>(source_[pos_]);
        unit.low = static_cast<unsigned char>(source_[pos_ + 1]);
        pos_ += 2;
        return true;
    }

    void Skip(size_t bytes) { pos_ += bytes; }
    size_t Position() const { return pos_; }
    void MoveTo(size_t pos) { pos_ = pos; }

private:
    std::string_view source_;
    size_t pos_ = 0;
};

// Out takes the converted bytes; its TryWholeLiteral may take a literal
// whole from the reader standing after its opening quote.
template <typename Out>
void ConvertAscii(TextModeReader &in, Out &out) {
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
        if (out.TryWholeLiteral()) continue;
        out.BeginLiteral();
        for (;;) {
            // Most of a literal is bytes taken as they stand: passed on whole.
            if (std::string_view run = in.PlainLiteralRun(); !run.empty()) out.LiteralRun(run);
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

template <typename Out>
void ConvertUnicode(UnitReader &in, Out &out) {
    in.Skip(2);  // the byte-order mark
    bool afterSlash = false;
    Unit u;
    while (in.Next(u)) {
        if (u.high != 0) {
            // Outside literals a character is cut to its low byte.
            out.Put(static_cast<char>(u.low));
            afterSlash = false;
            continue;
        }
        if (u.Is('/') && afterSlash) {
            out.Put('/');
            afterSlash = false;
            while (in.Next(u) && !u.Is('\n')) {
            }
            if (!u.Is('\n')) return;
            out.Put('\n');
            continue;
        }
        afterSlash = u.Is('/');
        if (!u.Is('"')) {
            out.Put(static_cast<char>(u.low));
            continue;
        }
        if (out.TryWholeLiteral()) continue;
        out.BeginLiteral();
        for (;;) {
            if (!in.Next(u)) return;  // the literal stays without its end mark
            if (u.Is('"')) break;
            if (u.Is('\\')) {
                Unit escaped;
                if (!in.Next(escaped)) return;
                out.LiteralUnit(u.high, u.low, true);
                u = escaped;  // marked like any other unit, a line feed included
            }
            out.LiteralUnit(u.high, u.low, true);
        }
        out.EndLiteral();
    }
}

// Runs the conversion of `source` into `out`; false when a UTF-16 source is
// shorter than its mark.
template <typename Out>
bool Convert(std::string_view source, bool unicode, Out &out) {
    if (unicode) {
        if (source.size() < 2) return false;
        UnitReader in(source);
        ConvertUnicode(in, out);
    } else {
        TextModeReader in(source);
        ConvertAscii(in, out);
    }
    return true;
}

// The compact form for the lexer: the marked copy's bytes, except that a
// literal the lexer would match whole is cut to its quote and kCompactBody
// and its text left in the source. Whole means: closed, and holding no line
// feed or NUL in its marked form, which would end its match or the input.
class CompactWriter {
public:
    CompactWriter(WorkingCopy &copy, std::string_view source, bool unicode) : copy_(copy), source_(source) {
        copy_.Clear();
        copy_.texts = unicode ? LiteralTexts::kUnicodeSource : LiteralTexts::kEightBitSource;
        copy_.borrowedSource = source;
        // Enough for any source whose literals are mostly whole; only the
        // rest (marked in full) can make it grow.
        copy_.bytes.reserve(source.size() + source.size() / 2 + 16);
    }

    void Put(char byte) {
        copy_.bytes.push_back(byte);
        if (byte == '\n')
            strayQuote_ = false;
        else if (byte == '"')
            strayQuote_ = true;
    }
    void BeginLiteral() { copy_.bytes.push_back('"'); }
    void LiteralUnit(unsigned char high, unsigned char low, bool unicode) {
        auto append = [this](std::string_view piece) { copy_.bytes.append(piece); };
        PutMarkedUnit(append, high, low, unicode);
    }
    void LiteralRun(std::string_view bytes) {
        for (char byte : bytes) LiteralUnit(0, static_cast<unsigned char>(byte), false);
    }
    // Only a literal the lexer cannot match whole comes here: it needs no span.
    void EndLiteral() {
        copy_.bytes.append(kEndMark);
        Put('\n');
    }

protected:
    // The closed literal whose text is source[bodyStart, bodyEnd).
    void WholeLiteral(size_t bodyStart, size_t bodyEnd, bool compact) {
        std::string &out = copy_.bytes;
        size_t start = out.size();
        if (compact) {
            out.push_back('"');
            out.append(kCompactBody);
            copy_.literals.push_back(MakeSpan(start, start + 2, bodyStart, bodyEnd - bodyStart));
            strayQuote_ = false;
            return;
        }
        // Only a UTF-16 literal is whole without being compact.
        AppendMarkedLiteral(source_.substr(bodyStart, bodyEnd - bodyStart), true, out);
        copy_.literals.push_back(MakeSpan(start, out.size(), bodyStart, bodyEnd - bodyStart));
        Put('\n');
    }

    WorkingCopy &copy_;
    std::string_view source_;
    // A quote on the current line that opens no literal: the lexer may read
    // a literal after it on the same line as part of its token.
    bool strayQuote_ = false;
};

class CompactAsciiWriter : public CompactWriter {
public:
    CompactAsciiWriter(WorkingCopy &copy, std::string_view source, TextModeReader &in)
        : CompactWriter(copy, source, false), in_(in) {}

    // Whole when closed before the end of the text without a line feed
    // (CR LF included) or a NUL; its text is then its bytes as they stand.
    bool TryWholeLiteral() {
        const size_t bodyStart = in_.Position();
        const size_t n = source_.size();
        size_t p = bodyStart;
        for (;; ++p) {
            if (p >= n) return false;
            auto b = static_cast<unsigned char>(source_[p]);
            if (b == '"') break;
            if (b == '\\') {
                if (++p >= n) return false;
                b = static_cast<unsigned char>(source_[p]);
            }
            if (b == '\n' || b == 0 || b == 0x1A) return false;
            if (b == '\r' && p + 1 < n && source_[p + 1] == '\n') return false;
        }
        WholeLiteral(bodyStart, p, true);
        in_.MoveTo(p + 1);
        return true;
    }

private:
    TextModeReader &in_;
};

class CompactUnicodeWriter : public CompactWriter {
public:
    CompactUnicodeWriter(WorkingCopy &copy, std::string_view source, UnitReader &in)
        : CompactWriter(copy, source, true), in_(in) {}

    // Every closed UTF-16 literal is matched whole (its line feeds and NULs
    // are marked); it is compact unless a stray quote precedes it on its line
    // or its marked form does not begin with 0xFF, where a token before it
    // could reach into it.
    bool TryWholeLiteral() {
        const size_t bodyStart = in_.Position();
        const size_t n = source_.size();
        size_t p = bodyStart;
        for (;; p += 2) {
            if (n - p < 2) return false;
            if (source_[p] == 0 && source_[p + 1] == '"') break;
            if (source_[p] == 0 && source_[p + 1] == '\\') {
                p += 2;
                if (n - p < 2) return false;
            }
        }
        auto firstHigh = static_cast<unsigned char>(bodyStart < p ? source_[bodyStart] : 0);
        bool startsWithMark = firstHigh == 0x00 || firstHigh == 0x0A || firstHigh == 0xFF;
        WholeLiteral(bodyStart, p, startsWithMark && !strayQuote_);
        in_.MoveTo(p + 2);
        return true;
    }

private:
    UnitReader &in_;
};

}  // namespace

bool ConvertForLexer(std::string_view source, bool unicode, WorkingCopy &copy) {
    if (unicode) {
        if (source.size() < 2) return false;
        UnitReader in(source);
        CompactUnicodeWriter out(copy, source, in);
        ConvertUnicode(in, out);
    } else {
        TextModeReader in(source);
        CompactAsciiWriter out(copy, source, in);
        ConvertAscii(in, out);
    }
    return true;
}

void ConvertAsciiSource(std::string_view source, WorkingCopy &copy) {
    WorkingCopyWriter out(copy);
    Convert(source, false, out);
}

bool ConvertUnicodeSource(std::string_view source, WorkingCopy &copy) {
    WorkingCopyWriter out(copy);
    return Convert(source, true, out);
}

bool StreamMarkedCopy(std::string_view source, bool unicode, const ByteSink &sink) {
    StreamingWriter out(sink);
    return Convert(source, unicode, out) && out.Finish();
}

}  // namespace mifkit
