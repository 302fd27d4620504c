// MIF text from the JSON of `mifkit dump`. The document is checked as it is
// walked, so that each problem names the JSON value at fault; the text it
// gives is then parsed and written again by the database writer, so that
// both paths lay files out alike and nothing unparsable comes out.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <nlohmann/json.hpp>
#include <set>

#include "writer/database_writer.h"
#include "writer/literal_escaping.h"

namespace mifkit::writer {

namespace {

using Json = nlohmann::json;

// An enumeration's elements in the order given: the parser looks a text up
// as the first element that has it.
using Elements = std::vector<std::pair<int64_t, std::u16string>>;

// What a value must be to fit an attribute's type.
struct Column {
    std::string type;  // as the dump names it; empty without a type
    uint64_t size = 0;
    Elements elements;  // of an enumeration
    bool refused = false;  // its type was refused already: its values are not checked
};

struct Scope {
    std::set<uint64_t> ids;                    // groups and tables share them
    std::map<std::u16string, std::vector<Column>> templates;  // keyed groups by class
};

class JsonReader {
public:
    JsonReader(Emitter &out, std::vector<std::string> &errors) : out_(out), errors_(errors) {}

    void Document(const Json &root) {
        if (!root.is_object()) return Error("", "the document is not a JSON object");
        std::u16string language;
        if (OptionalText(root, "language", "", language)) {
            out_.LiteralStatement("Language", language, "");
            out_.Blank();
        }
        const Json *component = Member(root, "component");
        const Json *top = Member(root, "topLevelGroups");
        if (top != nullptr && !top->is_array()) Error("/topLevelGroups", "not an array");
        // A table finds a template outside the component before one inside it.
        Scope outside;
        if (top != nullptr && top->is_array())
            for (size_t i = 0; i < top->size(); ++i) {
                Group((*top)[i], "/topLevelGroups/" + std::to_string(i), outside);
                out_.Blank();
            }
        if (component != nullptr) Component(*component, outside);
    }

private:
    void Error(const std::string &path, const std::string &message) {
        errors_.push_back((path.empty() ? "/" : path) + ": " + message);
    }

    static const Json *Member(const Json &object, const char *key) {
        if (!object.is_object()) return nullptr;
        auto found = object.find(key);
        return found == object.end() || found->is_null() ? nullptr : &*found;
    }

    bool TextOf(const Json &value, const std::string &path, std::u16string &out) {
        if (!value.is_string()) {
            Error(path, "not a string");
            return false;
        }
        if (!Utf8ToUtf16(value.get<std::string>(), out)) {
            Error(path, "not UTF-8");
            return false;
        }
        return true;
    }

    // A text member that may be missing; false when it is missing or bad.
    bool OptionalText(const Json &object, const char *key, const std::string &path, std::u16string &out) {
        const Json *value = Member(object, key);
        return value != nullptr && TextOf(*value, path + "/" + key, out);
    }

    bool RequiredText(const Json &object, const char *key, const std::string &path, std::u16string &out) {
        if (Member(object, key) != nullptr) return OptionalText(object, key, path, out);
        Error(path + "/" + key, std::string("missing ") + key);
        return false;
    }

    bool Integer(const Json &value, const std::string &path, int64_t low, uint64_t high, std::string &out) {
        bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= high
                    : value.is_number_integer() ? value.get<int64_t>() >= low &&
                                                      (value.get<int64_t>() < 0 || uint64_t(value.get<int64_t>()) <= high)
                                                : false;
        if (!fits) {
            Error(path, "not an integer from " + std::to_string(low) + " to " + std::to_string(high));
            return false;
        }
        out = value.is_number_unsigned() ? std::to_string(value.get<uint64_t>()) : std::to_string(value.get<int64_t>());
        return true;
    }

    const Json &Array(const Json &object, const char *key, const std::string &path) {
        static const Json kEmpty = Json::array();
        const Json *value = Member(object, key);
        if (value == nullptr) return kEmpty;
        if (!value->is_array()) {
            Error(path + "/" + key, "not an array");
            return kEmpty;
        }
        return *value;
    }

    void Optional(const Json &object, const char *key, const char *keyword, const std::string &path) {
        std::u16string text;
        if (OptionalText(object, key, path, text)) out_.LiteralStatement(keyword, text, path);
    }

