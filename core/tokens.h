// Token numbers of the MIF language. Fixed: the grammar and the token
// listing rely on them.
#pragma once

namespace mifkit {

enum Token : int {
    END_OF_INPUT = 0,
    OS_NAME = 257,
    QUOTEDSTRING = 258,
    INTEGER = 259,
    UINTEGER = 260,
    DIRECT_INTERFACE = 261,
    LBRACE = 262,
    RBRACE = 263,
    LPAREN = 264,
    RPAREN = 265,
    ASTERISK = 266,
    COMMA = 267,
    EQUAL = 268,
    NAME = 269,
    DESCRIPTION = 270,
    LANGUAGE = 271,
    TYPE = 272,
    INTEGER_TYPE = 273,
    CLASS = 274,
    ID = 275,
    KEY = 276,
    PRAGMA = 277,
    UNSUPPORTED = 279,
    UNKNOWN = 280,
    ACCESS = 281,
    READ_ONLY = 282,
    READ_WRITE = 283,
    WRITE_ONLY = 284,
    STORAGE = 285,
    SPECIFIC = 286,
    COMMON = 287,
    VALUE = 288,
    COUNTER = 289,
    COUNTER64 = 290,
    DATE = 291,
    GAUGE = 292,
    OCTETSTRING = 293,
    DISPLAYSTRING = 294,
    STRING = 295,
    INTEGER64 = 296,
    START_COMPONENT = 297,
    END_COMPONENT = 298,
    START_PATH = 299,
    END_PATH = 300,
    START_ENUM = 301,
    END_ENUM = 302,
    START_GROUP = 303,
    END_GROUP = 304,
    START_TABLE = 305,
    END_TABLE = 306,
    START_ATTRIBUTE = 307,
    END_ATTRIBUTE = 308,
    MEMORY_FAULT = 309,
    GARBAGE = 310,
};

// The token's name as written above, or null for a number no rule produces.
const char *TokenName(int token);

}  // namespace mifkit
