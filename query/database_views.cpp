#include "mifkit/database.h"

#include "database/numeric_conversion.h"
#include "core/records.h"
#include "core/text_encoding.h"

namespace mifkit {

namespace {

// The record, or a zero-filled one for an empty view: every field then reads
// as a record without it would.
template <typename R>
const R &Of(const R *record) {
    static const R kEmpty{};
    return record != nullptr ? *record : kEmpty;
}

bool EndsInNul16(const CountedString &text) {
    return text.length >= 2 && text.Bytes()[text.length - 2] == 0 && text.Bytes()[text.length - 1] == 0;
}

bool IsEnumeration(uint32_t type) { return type == kTypeNamedEnumeration || type == kTypeOwnEnumeration; }

}  // namespace

std::string_view Text::bytes() const {
    return text_ != nullptr ? std::string_view(text_->Chars(), text_->length) : std::string_view();
}

std::string Text::utf8() const {
    if (text_ == nullptr) return std::string();
    if (numberText_) return std::string(text_->Chars(), text_->length > 0 ? text_->length - 1 : 0);
    if (EndsInNul16(*text_)) return LiteralToUtf8(text_);
    // An octet string keeps no NUL (one that ends in U+0000 reads as if that
    // were its NUL).
    return Utf16ToUtf8(text_->Bytes(), text_->length);
}

namespace detail {
const ComponentPath *Next(const ComponentPath *record) { return record->next; }
const PathEntry *Next(const PathEntry *record) { return record->next; }
const Enumeration *Next(const Enumeration *record) { return record->next; }
const EnumElement *Next(const EnumElement *record) { return record->next; }
const Group *Next(const Group *record) { return record->next; }
const Attribute *Next(const Attribute *record) { return record->next; }
const Table *Next(const Table *record) { return record->next; }
const TableRow *Next(const TableRow *record) { return record->next; }
const TableCell *Next(const TableCell *record) { return record->next; }
}  // namespace detail

int32_t ElementView::value() const { return Of(record_).value; }
Text ElementView::text() const { return Text(Of(record_).text); }

Text EnumerationView::name() const { return Text(Of(record_).name); }
List<ElementView> EnumerationView::elements() const { return List<ElementView>(Of(record_).elements); }

uint32_t ValueView::unsignedValue() const { return Of(value_).unsignedValue; }
int32_t ValueView::signedValue() const { return Of(value_).signedValue; }
uint64_t ValueView::uint64() const {
    const WideWords &words = Of(value_).wideValue;
    return (uint64_t{words.high} << 32) | words.low;
}
int64_t ValueView::int64() const { return static_cast<int64_t>(uint64()); }
Text ValueView::text() const {
    const CountedString *text = Of(value_).text;
    // An enumeration entry written as a number keeps the number's text.
    return Text(text, text != nullptr && IsEnumeration(type_) && !EndsInNul16(*text));
}
ElementView ValueView::element() const { return ElementView(Of(value_).element); }
int32_t ValueView::enumerationNumber() const {
    const AttributeValue &value = Of(value_);
    if (value.element != nullptr) return value.element->value;
    return static_cast<int32_t>(ParseSignedNumber(NumberText(value.text)));
}

Text AttributeView::name() const { return Text(Of(record_).name); }
uint32_t AttributeView::id() const { return Of(record_).id; }
uint32_t AttributeView::access() const { return Of(record_).access; }
uint32_t AttributeView::storage() const { return Of(record_).storage; }
uint32_t AttributeView::type() const { return Of(record_).type; }
uint32_t AttributeView::size() const { return Of(record_).size; }
bool AttributeView::overlay() const { return Of(record_).overlay == 1; }
uint32_t AttributeView::valueForm() const { return Of(record_).valueForm; }
bool AttributeView::valueUnknown() const { return Of(record_).valueUnknown == 1; }
Text AttributeView::description() const { return Text(Of(record_).description); }
Text AttributeView::pragma() const { return Text(Of(record_).pragma); }
EnumerationView AttributeView::enumeration() const {
    const Attribute &a = Of(record_);
    return EnumerationView(a.type == kTypeOwnEnumeration ? a.ownEnumeration : a.namedEnumeration);
}
ValueView AttributeView::value() const {
    return record_ != nullptr ? ValueView(&record_->value, record_->type, record_->overlay == 1) : ValueView();
}

Text GroupView::name() const { return Text(Of(record_).name); }
Text GroupView::className() const { return Text(Of(record_).className); }
uint32_t GroupView::id() const { return Of(record_).id; }
bool GroupView::idGiven() const { return Of(record_).idGiven == 1; }
Text GroupView::description() const { return Text(Of(record_).description); }
Text GroupView::pragma() const { return Text(Of(record_).pragma); }
std::vector<uint32_t> GroupView::keys() const {
    std::vector<uint32_t> keys;
    for (const KeyEntry *key = Of(record_).keys; key != nullptr; key = key->next) keys.push_back(key->attributeId);
    return keys;
}
uint32_t GroupView::attributeCount() const { return Of(record_).attributeCount; }
List<AttributeView> GroupView::attributes() const { return List<AttributeView>(Of(record_).attributes); }

uint32_t CellView::column() const { return Of(record_).column; }
uint32_t CellView::type() const { return Of(record_).type; }
bool CellView::overlay() const { return Of(record_).overlay == 1; }
ValueView CellView::value() const {
    return record_ != nullptr ? ValueView(&record_->value, record_->type, record_->overlay == 1) : ValueView();
}

List<CellView> RowView::cells() const { return List<CellView>(Of(record_).cells); }

Text TableView::name() const { return Text(Of(record_).name); }
uint32_t TableView::id() const { return Of(record_).id; }
bool TableView::idGiven() const { return Of(record_).idGiven == 1; }
Text TableView::className() const { return Text(Of(record_).className); }
GroupView TableView::templateGroup() const { return GroupView(Of(record_).templateGroup); }
uint32_t TableView::columnCount() const { return Of(record_).columnCount; }
uint32_t TableView::rowCount() const { return Of(record_).rowCount; }
List<RowView> TableView::rows() const { return List<RowView>(Of(record_).rows); }

uint32_t PathEntryView::os() const { return Of(record_).os; }
bool PathEntryView::directInterface() const { return Of(record_).directInterface == 1; }
Text PathEntryView::path() const { return Text(Of(record_).path); }

Text PathView::name() const { return Text(Of(record_).name); }
List<PathEntryView> PathView::entries() const { return List<PathEntryView>(Of(record_).entries); }

Text ComponentView::name() const { return Text(Of(record_).name); }
Text ComponentView::description() const { return Text(Of(record_).description); }
Text ComponentView::pragma() const { return Text(Of(record_).pragma); }
List<PathView> ComponentView::paths() const { return List<PathView>(Of(record_).paths); }
List<EnumerationView> ComponentView::enumerations() const {
    return List<EnumerationView>(Of(record_).enumerations);
}
List<GroupView> ComponentView::groups() const { return List<GroupView>(Of(record_).groups); }
List<TableView> ComponentView::tables() const { return List<TableView>(Of(record_).tables); }

}  // namespace mifkit
