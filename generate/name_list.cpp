#include "generate/name_list.h"

namespace mifkit {

std::string MakeNameList(const std::vector<std::string> &names) {
    std::string list;
    for (const std::string &name : names) {
        list += name;
        list += '\0';
    }
    list += '\0';
    return list;
}

std::vector<std::string> NameListNames(std::string_view list) {
    std::vector<std::string> names;
    for (size_t offset = 0; offset < list.size() && list[offset] != '\0';) {
        names.emplace_back(NameAt(list, offset));
        offset += names.back().size() + 1;
    }
    return names;
}

std::string_view NameAt(std::string_view list, size_t offset) {
    std::string_view name = list.substr(offset);
    return name.substr(0, name.find('\0'));
}

void DropName(std::string &list, size_t offset) {
    list.erase(offset, NameAt(list, offset).size() + 1);
}

}  // namespace mifkit
