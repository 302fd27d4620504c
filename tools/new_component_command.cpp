#include "tools/new_component_command.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "mifkit/writer.h"

namespace mifkit::tool {

std::string NewComponentText(const std::string &name) {
    // Built as the dump's JSON, so that the name is escaped however it reads.
    auto attribute = [](int id, const char *attributeName, const char *type, nlohmann::ordered_json value) {
        nlohmann::ordered_json json{{"id", id}, {"name", attributeName}, {"access", "Read-Only"}, {"type", type}};
        if (std::string(type) == "DisplayString") json["size"] = 64;
        json["value"] = std::move(value);
        return json;
    };
    nlohmann::ordered_json group{
        {"name", "ComponentID"},
        {"class", "DMTF|ComponentID|001"},
        {"id", 1},
        {"description", "This group defines attributes common to all components."},
        {"attributes",
         {attribute(1, "Manufacturer", "DisplayString", ""), attribute(2, "Product", "DisplayString", name),
          attribute(3, "Version", "DisplayString", ""), attribute(4, "Serial Number", "DisplayString", ""),
          attribute(5, "Installation", "Date", "00000000000000.000000+000")}}};
    nlohmann::ordered_json document{{"language", "en|US|iso8859-1"},
                                    {"component", {{"name", name}, {"groups", {group}}}}};
    std::vector<std::string> errors;
    return MifFromJson(document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace), errors);
}

int RunNewComponent(const std::string &name) {
    std::string text = NewComponentText(name);
    if (text.empty()) {
        std::fprintf(stderr, "mifkit: no component can be named \"%s\"\n", name.c_str());
        return 1;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace mifkit::tool
