// Writes a database as MIF text that parses back to the same database: the
// same records, values and data blocks.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>

#include "mifkit/parser.h"

namespace mifkit {

enum class MifEncoding {
    // 8-bit text (read back as ISO 8859-1), unless a text holds a character
    // above U+00FF, which no 8-bit escape reaches: then UTF-16BE.
    kAuto,
    // 8-bit text; a character above U+00FF throws WriteError.
    kEightBit,
    // UTF-16 big-endian with its byte-order mark.
    kUtf16,
};

struct WriteOptions {
    MifEncoding encoding = MifEncoding::kAuto;
    unsigned indent = 4;  // spaces per nesting level
    // A literal that would reach past this column is split into adjacent
    // pieces, one per line; 0 never splits.
    unsigned lineWidth = 100;
};

class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes. Control characters, quotes, backslashes and characters
// whose code holds a 0xFF byte are written as escapes; the rest as they are.
std::string WriteMif(const Database &database, const WriteOptions &options = {});
void WriteMif(const Database &database, std::ostream &out, const WriteOptions &options = {});

}  // namespace mifkit

namespace mifkit {

// MIF text from the JSON that `mifkit dump` writes, laid out as WriteMif
// lays it out. A document that cannot be a valid MIF file gives no text and
// one line per problem in `errors`, each led by the JSON pointer of the
// value at fault: "/component/groups/2/attributes/0/id: duplicate attribute
// ID 3".
std::string MifFromJson(std::string_view json, std::vector<std::string> &errors,
                        const WriteOptions &options = {});

}  // namespace mifkit
