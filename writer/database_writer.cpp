#include "writer/database_writer.h"

#include <string_view>

#include "writer/literal_escaping.h"
#include "writer/value_text.h"

namespace mifkit::writer {

namespace {

std::u16string Units(const Text &text) { return Utf16Units(text.bytes(), true); }

const char *OsKeyword(uint32_t os) {
    static const char *const kNames[] = {"DOS", "MacOS", "OS2", "Unix", "Win16", "Win32", "Win9x", "WinNT"};
    return os < 8 ? kNames[os] : "DOS";
}

const char *AccessKeyword(uint32_t access) {
    static const char *const kNames[] = {nullptr, "Read-Only", "Read-Write", "Write-Only", nullptr};
    return access < 5 ? kNames[access] : nullptr;
}

// Names the parser makes for enumerations declared inside an attribute:
// "lenum" and three capitals. Written out they would only be noise.
bool IsGeneratedName(const std::u16string &name) {
    if (name.size() != 8 || name.compare(0, 5, u"lenum") != 0) return false;
    for (size_t i = 5; i < 8; ++i)
        if (name[i] < u'A' || name[i] > u'Z') return false;
    return true;
}

class DatabaseWriter {
public:
    explicit DatabaseWriter(Emitter &out) : out_(out) {}

    void File(const Database &database) {
        ComponentView component = database.component();
        if (database.language().present()) {
            out_.LiteralStatement("Language", Units(database.language()), "L");
            out_.Blank();
        }
        // The component's tables look for their templates among the groups
        // outside it first: those come first when a table uses one.
        bool groupsFirst = false;
        for (TableView table : component.tables())
            for (GroupView group : database.topLevelGroups())
                if (group.record() == table.templateGroup().record()) groupsFirst = true;
        if (groupsFirst) TopLevelGroups(database, false);
        if (component) Component(component);
        if (!groupsFirst) TopLevelGroups(database, static_cast<bool>(component));
    }

private:
    // Blank lines part them from each other and from the component.
    void TopLevelGroups(const Database &database, bool afterComponent) {
        unsigned unnumbered = 0;
        for (GroupView group : database.topLevelGroups()) {
            if (afterComponent) out_.Blank();
            Group(group, KeyedPlace("", 'G', group.idGiven(), group.id(), unnumbered));
            if (!afterComponent) out_.Blank();
        }
    }

    void Component(const ComponentView &component) {
        out_.Open("Start Component", "C");
        if (component.name().present()) out_.LiteralStatement("Name", Units(component.name()), "C/NAME");
        Optional("Description", component.description(), "C/DESCRIPTION");
        Optional("Pragma", component.pragma(), "C/PRAGMA");
        unsigned rank = 0;
        for (PathView path : component.paths()) Path(path, "C/P:" + std::to_string(rank++));
        rank = 0;
        for (EnumerationView enumeration : component.enumerations()) {
            out_.Blank();
            Enumeration(enumeration, "C/E:" + std::to_string(rank++), "Start Enum", true);
        }
        unsigned unnumbered = 0;
        for (GroupView group : component.groups()) {
            out_.Blank();
            Group(group, KeyedPlace("C/", 'G', group.idGiven(), group.id(), unnumbered));
        }
        unnumbered = 0;
        for (TableView table : component.tables()) {
            out_.Blank();
            Table(table, KeyedPlace("C/", 'T', table.idGiven(), table.id(), unnumbered));
        }
        out_.Close("End Component", "C/END");
    }

    void Optional(std::string_view keyword, const Text &text, const std::string &place) {
        if (text.present()) out_.LiteralStatement(keyword, Units(text), place);
    }

    void Path(const PathView &path, const std::string &place) {
        out_.Blank();
        out_.Open("Start Path", place);
        if (path.name().present()) out_.LiteralStatement("Name", Units(path.name()), place + "/NAME");
        unsigned rank = 0;
        for (PathEntryView entry : path.entries()) {
            std::string at = place + "/E:" + std::to_string(rank++);
            if (entry.directInterface())
                out_.Statement(OsKeyword(entry.os()), "Direct-Interface", at);
            else
                out_.LiteralStatement(OsKeyword(entry.os()), Units(entry.path()), at);
        }
        out_.Close("End Path", place + "/END");
    }

    void Enumeration(const EnumerationView &enumeration, const std::string &place, std::string_view open,
                     bool named) {
        out_.Open(open, place);
        std::u16string name = Units(enumeration.name());
        if (enumeration.name().present() && (named || !IsGeneratedName(name)))
            out_.LiteralStatement("Name", name, place + "/NAME");
        out_.Statement("Type", "Integer", place + "/TYPE");
        unsigned rank = 0;
        for (ElementView element : enumeration.elements())
            out_.LiteralStatement(std::to_string(element.value()), Units(element.text()),
                                  place + "/EL:" + std::to_string(rank++));
        out_.Close("End Enum", place + "/END");
    }

    // The header that groups and tables share.
    template <typename View>
    void Header(const View &view, const std::string &place) {
        Optional("Name", view.name(), place + "/NAME");
        Optional("Class", view.className(), place + "/CLASS");
        if (view.idGiven()) out_.Statement("ID", std::to_string(view.id()), place + "/ID");
    }

