// Writes large valid MIF sources for the benchmarks and the generator tool:
// every statement kind, every attribute type, keyed templates, tables with
// defaulted, overlaid and multi-piece cells, escapes and Latin-1 text.
#pragma once

#include <cstddef>
#include <string>

namespace mifbench {

struct MifShape {
    size_t targetBytes = 0;      // keep adding groups, then rows, up to this size
    int groups = 1;              // at least this many ordinary groups
    int attributesPerGroup = 10; // their types cycle through every type
    int rows = 1;                // at least this many table rows (0: no table)
    int rowsPerTable = 5000;
    int enumElements = 16;       // elements of the enumeration "Big"
};

// The costly shape: tables whose cells are mostly quoted strings.
struct LiteralTableShape {
    size_t targetBytes = 0;  // keep adding rows up to this size
    int rowsPerTable = 2000;
};

namespace detail {

inline std::string Num(long long n) { return std::to_string(n); }

// The enumeration element that value k names: spread over the whole list,
// so that lookups do not always hit the first elements.
inline std::string BigElement(long long k, int elements) {
    return "\"Element \" \"" + Num((k * 7919) % elements) + "\"";
}

// One attribute; `kind` picks the type, `k` varies the value.
inline void Attribute(std::string &out, int id, int kind, long long k, int elements) {
    const std::string n = Num(id);
    out += "    Start Attribute\n      Name = \"Attribute \" \"" + n + "\"\n      ID = " + n + "\n";
    if (k % 5 == 0) out += "      Description = \"Value \\\"" + Num(k) + "\\\"\\tin \\x41 caf\xE9\"\n";
    out += k % 3 == 0 ? "      Access = Read-Write\n      Storage = Specific\n" : "      Access = Read-Only\n";
    switch (kind % 10) {
        case 0: out += "      Type = Counter\n      Value = " + Num(k) + "\n"; break;
        case 1: out += "      Type = Counter64\n      Value = " + Num(k * 1000000007LL) + "\n"; break;
        case 2: out += "      Type = Gauge\n      Value = 0x" + Num(k % 9000 + 1000) + "\n"; break;
        case 3: out += "      Type = Integer\n      Value = -" + Num(k) + "\n"; break;
        case 4: out += "      Type = Integer64\n      Value = -" + Num(k * 4000000001LL) + "\n"; break;
        case 5: out += "      Type = DisplayString(64)\n      Value = \"Text \" \"" + Num(k) + " \\\\ \\101 \"\n"; break;
        case 6: out += "      Type = OctetString(16)\n      Value = \"oct" + Num(k % 100000) + "\"\n"; break;
        case 7: out += "      Type = Date\n      Value = \"19970815120000.000000+060\"\n"; break;
        case 8:
            out += "      Type = \"Big\"\n      Value = " + (k % 4 == 0 ? Num(k % elements) : BigElement(k, elements)) + "\n";
            break;
        default:
            out += "      Type = Start Enum\n        0 = \"Off\"\n        1 = \"On\"\n        -1 = \"Failed\"\n"
                   "      End Enum\n";
            out += k % 7 == 0 ? "      Value = Unknown\n" : k % 11 == 0 ? "      Value = *\"Overlay\"\n"
                                                                          : "      Value = \"On\"\n";
    }
    out += "    End Attribute\n";
}

// One row of the template's ten columns, in ID order; some rows leave
// columns empty or out, some write overlays or multi-piece literals.
inline void Row(std::string &out, long long r, int elements) {
    const std::string n = Num(r);
    switch (r % 4) {
        case 0:
            out += "  {" + n + ", " + Num(r * 3) + ", 7, -" + n + ", -" + Num(r * 1000003) + ", \"row \" \"" + n +
                   "\", \"o" + Num(r % 1000) + "\", \"19990101000000.000000+000\", " + BigElement(r, elements) +
                   ", \"On\"}\n";
            break;
        case 1: out += "  {" + n + ", , 5, , 12, *\"Overlay\", , , " + Num(r % elements) + ", 1}\n"; break;
        case 2: out += "  {" + n + "}\n"; break;
        default: out += "  {" + n + ", 0x10, 3, +4, 0, \"\\\"quoted\\\" caf\xE9\", \"\", , \"Element 0\", -1,}\n";
    }
}

}  // namespace detail

inline std::string GenerateMif(const MifShape &shape) {
    using detail::Num;
    std::string out;
    out.reserve(shape.targetBytes + 4096);
    const int elements = shape.enumElements > 0 ? shape.enumElements : 1;
    out += "// Generated MIF for the benchmarks. \"Quotes\" in comments open nothing.\n"
           "Language = \"en|US|iso8859-1\"\n"
           "Start Component\n  Name = \"Benchmark \" \"component\"\n"
           "  Description = \"A generated component: tabs\\t, quotes \\\", back\\\\slash, \\x41, caf\xE9\"\n"
           "  Pragma = \"SNMP:1.3.6.1.4.1.412\"\n"
           "  Start Path\n    Name = \"Agent\"\n    WIN32 = \"C:\\\\dmi\\\\agent.dll\"\n"
           "    UNIX = \"/usr/lib/dmi/agent.so\"\n    DOS = Direct-Interface\n  End Path\n"
           "  Start Enum\n    Name = \"Status\"\n    Type = Integer\n    1 = \"Other\"\n    2 = \"Unknown\"\n"
           "    3 = \"OK\"\n    -1 = \"Failed\"\n  End Enum\n"
           "  Start Enum\n    Name = \"Big\"\n";
    for (int e = 0; e < elements; ++e) out += "    " + Num(e) + " = \"Element " + Num(e) + "\"\n";
    out += "  End Enum\n  Start Enum\n    Name = \"Boolean\"\n    0 = \"False\"\n    1 = \"True\"\n  End Enum\n";

    // The keyed template, its attributes written in descending ID order.
    out += "  Start Group\n    Name = \"Row template\"\n    Class = \"Bench|Row|001\"\n    Key = 1, 4\n"
           "    Description = \"The columns of every table.\"\n";
    for (int a = 10; a >= 1; --a) detail::Attribute(out, a, a - 1, a, elements);
    out += "  End Group\n";

    int g = 1;
    for (; g <= shape.groups || out.size() < shape.targetBytes / 2; ++g) {
        out += "  Start Group\n    Name = \"Group \" \"" + Num(g) + "\"\n    Class = \"Bench|Group " + Num(g) +
               "|001\"\n    ID = " + Num(g) + "\n";
        if (g % 2 == 0) out += "    Key = 1\n    Pragma = \"group pragma\"\n";
        for (int a = 1; a <= shape.attributesPerGroup; ++a)
            detail::Attribute(out, a, g + a, static_cast<long long>(g) * 31 + a, elements);
        out += "  End Group\n";
    }

    const size_t tail = 64;
    int tableId = g;
    for (long long r = 0; r < shape.rows || out.size() + tail < shape.targetBytes; ++r) {
        if (r % shape.rowsPerTable == 0) {
            if (r > 0) out += "End Table\n";
            out += "Start Table\n  Name = \"Table \" \"" + Num(tableId) + "\"\n  Class = \"Bench|Row|001\"\n  ID = " +
                   Num(tableId) + "\n";
            ++tableId;
        }
        detail::Row(out, r, elements);
    }
    if (tableId > g) out += "End Table\n";
    return out + "End Component\n";
}

namespace detail {

// A quoted string of 10 to 60 characters that `k` varies: words, now and then
// an escape, a Latin-1 letter or a second piece.
inline std::string Phrase(long long k) {
    static const char *const words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot",
                                        "golf", "hotel", "india", "juliet", "kilo", "lima"};
    const size_t length = 10 + static_cast<size_t>((k * 37) % 51);
    std::string text;
    for (long long w = k; text.size() < length; w = w * 7 + 3) {
        text += words[static_cast<size_t>(w % 12)];
        text += ' ';
    }
    text.resize(length);
    if (k % 5 == 0) text.replace(length / 2, 2, "\\\\");
    if (k % 7 == 0) text.replace(length / 3, 2, "\\\"");
    if (k % 11 == 0) text[length - 1] = '\xE9';
    if (k % 6 == 0) return "\"" + text.substr(0, length / 2) + "\" \"" + text.substr(length / 2) + "\"";
    return "\"" + text + "\"";
}

}  // namespace detail

