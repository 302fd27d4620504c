// The DMI message catalogue: numbers 100 to 248, each with its line form and
// text, and the names the code reports them by.
#pragma once

#include <cstdint>

#include "mifkit/message_list.h"

namespace mifkit {

enum class Message : uint32_t {
#define MIFKIT_MESSAGE_NAME(number, name, form, text) name = number,
    MIFKIT_MESSAGES(MIFKIT_MESSAGE_NAME)
#undef MIFKIT_MESSAGE_NAME
};

struct MessageEntry {
    int form;          // 1 to 7; 0 means the fallback line
    const char *text;  // printed after the form's head; null for the fallback
};

// The entry of a message number; the fallback entry for numbers outside the
// catalogue and for those without a text.
const MessageEntry &LookUpMessage(uint32_t number);

// printf format of a form's head: message, file, line, third number, text.
const char *MessageFormHead(int form);

// The complete fallback line, with the same five values.
extern const char kUnknownMessageFormat[];

}  // namespace mifkit