    void Group(const GroupView &group, const std::string &place) {
        out_.Open("Start Group", place);
        Header(group, place);
        std::vector<uint32_t> keys = group.keys();
        if (!keys.empty()) {
            std::string list;
            for (uint32_t key : keys) list += (list.empty() ? "" : ", ") + std::to_string(key);
            out_.Statement("Key", list, place + "/KEY");
        }
        Optional("Description", group.description(), place + "/DESCRIPTION");
        Optional("Pragma", group.pragma(), place + "/PRAGMA");
        for (AttributeView attribute : group.attributes())
            Attribute(attribute, place + "/A:" + std::to_string(attribute.id()));
        out_.Close("End Group", place + "/END");
    }

    void Type(const AttributeView &attribute, const std::string &place) {
        switch (attribute.type()) {
        case kTypeCounter: return out_.Statement("Type", "Counter", place);
        case kTypeCounter64: return out_.Statement("Type", "Counter64", place);
        case kTypeGauge: return out_.Statement("Type", "Gauge", place);
        case kTypeInteger: return out_.Statement("Type", "Integer", place);
        case kTypeInteger64: return out_.Statement("Type", "Integer64", place);
        case kTypeDate: return out_.Statement("Type", "Date", place);
        case kTypeOctetString:
            return out_.Statement("Type", "OctetString(" + std::to_string(attribute.size()) + ")", place);
        case kTypeDisplayString:
            return out_.Statement("Type", "DisplayString(" + std::to_string(attribute.size()) + ")", place);
        case kTypeNamedEnumeration:
            return out_.LiteralStatement("Type", Units(attribute.enumeration().name()), place);
        case kTypeOwnEnumeration:
            return Enumeration(attribute.enumeration(), place, "Type = Start Enum", false);
        default: return;
        }
    }

    // The Value statements that leave the attribute as it is: a later Value
    // statement replaces an earlier one's value but not the access that
    // Unsupported set, nor the mark that Unknown set.
    void Values(const AttributeView &attribute, const std::string &place) {
        uint32_t form = attribute.valueForm();
        if (attribute.valueUnknown() && form != 2) out_.Statement("Value", "Unknown", place);
        if (attribute.access() == 4 && form != 1) out_.Statement("Value", "Unsupported", place);
        if (form == 1) return out_.Statement("Value", "Unsupported", place);
        if (form == 2) return out_.Statement("Value", "Unknown", place);
        if (attribute.overlay())
            return out_.LiteralStatement("Value", Units(attribute.value().text()), place, "*");
        if (std::optional<std::u16string> text = ValueText(attribute.value()))
            out_.LiteralStatement("Value", *text, place);
        else if (std::optional<std::u16string> token = ValueToken(out_, attribute.value()))
            out_.Line(u"Value = " + *token, place);
    }

    void Attribute(const AttributeView &attribute, const std::string &place) {
        out_.Open("Start Attribute", place);
        Optional("Name", attribute.name(), place + "/NAME");
        out_.Statement("ID", std::to_string(attribute.id()), place + "/ID");
        Optional("Description", attribute.description(), place + "/DESCRIPTION");
        const char *access = AccessKeyword(attribute.access());
        // Value = Unsupported sets the access: one given after it comes after it.
        bool accessLast = attribute.valueForm() == 1 || attribute.access() == 4;
        if (access != nullptr && !accessLast) out_.Statement("Access", access, place + "/ACCESS");
        if (attribute.storage() == 1) out_.Statement("Storage", "Specific", place + "/STORAGE");
        Type(attribute, place + "/TYPE");
        if (attribute.type() != 0) Values(attribute, place + "/VALUE");
        if (access != nullptr && accessLast) out_.Statement("Access", access, place + "/ACCESS");
        Optional("Pragma", attribute.pragma(), place + "/PRAGMA");
        out_.Close("End Attribute", place + "/END");
    }

    void Table(const TableView &table, const std::string &place) {
        out_.Open("Start Table", place);
        Header(table, place);
        unsigned rank = 0;
        for (RowView row : table.rows())
            out_.Line(RowLine(out_, row, table.templateGroup()), place + "/R:" + std::to_string(rank++));
        out_.Close("End Table", place + "/END");
    }

    Emitter &out_;
};

std::string WriteWith(const Database &database, const WriteOptions &options, CommentSource *comments,
                      bool wide, bool &needsWide) {
    if (comments != nullptr) comments->Rewind();
    Emitter emitter(options, wide, comments);
    DatabaseWriter(emitter).File(database);
    std::string bytes = emitter.Finish();
    needsWide = emitter.needsWide();
    return bytes;
}

}  // namespace

std::string WriteDatabase(const Database &database, const WriteOptions &options, CommentSource *comments) {
    bool needsWide = false;
    bool wide = options.encoding == MifEncoding::kUtf16;
    std::string bytes = WriteWith(database, options, comments, wide, needsWide);
    if (!needsWide) return bytes;
    if (options.encoding == MifEncoding::kEightBit)
        throw WriteError("a text holds a character above U+00FF, which 8-bit MIF text cannot hold");
    return WriteWith(database, options, comments, true, needsWide);
}

}  // namespace mifkit::writer

namespace mifkit {

std::string WriteMif(const Database &database, const WriteOptions &options) {
    return writer::WriteDatabase(database, options, nullptr);
}

void WriteMif(const Database &database, std::ostream &out, const WriteOptions &options) {
    std::string bytes = WriteMif(database, options);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace mifkit
