// Read-only views over a parsed database. A view is a small value that
// points into the records of its Database: it copies nothing and stays valid
// as long as that Database lives and is not parsed again. A view made from a
// missing record is empty (false in a boolean test) and answers 0, an empty
// Text or another empty view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mifkit/data_type.h"
#include "mifkit/export.h"

namespace mifkit {

struct AttributeValue;
struct Attribute;
struct Component;
struct ComponentPath;
struct CountedString;
struct EnumElement;
struct Enumeration;
struct Group;
struct PathEntry;
struct Table;
struct TableCell;
struct TableRow;

// A string of the database as stored: literal text is UTF-16BE with its two
// NUL bytes counted; an octet-string value has no NUL; an enumeration value
// written as a number keeps the number's 8-bit text and one NUL.
class MIFKIT_CXX_API Text {
public:
    Text() = default;
    explicit Text(const CountedString *text, bool numberText = false)
        : text_(text), numberText_(numberText) {}

    bool present() const { return text_ != nullptr; }
    std::string_view bytes() const;  // the counted bytes; empty when absent
    std::string utf8() const;         // without the NUL; empty when absent

private:
    const CountedString *text_ = nullptr;
    bool numberText_ = false;
};

namespace detail {
// The next record of a list, for List's iterators.
MIFKIT_CXX_API const ComponentPath *Next(const ComponentPath *record);
MIFKIT_CXX_API const PathEntry *Next(const PathEntry *record);
MIFKIT_CXX_API const Enumeration *Next(const Enumeration *record);
MIFKIT_CXX_API const EnumElement *Next(const EnumElement *record);
MIFKIT_CXX_API const Group *Next(const Group *record);
MIFKIT_CXX_API const Attribute *Next(const Attribute *record);
MIFKIT_CXX_API const Table *Next(const Table *record);
MIFKIT_CXX_API const TableRow *Next(const TableRow *record);
MIFKIT_CXX_API const TableCell *Next(const TableCell *record);
}  // namespace detail

// A linked list of records seen as a range of views, in file order.
template <typename View>
class List {
public:
    using Record = typename View::Record;

    class iterator {
    public:
        explicit iterator(const Record *at) : at_(at) {}
        View operator*() const { return View(at_); }
        iterator &operator++() {
            at_ = detail::Next(at_);
            return *this;
        }
        bool operator==(const iterator &other) const { return at_ == other.at_; }
        bool operator!=(const iterator &other) const { return at_ != other.at_; }

    private:
        const Record *at_;
    };

    explicit List(const Record *first = nullptr) : first_(first) {}
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(nullptr); }
    bool empty() const { return first_ == nullptr; }
    size_t size() const {  // walks the list
        size_t n = 0;
        for (const Record *r = first_; r != nullptr; r = detail::Next(r)) ++n;
        return n;
    }
    View front() const { return View(first_); }

private:
    const Record *first_;
};

// Every view has this shape: a pointer to its record, null for an empty view.
template <typename R>
class RecordView {
public:
    using Record = R;
    explicit RecordView(const R *record = nullptr) : record_(record) {}
    explicit operator bool() const { return record_ != nullptr; }
    const R *record() const { return record_; }

protected:
    const R *record_;
};

class MIFKIT_CXX_API ElementView : public RecordView<EnumElement> {
public:
    using RecordView::RecordView;
    int32_t value() const;
    Text text() const;
};

class MIFKIT_CXX_API EnumerationView : public RecordView<Enumeration> {
public:
    using RecordView::RecordView;
    Text name() const;
    List<ElementView> elements() const;
};

// The value of an attribute or a cell, read by the type it carries. Every
// accessor reads the record as it is, whatever the type; the one that type
// names is the meaningful one.
class MIFKIT_CXX_API ValueView {
public:
    ValueView() = default;
    ValueView(const AttributeValue *value, uint32_t type, bool overlay)
        : value_(value), type_(type), overlay_(overlay) {}

    uint32_t type() const { return type_; }
    // Given as an overlay: text() is the overlay's name.
    bool overlay() const { return overlay_; }

    uint32_t unsignedValue() const;  // Counter, Gauge
    int32_t signedValue() const;     // Integer
    uint64_t uint64() const;         // Counter64: the two words, low first
    int64_t int64() const;           // Integer64
    Text text() const;               // strings, dates, an enumeration's entry as written
    ElementView element() const;     // the enumeration element, or empty
    // An enumeration's number: the element's, else the number written (0 if
    // none), as the data blocks give it.
    int32_t enumerationNumber() const;

private:
    const AttributeValue *value_ = nullptr;
    uint32_t type_ = 0;
    bool overlay_ = false;
};

class MIFKIT_CXX_API AttributeView : public RecordView<Attribute> {
public:
    using RecordView::RecordView;
    Text name() const;
    uint32_t id() const;
    uint32_t access() const;   // 1 read-only, 2 read-write, 3 write-only, 4 unsupported, 0 none
    uint32_t storage() const;  // 1 specific, 0 common
    uint32_t type() const;     // DataType code, 0 without a Type statement
    uint32_t size() const;     // characters, for octet and display strings
    bool overlay() const;
    uint32_t valueForm() const;  // 0 a value, 1 Unsupported, 2 Unknown
    bool valueUnknown() const;
    Text description() const;
    Text pragma() const;
    // The enumeration a Type names, or the one declared inside the attribute.
    EnumerationView enumeration() const;
    ValueView value() const;
};

class MIFKIT_CXX_API GroupView : public RecordView<Group> {
public:
    using RecordView::RecordView;
    Text name() const;
    Text className() const;
    uint32_t id() const;  // 0 without an ID statement
    bool idGiven() const;
    Text description() const;
    Text pragma() const;
    std::vector<uint32_t> keys() const;  // in the order of the Key statement
    uint32_t attributeCount() const;
    List<AttributeView> attributes() const;  // by ascending ID
};

class MIFKIT_CXX_API CellView : public RecordView<TableCell> {
public:
    using RecordView::RecordView;
    uint32_t column() const;  // the position of its attribute in the template
    uint32_t type() const;
    bool overlay() const;
    ValueView value() const;
};

class MIFKIT_CXX_API RowView : public RecordView<TableRow> {
public:
    using RecordView::RecordView;
    List<CellView> cells() const;  // in column order
};

class MIFKIT_CXX_API TableView : public RecordView<Table> {
public:
    using RecordView::RecordView;
    Text name() const;
    uint32_t id() const;
    bool idGiven() const;
    Text className() const;
    GroupView templateGroup() const;
    uint32_t columnCount() const;
    uint32_t rowCount() const;
    List<RowView> rows() const;
};

class MIFKIT_CXX_API PathEntryView : public RecordView<PathEntry> {
public:
    using RecordView::RecordView;
    // DOS 0, MACOS 1, OS2 2, UNIX 3, WIN16 4, WIN32 5, WIN9X 6, WINNT 7.
    uint32_t os() const;
    bool directInterface() const;
    Text path() const;  // "Direct-Interface" for such an entry
};

class MIFKIT_CXX_API PathView : public RecordView<ComponentPath> {
public:
    using RecordView::RecordView;
    Text name() const;
    List<PathEntryView> entries() const;
};

class MIFKIT_CXX_API ComponentView : public RecordView<Component> {
public:
    using RecordView::RecordView;
    Text name() const;
    Text description() const;
    Text pragma() const;
    List<PathView> paths() const;
    List<EnumerationView> enumerations() const;  // those of component level
    List<GroupView> groups() const;
    List<TableView> tables() const;
};

}  // namespace mifkit
