#include "core/tokens.h"

namespace mifkit {

const char *TokenName(int token) {
    switch (token) {
    case END_OF_INPUT:
        return "END_OF_INPUT";
#define MIFKIT_TOKEN_NAME(name, number) \
    case name:                          \
        return #name;
        MIFKIT_TOKENS(MIFKIT_TOKEN_NAME)
#undef MIFKIT_TOKEN_NAME
    default:
        return nullptr;
    }
}

}  // namespace mifkit
