#include "tools/dump_command.h"

#include <cstdio>

#include "core/record_codes.h"
#include "tools/loaded_database.h"

namespace mifkit::tool {

namespace {

using Json = nlohmann::ordered_json;

Json TextJson(const Text &text) { return text.present() ? Json(text.utf8()) : Json(); }

void PutOptional(Json &object, const char *key, const Text &text) {
    if (text.present()) object[key] = text.utf8();
}

const char *OsName(uint32_t os) {
    // In OsCode order.
    static const char *const kNames[] = {"DOS", "MACOS", "OS2", "UNIX", "WIN16", "WIN32", "WIN9X", "WINNT"};
    return os <= kWinNt ? kNames[os] : "?";
}

const char *TypeName(uint32_t type) {
    switch (type) {
    case kTypeCounter: return "Counter";
    case kTypeCounter64: return "Counter64";
    case kTypeGauge: return "Gauge";
    case kTypeInteger: return "Integer";
    case kTypeInteger64: return "Integer64";
    case kTypeOctetString: return "OctetString";
    case kTypeDisplayString: return "DisplayString";
    case kTypeDate: return "Date";
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration: return "Enum";
    default: return nullptr;
    }
}

const char *AccessName(uint32_t access) {
    // In Access order; no Access statement shows none.
    static const char *const kNames[] = {nullptr, "Read-Only", "Read-Write", "Write-Only", "Unsupported"};
    return access <= kUnsupported ? kNames[access] : nullptr;
}

Json ElementsJson(const EnumerationView &enumeration) {
    Json elements = Json::array();
    for (ElementView element : enumeration.elements())
        elements.push_back(Json{{"value", element.value()}, {"text", TextJson(element.text())}});
    return elements;
}

// The value by its type; null when there is none to show.
Json ValueJson(const ValueView &value) {
    switch (value.type()) {
    case kTypeCounter:
    case kTypeGauge: return value.unsignedValue();
    case kTypeInteger: return value.signedValue();
    case kTypeCounter64: return value.uint64();
    case kTypeInteger64: return value.int64();
    case kTypeOctetString:
    case kTypeDisplayString:
    case kTypeDate: return TextJson(value.text());
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration: {
        if (!value.element() && !value.text().present()) return Json();
        Json entry{{"value", value.enumerationNumber()}};
        if (value.element()) entry["text"] = TextJson(value.element().text());
        return entry;
    }
    default: return Json();
    }
}

Json AttributeJson(const AttributeView &attribute) {
    Json json{{"id", attribute.id()}, {"name", TextJson(attribute.name())}};
    PutOptional(json, "description", attribute.description());
    if (const char *access = AccessName(attribute.access())) json["access"] = access;
    json["storage"] = attribute.storage() == kSpecific ? "Specific" : "Common";
    if (const char *type = TypeName(attribute.type())) json["type"] = type;
    if (attribute.type() == kTypeOctetString || attribute.type() == kTypeDisplayString)
        json["size"] = attribute.size();
    if (attribute.type() == kTypeNamedEnumeration) json["enumeration"] = TextJson(attribute.enumeration().name());
    if (attribute.type() == kTypeOwnEnumeration) json["elements"] = ElementsJson(attribute.enumeration());
    if (attribute.valueUnknown()) {
        json["unknown"] = true;
    } else if (attribute.overlay()) {
        json["overlay"] = TextJson(attribute.value().text());
    } else if (attribute.valueForm() != kUnsupportedValue) {
        Json value = ValueJson(attribute.value());
        if (!value.is_null()) json["value"] = std::move(value);
    }
    PutOptional(json, "pragma", attribute.pragma());
    return json;
}

Json GroupJson(const GroupView &group) {
    Json json{{"name", TextJson(group.name())}, {"class", TextJson(group.className())}};
    if (group.idGiven()) json["id"] = group.id();
    if (!group.keys().empty()) json["keys"] = group.keys();
    PutOptional(json, "description", group.description());
    PutOptional(json, "pragma", group.pragma());
    Json attributes = Json::array();
    for (AttributeView attribute : group.attributes()) attributes.push_back(AttributeJson(attribute));
    json["attributes"] = std::move(attributes);
    return json;
}

Json TableJson(const TableView &table) {
    Json rows = Json::array();
    for (RowView row : table.rows()) {
        Json cells = Json::array();
        for (CellView cell : row.cells())
            cells.push_back(cell.overlay() ? Json{{"overlay", TextJson(cell.value().text())}}
                                           : ValueJson(cell.value()));
        rows.push_back(std::move(cells));
    }
    return Json{{"name", TextJson(table.name())}, {"class", TextJson(table.className())}, {"id", table.id()},
                {"columns", table.columnCount()}, {"rows", std::move(rows)}};
}

Json ComponentJson(const ComponentView &component) {
    Json json{{"name", TextJson(component.name())}};
    PutOptional(json, "description", component.description());
    PutOptional(json, "pragma", component.pragma());
    Json paths = Json::array();
    for (PathView path : component.paths()) {
        Json entries = Json::array();
        for (PathEntryView entry : path.entries()) {
            Json item{{"os", OsName(entry.os())}};
            if (entry.directInterface())
                item["directInterface"] = true;
            else
                item["path"] = TextJson(entry.path());
            entries.push_back(std::move(item));
        }
        paths.push_back(Json{{"name", TextJson(path.name())}, {"entries", std::move(entries)}});
    }
    json["paths"] = std::move(paths);
    Json enumerations = Json::array();
    for (EnumerationView enumeration : component.enumerations())
        enumerations.push_back(Json{{"name", TextJson(enumeration.name())}, {"elements", ElementsJson(enumeration)}});
    json["enumerations"] = std::move(enumerations);
    Json groups = Json::array(), tables = Json::array();
    for (GroupView group : component.groups()) groups.push_back(GroupJson(group));
    for (TableView table : component.tables()) tables.push_back(TableJson(table));
    json["groups"] = std::move(groups);
    json["tables"] = std::move(tables);
    return json;
}

}  // namespace

nlohmann::ordered_json DatabaseJson(const Database &database) {
    Json topLevel = Json::array();
    for (GroupView group : database.topLevelGroups()) topLevel.push_back(GroupJson(group));
    return Json{{"language", TextJson(database.language())},
                {"component", database.component() ? ComponentJson(database.component()) : Json()},
                {"topLevelGroups", std::move(topLevel)}};
}

int RunDump(const std::string &file) {
    std::optional<Database> database = LoadDatabase(file);
    if (!database) return 1;
    std::string text = DatabaseJson(*database).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace mifkit::tool
