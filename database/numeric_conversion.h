// Number tokens to numbers. Nothing reports an error: every result wraps
// modulo 2^32 or 2^64, and text the lexer cannot produce still gives a value
// by the digit rules. The 64-bit conversion works in four 16-bit limbs.
#pragma once

#include <cstdint>

#include "core/records.h"

namespace mifkit {

// Four 16-bit limbs, least significant first.
struct WideValue {
    uint16_t limb[4];
};

WideValue MakeWide(uint16_t value);
WideValue AddWide(const WideValue &a, const WideValue &b);
WideValue NegateWide(const WideValue &value);
WideWords ToWords(const WideValue &value);

// Each reads the number text from its first byte to its first zero byte.
// A leading "0" selects octal, "0x" or "0X" hexadecimal. The signed forms
// take an optional "+" and then an optional "-"; blanks, tabs and double
// quotes between the sign and the digits (which a signed number token may
// carry) are skipped.
uint32_t ParseUnsignedNumber(const char *text);
uint32_t ParseSignedNumber(const char *text);
WideValue ParseWideNumber(const char *text);

// The same, for a token's counted text; a null text gives 0.
inline const char *NumberText(const CountedString *text) {
    return text != nullptr ? text->Chars() : "";
}

}  // namespace mifkit
