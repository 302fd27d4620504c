// Values as the tokens that give them back when read.
#pragma once

#include <optional>
#include <string>

#include "mifkit/database.h"
#include "writer/mif_emitter.h"

namespace mifkit::writer {

// The value's token (a number or a literal; an overlay is the caller's), or
// nothing when the record holds no value of its type.
std::optional<std::u16string> ValueToken(Emitter &emitter, const ValueView &value);

// The text of a value written as a literal (a string, a date, an
// enumeration entry given by its text), for a statement that may split it;
// nothing for the other values.
std::optional<std::u16string> ValueText(const ValueView &value);

// A table row: the entries that differ from their column's default, empty
// entries for the rest, trailing empty ones left out.
std::u16string RowLine(Emitter &emitter, const RowView &row, const GroupView &templateGroup);

}  // namespace mifkit::writer