    void Component(const Json &component, Scope &outside) {
        const std::string path = "/component";
        if (!component.is_object()) return Error(path, "not an object");
        out_.Open("Start Component", path);
        std::u16string name;
        if (RequiredText(component, "name", path, name)) out_.LiteralStatement("Name", name, path);
        Optional(component, "description", "Description", path);
        Optional(component, "pragma", "Pragma", path);
        const Json &paths = Array(component, "paths", path);
        for (size_t i = 0; i < paths.size(); ++i) Path(paths[i], path + "/paths/" + std::to_string(i));
        const Json &enumerations = Array(component, "enumerations", path);
        for (size_t i = 0; i < enumerations.size(); ++i) {
            std::string at = path + "/enumerations/" + std::to_string(i);
            std::u16string enumName;
            out_.Blank();
            out_.Open("Start Enum", at);
            if (RequiredText(enumerations[i], "name", at, enumName)) out_.LiteralStatement("Name", enumName, at);
            Elements elements = ElementList(enumerations[i], at);
            if (!enumerations_.count(enumName)) enumerations_[enumName] = elements;
            out_.Close("End Enum", at);
        }
        Scope inside;
        inside.templates = outside.templates;
        const Json &groups = Array(component, "groups", path);
        for (size_t i = 0; i < groups.size(); ++i) {
            out_.Blank();
            Group(groups[i], path + "/groups/" + std::to_string(i), inside);
        }
        const Json &tables = Array(component, "tables", path);
        for (size_t i = 0; i < tables.size(); ++i) {
            out_.Blank();
            Table(tables[i], path + "/tables/" + std::to_string(i), inside);
        }
        out_.Close("End Component", path);
    }

    void Path(const Json &pathJson, const std::string &path) {
        static const char *const kOs[] = {"DOS", "MACOS", "OS2", "UNIX", "WIN16", "WIN32", "WIN9X", "WINNT"};
        out_.Blank();
        out_.Open("Start Path", path);
        std::u16string name;
        if (RequiredText(pathJson, "name", path, name)) out_.LiteralStatement("Name", name, path);
        const Json &entries = Array(pathJson, "entries", path);
        if (entries.empty()) Error(path + "/entries", "a path needs an entry");
        for (size_t i = 0; i < entries.size(); ++i) {
            std::string at = path + "/entries/" + std::to_string(i);
            const Json *os = Member(entries[i], "os");
            std::string osName = os != nullptr && os->is_string() ? os->get<std::string>() : "";
            bool known = false;
            for (const char *candidate : kOs) known = known || osName == candidate;
            if (!known) {
                Error(at + "/os", "not one of DOS, MACOS, OS2, UNIX, WIN16, WIN32, WIN9X, WINNT");
                continue;
            }
            const Json *direct = Member(entries[i], "directInterface");
            std::u16string text;
            if (direct != nullptr && *direct == true)
                out_.Statement(osName, "Direct-Interface", at);
            else if (RequiredText(entries[i], "path", at, text))
                out_.LiteralStatement(osName, text, at);
        }
        out_.Close("End Path", path);
    }

    Elements ElementList(const Json &owner, const std::string &path) {
        Elements elements;
        std::set<int64_t> values;
        out_.Statement("Type", "Integer", path);
        const Json &list = Array(owner, "elements", path);
        if (list.empty()) Error(path + "/elements", "an enumeration needs an element");
        for (size_t i = 0; i < list.size(); ++i) {
            std::string at = path + "/elements/" + std::to_string(i);
            std::string number;
            std::u16string text;
            const Json *value = Member(list[i], "value");
            if (value == nullptr) {
                Error(at + "/value", "missing value");
                continue;
            }
            if (!Integer(*value, at + "/value", INT32_MIN, INT32_MAX, number) || !RequiredText(list[i], "text", at, text))
                continue;
            if (!values.insert(value->get<int64_t>()).second)
                Error(at + "/value", "duplicate element value " + number);
            elements.emplace_back(value->get<int64_t>(), text);
            out_.LiteralStatement(number, text, at);
        }
        return elements;
    }

