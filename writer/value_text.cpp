#include "writer/value_text.h"

#include <vector>

#include "writer/literal_escaping.h"

namespace mifkit::writer {

namespace {

std::u16string Number(int64_t n) { return Widen(std::to_string(n)); }
std::u16string Unsigned(uint64_t n) { return Widen(std::to_string(n)); }

// A literal keeps its two NUL bytes; a number's text keeps one NUL byte.
bool IsLiteral(const Text &text) {
    std::string_view bytes = text.bytes();
    return bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes[bytes.size() - 1] == 0 &&
           bytes[bytes.size() - 2] == 0;
}

std::optional<std::u16string> EnumerationToken(const ValueView &value) {
    if (value.element() || value.text().present()) return Number(value.enumerationNumber());
    return std::nullopt;
}

bool SameText(const Text &a, const Text &b) { return a.present() == b.present() && a.bytes() == b.bytes(); }

// Whether an empty entry gives the cell: the column's own value, copied.
bool IsColumnDefault(const CellView &cell, const AttributeView &column) {
    if (cell.overlay() || cell.type() != column.type()) return false;
    ValueView a = cell.value(), b = column.value();
    switch (column.type()) {
    case kTypeCounter:
    case kTypeGauge: return a.unsignedValue() == b.unsignedValue();
    case kTypeInteger: return a.signedValue() == b.signedValue();
    case kTypeCounter64:
    case kTypeInteger64: return a.uint64() == b.uint64();
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration: return a.element().record() == b.element().record() && SameText(a.text(), b.text());
    default: return SameText(a.text(), b.text());
    }
}

}  // namespace

std::optional<std::u16string> ValueText(const ValueView &value) {
    Text text = value.text();
    switch (value.type()) {
    // An octet string's text has no NUL.
    case kTypeOctetString: return text.present() ? std::optional(Utf16Units(text.bytes(), false)) : std::nullopt;
    case kTypeDisplayString:
    case kTypeDate: return text.present() ? std::optional(Utf16Units(text.bytes(), true)) : std::nullopt;
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration:
        // An entry given by its element's text is written so again: the
        // first element of that text is the one it found.
        if (value.element() && IsLiteral(text)) return Utf16Units(value.element().text().bytes(), true);
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<std::u16string> ValueToken(Emitter &emitter, const ValueView &value) {
    if (std::optional<std::u16string> text = ValueText(value)) return emitter.Literal(*text);
    switch (value.type()) {
    case kTypeCounter:
    case kTypeGauge: return Unsigned(value.unsignedValue());
    case kTypeInteger: return Number(value.signedValue());
    case kTypeCounter64: return Unsigned(value.uint64());
    case kTypeInteger64: return Number(value.int64());
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration: return EnumerationToken(value);
    default: return std::nullopt;
    }
}

std::u16string RowLine(Emitter &emitter, const RowView &row, const GroupView &templateGroup) {
    std::vector<AttributeView> columns;
    for (AttributeView column : templateGroup.attributes()) columns.push_back(column);
    std::vector<std::u16string> entries;
    size_t filled = 0;
    for (CellView cell : row.cells()) {
        std::optional<std::u16string> token;
        if (cell.overlay())
            token = u'*' + emitter.Literal(Utf16Units(cell.value().text().bytes(), true));
        else if (cell.column() >= columns.size() || !IsColumnDefault(cell, columns[cell.column()]))
            token = ValueToken(emitter, cell.value());
        entries.push_back(token.value_or(std::u16string()));
        if (token) filled = entries.size();
    }
    entries.resize(filled);
    // A row needs one entry at least: a lone comma leaves every column empty.
    if (entries.empty()) return u"{,}";
    std::u16string line = u"{";
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) line += u", ";
        line += entries[i];
    }
    return line + u'}';
}

}  // namespace mifkit::writer
