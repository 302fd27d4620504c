// Named constants for the numbers a caller meets: the DMI message numbers of
// Diagnostic::message, from the catalogue's one list, and the statuses a
// parse returns.
#pragma once

#include <cstdint>

#include "mifkit/message_list.h"

namespace mifkit {

// Database::status() and ParseMIFFile: besides these, the status of the check
// that ended the parse or failed last (1001 to 1082, 2001 to 2027).
namespace status {
constexpr int kOk = 0;
constexpr int kSyntaxError = 1;  // also: memory ran out where no check could report it
constexpr int kByteSwapped = 11;
constexpr int kUnreadable = 525;
}  // namespace status

// Diagnostic::message: message::kDuplicateGroupStatement and the rest, one
// for each entry of the catalogue.
namespace message {
#define MIFKIT_MESSAGE_CONSTANT(number, name, form, text) constexpr uint32_t k##name = number;
MIFKIT_MESSAGES(MIFKIT_MESSAGE_CONSTANT)
#undef MIFKIT_MESSAGE_CONSTANT
}  // namespace message

}  // namespace mifkit
