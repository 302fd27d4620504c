// Typed values from Value statements and table entries. Attributes are
// converted at once; cells when the component ends, against the template
// attribute of their column. Both take one path and differ only in their
// messages and statuses.
#include "database/builder_support.h"
#include "database/builders.h"
#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

// What a refused value reports, for an attribute or for a cell.
struct ValueRules {
    Message wrongKindMessage;
    Message sizeMessage;
    Message unknownElementMessage;
    int counterStatus;    // counter and gauge
    int wideStatus;       // counter64 and integer64
    int integerStatus;
    int sizeStatus;
    int textKindStatus;   // octet string, display string, date
    int namedEnumStatus;
    int ownEnumStatus;
};

constexpr ValueRules kAttributeRules{
    Message::IllegalAttributeValue, Message::IllegalAttributeValueSize, Message::ValueNotInRange,
    kAttributeCounterValue,         kAttributeWideValue,                kAttributeIntegerValue,
    kAttributeStringTooLong,        kAttributeTextValue,                kAttributeNamedElementUnknown,
    kAttributeOwnElementUnknown};
constexpr ValueRules kCellRules{
    Message::IllegalTableValue, Message::TableStringTooLong, Message::ElementNotFoundByValue,
    kCellCounterValue,          kCellWideValue,              kCellIntegerValue,
    kCellStringTooLong,         kCellTextValue,              kCellNamedElementUnknown,
    kCellOwnElementUnknown};

enum class Outcome { kStored, kIgnored, kRefused };

struct Conversion {
    Outcome outcome;
    int status;
};

Conversion Refused(int status) { return {Outcome::kRefused, status}; }

// Converts `token` by `type` into `value`. A string value longer than the
// type's size is refused before its kind is looked at.
Conversion ConvertValue(ParseContext &ctx, const ValueRules &rules, uint32_t type, uint32_t size,
                        const Enumeration *enumeration, TokenValue &token, AttributeValue &value,
                        bool isCell) {
    if (type < kTypeCounter || type > kTypeOwnEnumeration) return {Outcome::kIgnored, 0};
    CountedString *text = token.text;
    // A literal lost to an exhausted pool has no text: the failed allocation
    // already fails the parse, and there is nothing to store.
    if (text == nullptr) return {Outcome::kIgnored, 0};
    uint32_t kind = token.kind;
    bool counterKind = kind == kUnsignedNumberValue || (isCell && kind == kOverlayValue);
    bool textKind = kind == kLiteralValue || kind == kOverlayValue;
    switch (type) {
    case kTypeCounter:
    case kTypeGauge:
    case kTypeCounter64: {
        int status = type == kTypeCounter64 ? rules.wideStatus : rules.counterStatus;
        if (!counterKind) {
            ReportAtToken(ctx, rules.wrongKindMessage);
            return Refused(Refuse(ctx, Message::UnsignedDecimalOnly, status));
        }
        if (type == kTypeCounter64)
            value.wideValue = ToWords(ParseWideNumber(text->Chars()));
        else
            value.unsignedValue = ParseSignedNumber(text->Chars());
        return {Outcome::kStored, 0};
    }
    case kTypeInteger:
    case kTypeInteger64:
        if (kind == kLiteralValue)
            return Refused(Refuse(ctx, rules.wrongKindMessage,
                                  type == kTypeInteger ? rules.integerStatus : rules.wideStatus));
        if (type == kTypeInteger)
            value.signedValue = static_cast<int32_t>(ParseSignedNumber(text->Chars()));
        else
            value.wideValue = ToWords(ParseWideNumber(text->Chars()));
        return {Outcome::kStored, 0};
    case kTypeOctetString:
    case kTypeDisplayString: {
        // An octet string does not count its NUL; the count stays lowered
        // even when the value is then refused.
        if (type == kTypeOctetString) text->length = text->length >= 2 ? text->length - 2 : 0;
        uint64_t limit = 2 * uint64_t{size} + (type == kTypeOctetString ? 0 : 2);
        if (text->length > limit) return Refused(Refuse(ctx, rules.sizeMessage, rules.sizeStatus));
        if (!textKind) return Refused(Refuse(ctx, rules.wrongKindMessage, rules.textKindStatus));
        value.text = text;
        return {Outcome::kStored, 0};
    }
    case kTypeDate:
        if (!textKind) return Refused(Refuse(ctx, rules.wrongKindMessage, rules.textKindStatus));
        value.text = text;
        return {Outcome::kStored, 0};
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration: {
        int status = type == kTypeNamedEnumeration ? rules.namedEnumStatus : rules.ownEnumStatus;
        if (kind == kLiteralValue) {
            value.element = FindEnumElementByName(ctx, text, enumeration);
            if (value.element == nullptr) {
                if (!isCell) return Refused(Refuse(ctx, rules.unknownElementMessage, status));
                // Cells are checked when the component ends: the entry's own
                // text stands in for the token, and no line applies.
                ReportLiteralText(ctx, rules.unknownElementMessage, *text);
                return Refused(status);
            }
        } else {
            // A number no element carries is accepted with no element.
            value.element = FindEnumElementByValue(ctx, text, enumeration);
        }
        value.text = text;
        return {Outcome::kStored, 0};
    }
    default:
        return {Outcome::kIgnored, 0};
    }
}

}  // namespace

int ConvertAttributeValue(ParseContext &ctx) {
    Attribute *attribute = ctx.state.currentAttribute;
    if (attribute == nullptr || attribute->pendingValue == nullptr) return 0;
    TokenValue &token = *attribute->pendingValue;
    if (token.kind == kOverlayValue) {
        // An overlay names the value's provider, whatever the type.
        attribute->overlay = 1;
        attribute->value.text = token.text;
        attribute->pendingValue = nullptr;
        return 0;
    }
    const Enumeration *enumeration = attribute->type == kTypeNamedEnumeration
                                         ? attribute->namedEnumeration
                                         : attribute->ownEnumeration;
    Conversion result = ConvertValue(ctx, kAttributeRules, attribute->type, attribute->size,
                                     enumeration, token, attribute->value, false);
    if (result.outcome == Outcome::kStored && attribute->type != kTypeNamedEnumeration &&
        attribute->type != kTypeOwnEnumeration)
        attribute->pendingValue = nullptr;
    return result.status;
}

int ConvertCellValue(ParseContext &ctx, TableCell &cell, const Attribute &column) {
    if (!cell.entryPending) return 0;
    cell.type = static_cast<uint8_t>(column.type);
    if (cell.entryKind == kOverlayValue) cell.overlay = true;
    const Enumeration *enumeration =
        column.type == kTypeNamedEnumeration ? column.namedEnumeration : column.ownEnumeration;
    TokenValue entry{cell.entryText, cell.entryKind};
    Conversion result =
        ConvertValue(ctx, kCellRules, column.type, column.size, enumeration, entry, cell.value, true);
    if (result.outcome == Outcome::kStored) {
        cell.entryPending = false;
        cell.entryText = nullptr;
    }
    return result.status;
}

}  // namespace mifkit
