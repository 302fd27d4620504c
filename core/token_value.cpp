#include "core/token_value.h"

#include <cstring>

namespace mifkit {

bool CountedStringsEqual(const CountedString *a, const CountedString *b) {
    if (a == nullptr || b == nullptr) return a == b;
    return a->length == b->length && std::memcmp(a->Bytes(), b->Bytes(), a->length) == 0;
}

}  // namespace mifkit