    // The token of a value of `column`'s type, or nothing after an error.
    std::optional<std::u16string> ValueToken(const Json &value, const Column &column, const std::string &path) {
        std::string number;
        const std::string &type = column.type;
        if (column.refused) return std::nullopt;
        if (type == "Counter" || type == "Gauge") {
            if (Integer(value, path, 0, UINT32_MAX, number)) return Widen(number);
        } else if (type == "Integer") {
            if (Integer(value, path, INT32_MIN, INT32_MAX, number)) return Widen(number);
        } else if (type == "Counter64") {
            if (Integer(value, path, 0, UINT64_MAX, number)) return Widen(number);
        } else if (type == "Integer64") {
            if (Integer(value, path, INT64_MIN, INT64_MAX, number)) return Widen(number);
        } else if (type == "OctetString" || type == "DisplayString" || type == "Date") {
            std::u16string text;
            if (!TextOf(value, path, text)) return std::nullopt;
            if (type != "Date" && text.size() > column.size) {
                Error(path, "longer than the size " + std::to_string(column.size));
                return std::nullopt;
            }
            return out_.Literal(text);
        } else if (type == "Enum") {
            const Json &entry = value.is_object() && value.contains("value") ? value["value"] : value;
            if (entry.is_string()) {
                std::u16string text;
                if (!TextOf(entry, path, text)) return std::nullopt;
                for (const auto &element : column.elements)
                    if (element.second == text) return out_.Literal(text);
                Error(path, "no element of the enumeration has the text " + entry.get<std::string>());
            } else if (Integer(entry, path + (value.is_object() ? "/value" : ""), INT32_MIN, INT32_MAX, number)) {
                return EnumerationNumber(value, entry.get<int64_t>(), column.elements, path, number);
            }
        } else {
            Error(path, "a value needs the attribute's type");
        }
        return std::nullopt;
    }

    // An entry given with its element's text is written as that text, as the
    // database writer writes it, when the text finds that element.
    std::optional<std::u16string> EnumerationNumber(const Json &value, int64_t number, const Elements &elements,
                                                    const std::string &path, const std::string &digits) {
        const Json *textJson = Member(value, "text");
        std::u16string text;
        bool known = false;
        for (const auto &element : elements) known = known || element.first == number;
        if (!known) {
            Error(path, "unknown enumeration value " + digits);
            return std::nullopt;
        }
        if (textJson != nullptr && textJson->is_string() && Utf8ToUtf16(textJson->get<std::string>(), text))
            for (const auto &element : elements)
                if (element.second == text) {
                    if (element.first == number) return out_.Literal(text);
                    break;
                }
        return Widen(digits);
    }

    void Group(const Json &group, const std::string &path, Scope &scope) {
        if (!group.is_object()) return Error(path, "not an object");
        out_.Open("Start Group", path);
        std::u16string name, className;
        bool named = OptionalText(group, "name", path, name);
        bool classed = OptionalText(group, "class", path, className);
        if (named) out_.LiteralStatement("Name", name, path);
        if (classed) out_.LiteralStatement("Class", className, path);
        const Json *id = Member(group, "id");
        std::string number;
        if (id != nullptr && Integer(*id, path + "/id", 1, UINT32_MAX, number)) {
            if (!scope.ids.insert(id->get<uint64_t>()).second) Error(path + "/id", "duplicate group ID " + number);
            out_.Statement("ID", number, path);
        }
        if (!named && !classed && id == nullptr) Error(path, "a group needs a name, a class or an ID");
        const Json &attributes = Array(group, "attributes", path);
        std::set<uint64_t> attributeIds;
        std::vector<std::pair<uint64_t, Column>> columns;
        for (size_t i = 0; i < attributes.size(); ++i) {
            const Json *attributeId = Member(attributes[i], "id");
            if (attributeId != nullptr && attributeId->is_number_integer() && attributeId->get<int64_t>() > 0)
                attributeIds.insert(attributeId->get<uint64_t>());
        }
        const Json &keys = Array(group, "keys", path);
        std::string keyList;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!Integer(keys[i], path + "/keys/" + std::to_string(i), 1, UINT32_MAX, number)) continue;
            if (attributeIds.count(keys[i].get<uint64_t>()) == 0)
                Error(path + "/keys/" + std::to_string(i), "no attribute has the ID " + number);
            keyList += (keyList.empty() ? "" : ", ") + number;
        }
        if (!keyList.empty()) out_.Statement("Key", keyList, path);
        Optional(group, "description", "Description", path);
        Optional(group, "pragma", "Pragma", path);
        std::set<uint64_t> seen;
        for (size_t i = 0; i < attributes.size(); ++i) {
            std::string at = path + "/attributes/" + std::to_string(i);
            uint64_t attributeId = 0;
            Column column = Attribute(attributes[i], at, seen, attributeId);
            columns.emplace_back(attributeId, column);
        }
        out_.Close("End Group", path);
        if (classed && !keyList.empty() && id == nullptr && !scope.templates.count(className)) {
            std::sort(columns.begin(), columns.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
            std::vector<Column> &ordered = scope.templates[className];
            for (auto &column : columns) ordered.push_back(std::move(column.second));
        }
    }

