// The DataType codes of attributes, cells and data blocks: the library's own
// records and the C++ interface share this one list.
#pragma once

#include <cstdint>

namespace mifkit {

enum DataType : uint32_t {
    kTypeCounter = 1,
    kTypeCounter64 = 2,
    kTypeGauge = 3,
    kTypeInteger = 5,
    kTypeInteger64 = 6,
    kTypeOctetString = 7,
    kTypeDisplayString = 8,
    kTypeDate = 11,
    kTypeNamedEnumeration = 111,
    kTypeOwnEnumeration = 112,
};

}  // namespace mifkit
