#include "core/message_catalogue.h"

#include <array>

namespace mifkit {

namespace {

constexpr uint32_t kFirstMessage = 100;
constexpr uint32_t kLastMessage = 248;

using Catalogue = std::array<MessageEntry, kLastMessage - kFirstMessage + 1>;

// Indexed by number - 100; the numbers the list leaves out keep the
// fallback entry.
constexpr Catalogue MakeCatalogue() {
    Catalogue catalogue{};
#define MIFKIT_MESSAGE_ENTRY(number, name, form, text) catalogue[number - kFirstMessage] = {form, text};
    MIFKIT_MESSAGES(MIFKIT_MESSAGE_ENTRY)
#undef MIFKIT_MESSAGE_ENTRY
    return catalogue;
}

constexpr Catalogue kCatalogue = MakeCatalogue();

const MessageEntry kFallback = {0, nullptr};

const char *const kFormHeads[] = {
    nullptr,
    "DMI0%d  (File: %d (%d): %d: <%s>) ",
    "DMI0%d  (%d,  %d, %d, Filename <%s>) ",
    "DMI0%d  (File %d, ID %d, %d,  <%s>) ",
    "DMI0%d  (File %d,  %d, %d, Filename <%s>) ",
    "DMI0%d  (File %d, Line %d, ID <%d>, Token <%s>) ",
    "DMI0%d  (File %d, ID <%d>, %d,  <%s>) ",
    "DMI0%d  (%d, %d, %d, Filename <%s>) ",
};

}  // namespace

const char kUnknownMessageFormat[] = "Unknown error code %d (File: %d (%d): %d: <%s>).\n";

const MessageEntry &LookUpMessage(uint32_t number) {
    if (number < kFirstMessage || number > kLastMessage) return kFallback;
    return kCatalogue[number - kFirstMessage];
}

const char *MessageFormHead(int form) {
    return form >= 1 && form <= 7 ? kFormHeads[form] : nullptr;
}

}  // namespace mifkit
