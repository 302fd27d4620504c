// Groups and tables of the component by ID and by class, built once when a
// parse ends so that every query finds its record in constant time. The
// first record defined wins, as a walk of the lists would find it.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "core/records.h"

namespace mifkit {

struct QueryIndex {
    const Component *component = nullptr;
    std::unordered_map<uint32_t, const Group *> groupsById;
    std::unordered_map<std::string_view, const Group *> groupsByClass;
    std::unordered_map<uint32_t, const Table *> tablesById;
    std::unordered_map<std::string_view, const Table *> tablesByClass;
};

}  // namespace mifkit
