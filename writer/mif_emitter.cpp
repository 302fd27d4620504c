#include "writer/mif_emitter.h"

#include "writer/literal_escaping.h"

namespace mifkit::writer {

std::string KeyedPlace(const std::string &scope, char kind, bool idGiven, uint32_t id, unsigned &unnumbered) {
    return scope + kind + (idGiven ? ":" + std::to_string(id) : "#" + std::to_string(unnumbered++));
}

void Emitter::NoteWidth(std::u16string_view text) {
    for (char16_t c : text)
        if (c > 0xFF) needsWide_ = true;
}

void Emitter::Indent() { text_.append(size_t{level_} * options_.indent, u' '); }

void Emitter::Comments(const std::string &place) {
    if (comments_ == nullptr) return;
    for (const std::u16string &comment : comments_->Before(place)) {
        NoteWidth(comment);
        Indent();
        text_ += u"//";
        text_ += comment;
        text_ += u'\n';
    }
}

void Emitter::Open(std::string_view line, const std::string &place) {
    Line(Widen(line), place);
    ++level_;
}

void Emitter::Close(std::string_view line, const std::string &place) {
    // Comments before the end stay with the block's contents.
    Comments(place);
    if (level_ > 0) --level_;
    Indent();
    text_ += Widen(line);
    text_ += u'\n';
}

void Emitter::Blank() { text_ += u'\n'; }

void Emitter::Statement(std::string_view keyword, std::string_view word, const std::string &place) {
    Comments(place);
    Indent();
    text_ += Widen(keyword);
    text_ += u" = ";
    text_ += Widen(word);
    text_ += u'\n';
}

void Emitter::LiteralStatement(std::string_view keyword, std::u16string_view text, const std::string &place,
                               std::string_view prefix) {
    Comments(place);
    Indent();
    text_ += Widen(keyword);
    text_ += u" = ";
    text_ += Widen(prefix);
    EscapedText escaped = EscapeLiteral(text, wide_);
    needsWide_ = needsWide_ || escaped.needsWide;
    // Continuation pieces line up under the first piece's opening quote.
    const size_t column = size_t{level_} * options_.indent + keyword.size() + 3 + prefix.size();
    const size_t room = options_.lineWidth > column + 2 ? options_.lineWidth - column - 2 : 1;
    size_t start = 0, taken = 0;
    do {
        size_t end = escaped.units.size();
        if (options_.lineWidth != 0 && end - start > room) {
            // The most whole characters that fit, and at least one.
            size_t fit = taken;
            while (fit < escaped.breaks.size() && escaped.breaks[fit] - start <= room) ++fit;
            if (fit == taken) ++fit;
            end = escaped.breaks[fit - 1];
            taken = fit;
        }
        if (start > 0) text_.append(column, u' ');
        text_ += u'"';
        text_.append(escaped.units, start, end - start);
        text_ += u"\"\n";
        start = end;
    } while (start < escaped.units.size());
}

void Emitter::Line(std::u16string_view text, const std::string &place) {
    Comments(place);
    Indent();
    text_ += text;
    text_ += u'\n';
}

std::u16string Emitter::Literal(std::u16string_view text) {
    EscapedText escaped = EscapeLiteral(text, wide_);
    needsWide_ = needsWide_ || escaped.needsWide;
    return u'"' + escaped.units + u'"';
}

std::string Emitter::Finish() {
    if (comments_ != nullptr) {
        level_ = 0;
        for (const std::u16string &comment : comments_->Rest()) {
            NoteWidth(comment);
            text_ += u"//" + comment + u'\n';
        }
    }
    std::string bytes;
    if (!wide_) {
        bytes.reserve(text_.size());
        for (char16_t c : text_) bytes += static_cast<char>(c > 0xFF ? u'?' : c);
        return bytes;
    }
    bytes.reserve(2 * text_.size() + 2);
    bytes += "\xFE\xFF";
    for (char16_t c : text_) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

}  // namespace mifkit::writer
