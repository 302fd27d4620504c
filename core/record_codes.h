// The codes that attribute and path records hold in their 32-bit words.
#pragma once

#include <cstdint>

namespace mifkit {

enum Access : uint32_t {
    kNoAccess = 0,  // no Access statement
    kReadOnly = 1,
    kReadWrite = 2,
    kWriteOnly = 3,
    kUnsupported = 4,  // set by Value = Unsupported
};

enum Storage : uint32_t {
    kCommon = 0,
    kSpecific = 1,
};

// Which form a Value statement took.
enum ValueForm : uint32_t {
    kGivenValue = 0,
    kUnsupportedValue = 1,
    kUnknownValue = 2,
};

// The operating systems a path entry names, by the OS_NAME token's code.
enum OsCode : uint32_t {
    kDos = 0,
    kMacOs = 1,
    kOs2 = 2,
    kUnix = 3,
    kWin16 = 4,
    kWin32 = 5,
    kWin9x = 6,
    kWinNt = 7,
};

}  // namespace mifkit