    Column Attribute(const Json &attribute, const std::string &path, std::set<uint64_t> &seen, uint64_t &id) {
        static const char *const kTypes[] = {"Counter", "Counter64", "Gauge",         "Integer", "Integer64",
                                             "Date",    "Enum",      "OctetString", "DisplayString"};
        Column column;
        if (!attribute.is_object()) {
            Error(path, "not an object");
            return column;
        }
        out_.Open("Start Attribute", path);
        std::u16string text;
        if (RequiredText(attribute, "name", path, text)) out_.LiteralStatement("Name", text, path);
        const Json *idJson = Member(attribute, "id");
        std::string number;
        if (idJson == nullptr) {
            Error(path + "/id", "missing id");
        } else if (Integer(*idJson, path + "/id", 1, UINT32_MAX, number)) {
            id = idJson->get<uint64_t>();
            if (!seen.insert(id).second) Error(path + "/id", "duplicate attribute ID " + number);
            out_.Statement("ID", number, path);
        }
        Optional(attribute, "description", "Description", path);
        const Json *access = Member(attribute, "access");
        std::string accessName = access != nullptr && access->is_string() ? access->get<std::string>() : "";
        if (access != nullptr && accessName != "Read-Only" && accessName != "Read-Write" &&
            accessName != "Write-Only" && accessName != "Unsupported")
            Error(path + "/access", "not one of Read-Only, Read-Write, Write-Only, Unsupported");
        else if (access != nullptr && accessName != "Unsupported")
            out_.Statement("Access", accessName, path);
        const Json *storage = Member(attribute, "storage");
        if (storage != nullptr && *storage != "Common" && *storage != "Specific")
            Error(path + "/storage", "not Common or Specific");
        else if (storage != nullptr && *storage == "Specific")
            out_.Statement("Storage", "Specific", path);
        if (const Json *type = Member(attribute, "type")) {
            for (const char *candidate : kTypes)
                if (*type == candidate) column.type = candidate;
            if (column.type.empty()) Error(path + "/type", "not a type the dump names");
        }
        Type(attribute, path, column);
        Values(attribute, path, column, accessName == "Unsupported");
        Optional(attribute, "pragma", "Pragma", path);
        out_.Close("End Attribute", path);
        return column;
    }

    void Type(const Json &attribute, const std::string &path, Column &column) {
        if (column.type == "OctetString" || column.type == "DisplayString") {
            const Json *size = Member(attribute, "size");
            std::string number;
            if (size == nullptr) return Error(path + "/size", "missing size");
            if (!Integer(*size, path + "/size", 0, UINT32_MAX, number)) return;
            column.size = size->get<uint64_t>();
            out_.Statement("Type", column.type + "(" + number + ")", path);
        } else if (column.type == "Enum") {
            std::u16string name;
            if (Member(attribute, "elements") != nullptr) {
                out_.Open("Type = Start Enum", path);
                column.elements = ElementList(attribute, path);
                out_.Close("End Enum", path);
            } else if (RequiredText(attribute, "enumeration", path, name)) {
                auto found = enumerations_.find(name);
                if (found == enumerations_.end()) {
                    column.refused = true;
                    return Error(path + "/enumeration", "unknown enumeration " + attribute["enumeration"].dump());
                }
                column.elements = found->second;
                out_.LiteralStatement("Type", name, path);
            }
        } else if (!column.type.empty()) {
            out_.Statement("Type", column.type, path);
        }
    }

