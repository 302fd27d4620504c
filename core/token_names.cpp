#include "core/tokens.h"

namespace mifkit {

namespace {

// Indexed by token number - OS_NAME; 278 is produced by no rule.
const char *const kNames[] = {
    "OS_NAME",         "QUOTEDSTRING",  "INTEGER",       "UINTEGER",        "DIRECT_INTERFACE",
    "LBRACE",          "RBRACE",        "LPAREN",        "RPAREN",          "ASTERISK",
    "COMMA",           "EQUAL",         "NAME",          "DESCRIPTION",     "LANGUAGE",
    "TYPE",            "INTEGER_TYPE",  "CLASS",         "ID",              "KEY",
    "PRAGMA",          nullptr,         "UNSUPPORTED",   "UNKNOWN",         "ACCESS",
    "READ_ONLY",       "READ_WRITE",    "WRITE_ONLY",    "STORAGE",         "SPECIFIC",
    "COMMON",          "VALUE",         "COUNTER",       "COUNTER64",       "DATE",
    "GAUGE",           "OCTETSTRING",   "DISPLAYSTRING", "STRING",          "INTEGER64",
    "START_COMPONENT", "END_COMPONENT", "START_PATH",    "END_PATH",        "START_ENUM",
    "END_ENUM",        "START_GROUP",   "END_GROUP",     "START_TABLE",     "END_TABLE",
    "START_ATTRIBUTE", "END_ATTRIBUTE", "MEMORY_FAULT",  "GARBAGE",
};

}  // namespace

const char *TokenName(int token) {
    if (token == END_OF_INPUT) return "END_OF_INPUT";
    if (token < OS_NAME || token > GARBAGE) return nullptr;
    return kNames[token - OS_NAME];
}

}  // namespace mifkit
