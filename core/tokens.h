// Token numbers of the MIF language, listed once: the enumeration and the
// token names are made from this list, and the grammar checks its own
// declarations against it. Fixed: the token listing shows the numbers.
#pragma once

// clang-format off
#define MIFKIT_TOKENS(X) \
    X(OS_NAME, 257) \
    X(QUOTEDSTRING, 258) \
    X(INTEGER, 259) \
    X(UINTEGER, 260) \
    X(DIRECT_INTERFACE, 261) \
    X(LBRACE, 262) \
    X(RBRACE, 263) \
    X(LPAREN, 264) \
    X(RPAREN, 265) \
    X(ASTERISK, 266) \
    X(COMMA, 267) \
    X(EQUAL, 268) \
    X(NAME, 269) \
    X(DESCRIPTION, 270) \
    X(LANGUAGE, 271) \
    X(TYPE, 272) \
    X(INTEGER_TYPE, 273) \
    X(CLASS, 274) \
    X(ID, 275) \
    X(KEY, 276) \
    X(PRAGMA, 277) \
    X(UNSUPPORTED, 279) \
    X(UNKNOWN, 280) \
    X(ACCESS, 281) \
    X(READ_ONLY, 282) \
    X(READ_WRITE, 283) \
    X(WRITE_ONLY, 284) \
    X(STORAGE, 285) \
    X(SPECIFIC, 286) \
    X(COMMON, 287) \
    X(VALUE, 288) \
    X(COUNTER, 289) \
    X(COUNTER64, 290) \
    X(DATE, 291) \
    X(GAUGE, 292) \
    X(OCTETSTRING, 293) \
    X(DISPLAYSTRING, 294) \
    X(STRING, 295) \
    X(INTEGER64, 296) \
    X(START_COMPONENT, 297) \
    X(END_COMPONENT, 298) \
    X(START_PATH, 299) \
    X(END_PATH, 300) \
    X(START_ENUM, 301) \
    X(END_ENUM, 302) \
    X(START_GROUP, 303) \
    X(END_GROUP, 304) \
    X(START_TABLE, 305) \
    X(END_TABLE, 306) \
    X(START_ATTRIBUTE, 307) \
    X(END_ATTRIBUTE, 308) \
    X(MEMORY_FAULT, 309) \
    X(GARBAGE, 310)
// clang-format on

namespace mifkit {

enum Token : int {
    END_OF_INPUT = 0,
#define MIFKIT_TOKEN_NUMBER(name, number) name = number,
    MIFKIT_TOKENS(MIFKIT_TOKEN_NUMBER)
#undef MIFKIT_TOKEN_NUMBER
};

// The token's name as written above, or null for a number no rule produces.
const char *TokenName(int token);

}  // namespace mifkit