    void Values(const Json &attribute, const std::string &path, const Column &column, bool unsupported) {
        const Json *value = Member(attribute, "value");
        const Json *overlay = Member(attribute, "overlay");
        const Json *unknown = Member(attribute, "unknown");
        if ((value != nullptr || overlay != nullptr || unknown != nullptr || unsupported) && column.type.empty())
            return Error(path + "/type", "a value needs a type");
        if (unsupported) out_.Statement("Value", "Unsupported", path);
        if (unknown != nullptr && *unknown == true) out_.Statement("Value", "Unknown", path);
        std::u16string text;
        if (overlay != nullptr && TextOf(*overlay, path + "/overlay", text))
            out_.LiteralStatement("Value", text, path, "*");
        if (value != nullptr)
            if (std::optional<std::u16string> token = ValueToken(*value, column, path + "/value"))
                out_.Line(u"Value = " + *token, path);
    }

    void Table(const Json &table, const std::string &path, Scope &scope) {
        if (!table.is_object()) return Error(path, "not an object");
        out_.Open("Start Table", path);
        std::u16string name, className;
        if (OptionalText(table, "name", path, name)) out_.LiteralStatement("Name", name, path);
        const std::vector<Column> *columns = nullptr;
        if (RequiredText(table, "class", path, className)) {
            auto found = scope.templates.find(className);
            if (found == scope.templates.end())
                Error(path + "/class", "no keyed group without an ID has the class " + table["class"].get<std::string>());
            else
                columns = &found->second;
            out_.LiteralStatement("Class", className, path);
        }
        const Json *id = Member(table, "id");
        std::string number;
        if (id != nullptr && Integer(*id, path + "/id", 1, UINT32_MAX, number)) {
            if (!scope.ids.insert(id->get<uint64_t>()).second) Error(path + "/id", "duplicate group ID " + number);
            out_.Statement("ID", number, path);
        }
        const Json &rows = Array(table, "rows", path);
        for (size_t r = 0; r < rows.size() && columns != nullptr; ++r)
            out_.Line(Row(rows[r], path + "/rows/" + std::to_string(r), *columns), path);
        out_.Close("End Table", path);
    }

    std::u16string Row(const Json &row, const std::string &path, const std::vector<Column> &columns) {
        if (!row.is_array()) {
            Error(path, "not an array");
            return u"{,}";
        }
        if (row.size() > columns.size()) Error(path, "more entries than the template's " + std::to_string(columns.size()));
        std::u16string line = u"{";
        for (size_t c = 0; c < row.size() && c < columns.size(); ++c) {
            std::string at = path + "/" + std::to_string(c);
            if (c > 0) line += u", ";
            std::u16string text;
            if (row[c].is_null()) continue;
            if (const Json *overlay = Member(row[c], "overlay")) {
                if (TextOf(*overlay, at + "/overlay", text)) line += u'*' + out_.Literal(text);
            } else if (std::optional<std::u16string> token = ValueToken(row[c], columns[c], at)) {
                line += *token;
            }
        }
        return line == u"{" ? u"{,}" : line + u'}';
    }

    Emitter &out_;
    std::vector<std::string> &errors_;
    std::map<std::u16string, Elements> enumerations_;
};

}  // namespace

}  // namespace mifkit::writer

namespace mifkit {

std::string MifFromJson(std::string_view json, std::vector<std::string> &errors, const WriteOptions &options) {
    errors.clear();
    nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
    if (document.is_discarded()) {
        errors.push_back("/: not a JSON document");
        return std::string();
    }
    WriteOptions wide = options;
    wide.encoding = MifEncoding::kUtf16;
    writer::Emitter emitter(wide, true, nullptr);
    writer::JsonReader(emitter, errors).Document(document);
    if (!errors.empty()) return std::string();
    Database database = Database::FromBuffer(emitter.Finish(), {}, "(JSON)");
    if (!database.ok()) {
        for (const Diagnostic &diagnostic : database.diagnostics())
            errors.push_back("/: " + diagnostic.readableToken + ": " + diagnostic.text.substr(0, diagnostic.text.find('\n')));
        if (errors.empty()) errors.push_back("/: the document does not make a valid MIF file");
        return std::string();
    }
    return WriteMif(database, options);
}

}  // namespace mifkit