// Groups with descriptions, an enumeration and paths, then tables of eight
// string columns and two numbers, most cells quoted strings.
inline std::string GenerateLiteralTables(const LiteralTableShape &shape) {
    using detail::Num;
    using detail::Phrase;
    std::string out;
    out.reserve(shape.targetBytes + 4096);
    out += "Language = \"en|US|iso8859-1\"\nStart Component\n  Name = \"Literal tables\"\n"
           "  Description = \"Tables of text: names, places, \\\"quoted\\\" words and caf\xE9s.\"\n"
           "  Start Path\n    Name = \"Agent\"\n    WIN32 = \"C:\\\\dmi\\\\agent.dll\"\n"
           "    UNIX = \"/usr/lib/dmi/agent.so\"\n  End Path\n"
           "  Start Enum\n    Name = \"State\"\n    0 = \"Off\"\n    1 = \"On\"\n    2 = \"Degraded\"\n"
           "  End Enum\n";
    out += "  Start Group\n    Name = \"Inventory\"\n    Class = \"Bench|Inventory|001\"\n    Key = 1\n"
           "    Description = " + Phrase(1) + "\n";
    for (int a = 1; a <= 10; ++a) {
        out += "    Start Attribute\n      Name = \"Column " + Num(a) + "\"\n      ID = " + Num(a) + "\n"
               "      Description = " + Phrase(a) + " " + Phrase(a + 100) + "\n      Access = Read-Only\n";
        if (a == 1)
            out += "      Type = Integer\n      Value = 0\n";
        else if (a == 10)
            out += "      Type = \"State\"\n      Value = \"On\"\n";
        else
            out += "      Type = DisplayString(64)\n      Value = \"\"\n";
        out += "    End Attribute\n";
    }
    out += "  End Group\n";
    for (int g = 1; g <= 20; ++g) {
        out += "  Start Group\n    Name = " + Phrase(g) + "\n    Class = \"Bench|Text " + Num(g) +
               "|001\"\n    ID = " + Num(g) + "\n    Description = " + Phrase(g * 3) + "\n"
               "    Start Attribute\n      Name = \"Text\"\n      ID = 1\n      Type = DisplayString(64)\n"
               "      Value = " + Phrase(g * 5) + "\n    End Attribute\n  End Group\n";
    }
    const size_t tail = 64;
    int tableId = 100;
    for (long long r = 0; out.size() + tail < shape.targetBytes || r == 0; ++r) {
        if (r % shape.rowsPerTable == 0) {
            if (r > 0) out += "End Table\n";
            out += "Start Table\n  Name = \"Table " + Num(tableId) + "\"\n  Class = \"Bench|Inventory|001\"\n"
                   "  ID = " + Num(tableId) + "\n";
            ++tableId;
        }
        out += "  {" + Num(r);
        for (int c = 0; c < 8; ++c) out += ", " + Phrase(r * 8 + c);
        out += ", " + Num(r % 3) + "}\n";
    }
    out += "End Table\n";
    return out + "End Component\n";
}

// The same text as a UTF-16 big-endian source with its byte-order mark;
// each 8-bit character becomes the character of the same number.
inline std::string ToUtf16Source(const std::string &text) {
    std::string out = "\xFE\xFF";
    out.reserve(2 * text.size() + 2);
    for (char c : text) {
        out += '\0';
        out += c;
    }
    return out;
}

}  // namespace mifbench
