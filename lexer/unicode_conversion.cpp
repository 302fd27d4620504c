#include "lexer/source_conversion.h"
#include "lexer/working_copy_writer.h"

namespace mifkit {

namespace {

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

private:
    std::string_view source_;
    size_t pos_ = 0;
};

}  // namespace

bool ConvertUnicodeSource(std::string_view source, WorkingCopy &copy) {
    WorkingCopyWriter out(copy);
    if (source.size() < 2) return false;
    UnitReader in(source);
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
            if (!u.Is('\n')) return true;
            out.Put('\n');
            continue;
        }
        afterSlash = u.Is('/');
        if (!u.Is('"')) {
            out.Put(static_cast<char>(u.low));
            continue;
        }
        out.BeginLiteral();
        for (;;) {
            if (!in.Next(u)) return true;  // the literal stays without its end mark
            if (u.Is('"')) break;
            if (u.Is('\\')) {
                Unit escaped;
                if (!in.Next(escaped)) return true;
                out.LiteralUnit(u.high, u.low, true);
                u = escaped;  // marked like any other unit, a line feed included
            }
            out.LiteralUnit(u.high, u.low, true);
        }
        out.EndLiteral();
    }
    return true;
}

}  // namespace mifkit
