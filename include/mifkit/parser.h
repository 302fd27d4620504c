// The C++ interface to the parser: parse a MIF file or a buffer into a
// database that the caller owns. Each Database has a parser of its own, so
// several may live at once and on several threads.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mifkit/codes.h"
#include "mifkit/database.h"
#include "mifkit/export.h"

namespace mifkit {

struct ParseContext;

// A mechanical repair: replace `length` bytes of the source file at byte
// `offset` with `replacement` (bytes in the file's own encoding).
struct Fix {
    uint64_t offset = 0;
    uint64_t length = 0;
    std::string replacement;
    std::string description;  // what changes, for a person: "Start Paths" -> "Start Path"
};

// One reported problem.
struct Diagnostic {
    uint32_t message = 0;     // the DMI message number, 100 to 248
    uint32_t line = 0;        // the line as printed (0 when none applies)
    uint32_t third = 0;       // the third number printed (an ID, or 0)
    std::string token;        // the text printed between < and >
    uint32_t sourceLine = 0;  // the line of the token in the source file
    std::string readableToken;  // the token with a literal decoded to UTF-8
    std::string text;         // the whole printed line, newline included
    // What a person can do about it, when the source shows a known mistake,
    // and the repair when one is mechanical. Neither changes `text`.
    std::optional<std::string> hint = std::nullopt;
    std::optional<Fix> fix = std::nullopt;
};

// The attribute IDs a data block keeps, in the block's order; absent: all.
using AttributeFilter = std::optional<std::vector<uint32_t>>;

struct ParseOptions {
    // Also print diagnostic and progress lines to standard output, as the C
    // interface does.
    bool print = false;
    // Also write the working copy to this path ("temp.mif" for the C
    // interface's behaviour); empty keeps it in memory.
    std::string workingCopyPath;
};

class MIFKIT_CXX_API Database {
public:
    static Database FromFile(std::string_view path, const ParseOptions &options = {});
    // `name` stands for the buffer in messages about it.
    static Database FromBuffer(std::string_view bytes, const ParseOptions &options = {},
                               std::string_view name = "(buffer)");

    Database(Database &&) noexcept;
    Database &operator=(Database &&) noexcept;
    ~Database();

    // 0 when the file parsed without a problem; otherwise the parse's status
    // (525 unreadable, 11 byte-swapped UTF-16, 1 syntax error, or the status
    // of the check that failed last).
    int status() const { return status_; }
    bool ok() const { return status_ == 0; }
    const std::vector<Diagnostic> &diagnostics() const { return diagnostics_; }

    // The records, even those a failed parse left (then incomplete): the
    // component (empty when there is none), the groups defined outside it
    // and the language string.
    ComponentView component() const;
    List<GroupView> topLevelGroups() const;
    Text language() const;

    // The queries of the C interface on this database's own records, for the
    // component of the file. A class is given as its stored bytes (UTF-16BE
    // and NUL, as Text::bytes() gives them; empty: none); attributeIds as a
    // list of attribute IDs (absent: all). An empty result is the C result 0.
    std::vector<uint32_t> groupIds() const;
    std::vector<unsigned char> groupData(uint32_t id, std::string_view className = {},
                                         const AttributeFilter &attributeIds = std::nullopt) const;
    std::vector<unsigned char> tableData(uint32_t id, std::string_view className = {},
                                         const AttributeFilter &attributeIds = std::nullopt) const;
    // The same, with the group's or table's class as UTF-8 text.
    std::vector<unsigned char> groupDataOfClass(std::string_view className,
                                                const AttributeFilter &attributeIds = std::nullopt) const;
    std::vector<unsigned char> tableDataOfClass(std::string_view className,
                                                const AttributeFilter &attributeIds = std::nullopt) const;

private:
    Database();
    template <typename Parse>
    static Database Run(const ParseOptions &options, Parse parse);

    std::unique_ptr<ParseContext> context_;
    int status_ = 0;
    std::vector<Diagnostic> diagnostics_;
};

}  // namespace mifkit
