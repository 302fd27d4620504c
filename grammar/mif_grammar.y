/*
 * The MIF grammar. One production per rule of the language, numbered in the
 * comments; the number names the moment at which a builder operation runs.
 *
 * Actions mark how the status of each operation is handled:
 *   S  record a non-zero status and go on, unless the parse was aborted;
 *   E  an end check: a non-zero status ends the parse with it;
 *   U  the status is ignored.
 * L stands for the pending literal, joined by TakeLiteral.
 *
 * The pieces of a literal collect in the pending list as each is shifted
 * (148, 149), where an exhausted pool is reported at that piece's token; the
 * statement that uses the literal takes it when it is reduced. Handing the
 * literal up through $$ instead would move the join and its failures to
 * other reductions; the action timing tests pin every diagnostic line to the
 * present moments, so the list and the text rules (8, 12, ...) stay.
 *
 * Which reductions run with the look-ahead token already read decides the
 * line and token every builder message shows: an LALR parser with default
 * reductions reads it exactly where a production's end cannot be known
 * without it (after a literal, a key list, a list of path entries or
 * elements), and nowhere else.
 */

%require "3.5"
%define api.pure full
%define api.prefix {mif_grammar_}
%define parse.error simple
%parse-param {mifkit::ParseContext &ctx} {mifkit::GrammarRun &run}
%lex-param {mifkit::ParseContext &ctx}
%expect 0

%code requires {
#include <cstdint>

#include "core/token_value.h"
#include "grammar/grammar_actions.h"
}

%code {
#include "core/tokens.h"
#include "database/builders.h"
#include "database/literal_joining.h"

// The %token declarations above must give each token the number of the one
// list in core/tokens.h.
#define MIFKIT_CHECK_TOKEN(name, number) \
    static_assert(static_cast<int>(::name) == static_cast<int>(mifkit::name), #name);
MIFKIT_TOKENS(MIFKIT_CHECK_TOKEN)
#undef MIFKIT_CHECK_TOKEN

using namespace mifkit;

namespace {

int mif_grammar_lex(MIF_GRAMMAR_STYPE *value, ParseContext &ctx) { return NextGrammarToken(ctx, value->os, value->token); }

void mif_grammar_error(ParseContext &ctx, GrammarRun &, const char *message) {
    ReportGrammarError(ctx, message);
}

}  // namespace

#define S(call) do { if (!RunStandard(ctx, run, (call))) YYABORT; } while (0)
#define E(call) do { if (!RunEndCheck(ctx, run, (call))) YYABORT; } while (0)
#define U(call) ((void)(call))
#define L TakeLiteral(ctx)

/* The parser's two stacks hold 150 entries and never grow; no MIF input
   needs more than 26. */
#define YYINITDEPTH 150
#define YYMAXDEPTH 150
}

%union {
    std::uint32_t os;
    mifkit::TokenValue *token;
}

%token <os> OS_NAME 257
%token <token> QUOTEDSTRING 258 INTEGER 259 UINTEGER 260 DIRECT_INTERFACE 261
%token LBRACE 262 RBRACE 263 LPAREN 264 RPAREN 265 ASTERISK 266 COMMA 267 EQUAL 268
%token NAME 269 DESCRIPTION 270 LANGUAGE 271 TYPE 272 INTEGER_TYPE 273 CLASS 274 ID 275
%token KEY 276 PRAGMA 277 UNSUPPORTED 279 UNKNOWN 280 ACCESS 281 READ_ONLY 282
%token READ_WRITE 283 WRITE_ONLY 284 STORAGE 285 SPECIFIC 286 COMMON 287 VALUE 288
%token COUNTER 289 COUNTER64 290 DATE 291 GAUGE 292 OCTETSTRING 293 DISPLAYSTRING 294
%token STRING 295 INTEGER64 296 START_COMPONENT 297 END_COMPONENT 298 START_PATH 299
%token END_PATH 300 START_ENUM 301 END_ENUM 302 START_GROUP 303 END_GROUP 304
%token START_TABLE 305 END_TABLE 306 START_ATTRIBUTE 307 END_ATTRIBUTE 308
%token MEMORY_FAULT 309 GARBAGE 310

%type <os> os_name
%type <token> string_literal language_text component_name_text description_text path_text
%type <token> enumeration_name_text element_text group_name_text class_text pragma_text
%type <token> table_name_text attribute_name_text
%type <token> signed_number unsigned_number id_number key_item key_number size_spec
%type <token> value entry_value entry

%start mif_file

%%

/* 1 */ mif_file: language_statement definition_list
/* 2 */         | definition_list
        ;
/* 3 */ definition_list: definition_list component_definition
/* 4 */                | definition_list group_definition
/* 5 */                | component_definition
/* 6 */                | group_definition
        ;
/* 7 */ language_statement: LANGUAGE EQUAL language_text   { S(SetLanguage(ctx, L)); }
        ;
/* 8 */ language_text: string_literal
        ;
/* 9 */ component_start: %empty   { S(BeginComponent(ctx)); }
        ;
/* 10 */ component_definition: START_COMPONENT component_start component_name_statement component_body END_COMPONENT
            { E(EndComponent(ctx)); S(ConvertTableValues(ctx)); U(ResetCurrentObjects(ctx)); }
        ;
/* 11 */ component_name_statement: NAME EQUAL component_name_text   { S(SetComponentName(ctx, L)); }
        ;
/* 12 */ component_name_text: string_literal
        ;
/* 13 */ component_body: component_body path_definition
/* 14 */               | path_definition
/* 15 */               | component_body description_statement
/* 16 */               | description_statement
/* 17 */               | component_body pragma_statement
/* 18 */               | pragma_statement
/* 19 */               | component_body enumeration_definition
/* 20 */               | enumeration_definition
/* 21 */               | component_body group_definition
/* 22 */               | group_definition
/* 23 */               | component_body table_definition
/* 24 */               | table_definition
        ;
/* 25 */ description_statement: DESCRIPTION EQUAL description_text   { S(SetDescription(ctx, L)); }
        ;
/* 26 */ description_text: string_literal
        ;
/* 27 */ path_end: %empty   { S(EndPath(ctx)); }
        ;
/* 28 */ path_definition: START_PATH path_name_statement path_entry_list path_end END_PATH
        ;
/* 29 */ path_name_statement: NAME EQUAL string_literal   { S(BeginPath(ctx)); S(SetPathName(ctx, L)); }
        ;
/* 30 */ path_entry_list: path_entry_list path_entry
/* 31 */                | path_entry
        ;
/* 32 */ path_entry: os_name EQUAL path_text          { S(AddPathEntry(ctx, $1, L, false)); }
/* 33 */           | os_name EQUAL DIRECT_INTERFACE   { S(AddPathEntry(ctx, $1, TextOf($3), true)); }
        ;
/* 34 */ os_name: OS_NAME
        ;
/* 35 */ path_text: string_literal
        ;
/* 36 */ enumeration_start: %empty   { S(BeginEnumeration(ctx)); }
        ;
/* 37 */ enumeration_end: %empty   { S(EndEnumeration(ctx)); }
        ;
/* 38 */ enumeration_definition: START_ENUM enumeration_start enumeration_name_statement enumeration_type_option element_list enumeration_end END_ENUM
        ;
/* 39 */ enumeration_name_option: %empty
/* 40 */                        | enumeration_name_statement
        ;
/* 41 */ enumeration_name_statement: NAME EQUAL enumeration_name_text   { S(SetEnumerationName(ctx, L)); }
        ;
/* 42 */ enumeration_name_text: string_literal
        ;
/* 43 */ enumeration_type_option: %empty
/* 44 */                        | TYPE EQUAL INTEGER_TYPE
        ;
/* 45 */ element_list: element_list element
/* 46 */             | element
        ;
/* 47 */ element: signed_number EQUAL element_text     { S(AddEnumElement(ctx, TextOf($1), L)); }
/* 48 */        | unsigned_number EQUAL element_text   { S(AddEnumElement(ctx, TextOf($1), L)); }
        ;
/* 49 */ element_text: string_literal
        ;
/* 50 */ group_start: %empty   { S(BeginGroup(ctx)); }
        ;
/* 51 */ group_definition: START_GROUP group_start group_header group_body END_GROUP
            { E(EndGroup(ctx)); S(LeaveGroup(ctx)); }
        ;
/* 52 */ group_header: group_header group_name_statement
/* 53 */             | group_name_statement
/* 54 */             | group_header class_statement
/* 55 */             | class_statement
/* 56 */             | group_header id_statement
/* 57 */             | id_statement
        ;
/* 58 */ group_name_statement: NAME EQUAL group_name_text   { S(SetGroupName(ctx, L)); }
        ;
/* 59 */ group_name_text: string_literal
        ;
/* 60 */ class_statement: CLASS EQUAL class_text   { S(SetClass(ctx, L)); }
        ;
/* 61 */ class_text: string_literal
        ;
/* 62 */ id_statement: ID EQUAL id_number   { S(SetId(ctx, TextOf($3))); }
        ;
/* 63 */ group_body: group_body description_statement
/* 64 */           | description_statement
/* 65 */           | group_body key_statement
/* 66 */           | key_statement
/* 67 */           | group_body pragma_statement
/* 68 */           | pragma_statement
/* 69 */           | group_body attribute_definition
/* 70 */           | attribute_definition
        ;
/* 71 */ key_statement: KEY EQUAL key_list   { U(MarkGroupKeyed(ctx)); }
        ;
/* 72 */ key_list: key_list COMMA key_item   { S(AddKeyAttribute(ctx, TextOf($3))); }
/* 73 */         | key_item                  { S(AddKeyAttribute(ctx, TextOf($1))); }
        ;
/* 74 */ key_item: key_number
        ;
/* 75 */ pragma_statement: PRAGMA EQUAL pragma_text   { S(SetPragma(ctx, L)); }
        ;
/* 76 */ pragma_text: string_literal
        ;
/* 77 */ key_number: UINTEGER
        ;
/* 78 */ table_start: %empty   { S(BeginTable(ctx)); }
        ;
/* 79 */ table_definition: START_TABLE table_start table_header row_list END_TABLE   { U(EndTable(ctx)); }
        ;
/* 80 */ table_header: table_header table_name_statement
/* 81 */             | table_name_statement
/* 82 */             | table_header class_statement
/* 83 */             | class_statement
/* 84 */             | table_header id_statement
/* 85 */             | id_statement
        ;
/* 86 */ table_name_statement: NAME EQUAL table_name_text   { S(SetTableName(ctx, L)); }
        ;
/* 87 */ table_name_text: string_literal
        ;
/* 88 */ row_list: row_list row
/* 89 */         | row
        ;
/* 90 */ row: LBRACE entry_list RBRACE   { S(EndTableRow(ctx)); }
        ;
/* 91 */ entry_list: entry_list entry   { S(AddTableDataEntry(ctx, $2)); }
/* 92 */           | entry_list COMMA   { S(AddTableDataEntry(ctx, nullptr)); }
/* 93 */           | entry              { S(AddTableDataEntry(ctx, $1)); }
/* 94 */           | COMMA              { S(AddTableDataEntry(ctx, nullptr)); }
        ;
/* 95 */ entry: entry_value
        ;
/* 96 */ value: INTEGER
/* 97 */      | UINTEGER
/* 98 */      | ASTERISK string_literal   { $$ = WithText($2, kOverlayValue, L); }
/* 99 */      | string_literal            { $$ = WithText($1, kLiteralValue, L); }
        ;
/* 100 */ entry_value: INTEGER
/* 101 */            | UINTEGER
/* 102 */            | QUOTEDSTRING
/* 103 */            | ASTERISK QUOTEDSTRING   { $$ = AsOverlay($2); }
        ;
/* 104 */ attribute_start: %empty   { S(BeginAttribute(ctx)); }
        ;
/* 105 */ attribute_definition: START_ATTRIBUTE attribute_start attribute_header attribute_body END_ATTRIBUTE
            { U(LeaveAttribute(ctx)); }
        ;
/* 106 */ attribute_header: attribute_name_statement id_statement
/* 107 */                 | id_statement attribute_name_statement
        ;
/* 108 */ attribute_name_statement: NAME EQUAL attribute_name_text   { S(SetAttributeName(ctx, L)); }
        ;
/* 109 */ attribute_name_text: string_literal
        ;
/* 110 */ attribute_body: attribute_body description_statement
/* 111 */               | description_statement
/* 112 */               | attribute_body access_statement
/* 113 */               | access_statement
/* 114 */               | attribute_body storage_statement
/* 115 */               | storage_statement
/* 116 */               | attribute_body type_statement
/* 117 */               | type_statement
/* 118 */               | attribute_body value_statement
/* 119 */               | value_statement
/* 120 */               | attribute_body pragma_statement
/* 121 */               | pragma_statement
        ;
/* 122 */ access_statement: ACCESS EQUAL access_kind
        ;
/* 123 */ access_kind: READ_ONLY    { S(SetAttributeAccess(ctx, kReadOnly)); }
/* 124 */            | READ_WRITE   { S(SetAttributeAccess(ctx, kReadWrite)); }
/* 125 */            | WRITE_ONLY   { S(SetAttributeAccess(ctx, kWriteOnly)); }
        ;
/* 126 */ storage_statement: STORAGE EQUAL storage_kind
        ;
/* 127 */ storage_kind: SPECIFIC   { S(SetAttributeStorage(ctx, kSpecific)); }
/* 128 */             | COMMON     { S(SetAttributeStorage(ctx, kCommon)); }
        ;
/* 129 */ type_statement: TYPE EQUAL data_type
        ;
/* 130 */ data_type: enumeration_name_text        { S(SetAttributeType(ctx, kTypeNamedEnumeration, L)); }
/* 131 */          | inline_enumeration
/* 132 */          | COUNTER                      { S(SetAttributeType(ctx, kTypeCounter, nullptr)); }
/* 133 */          | COUNTER64                    { S(SetAttributeType(ctx, kTypeCounter64, nullptr)); }
/* 134 */          | DATE                         { S(SetAttributeType(ctx, kTypeDate, nullptr)); }
/* 135 */          | GAUGE                        { S(SetAttributeType(ctx, kTypeGauge, nullptr)); }
/* 136 */          | OCTETSTRING size_spec        { S(SetAttributeType(ctx, kTypeOctetString, TextOf($2))); }
/* 137 */          | DISPLAYSTRING size_spec      { S(SetAttributeType(ctx, kTypeDisplayString, TextOf($2))); }
/* 138 */          | STRING size_spec             { S(SetAttributeType(ctx, kTypeDisplayString, TextOf($2))); }
/* 139 */          | INTEGER_TYPE                 { S(SetAttributeType(ctx, kTypeInteger, nullptr)); }
/* 140 */          | INTEGER64                    { S(SetAttributeType(ctx, kTypeInteger64, nullptr)); }
        ;
/* 141 */ size_spec: LPAREN unsigned_number RPAREN   { $$ = $2; }
        ;
/* 142 */ value_statement: VALUE EQUAL value         { S(SetAttributeValue(ctx, kGivenValue, $3)); }
/* 143 */                | VALUE EQUAL UNSUPPORTED   { S(SetAttributeValue(ctx, kUnsupportedValue, nullptr)); }
/* 144 */                | VALUE EQUAL UNKNOWN       { S(SetAttributeValue(ctx, kUnknownValue, nullptr)); }
        ;
/* 145 */ inline_enumeration_start: %empty   { S(BeginAttributeEnumeration(ctx)); }
        ;
/* 146 */ inline_enumeration_end: %empty   { S(EndEnumeration(ctx)); }
        ;
/* 147 */ inline_enumeration: START_ENUM inline_enumeration_start enumeration_name_option enumeration_type_option element_list inline_enumeration_end END_ENUM
            { U(LeaveEnumeration(ctx)); }
        ;
/* 148 */ string_literal: string_literal QUOTEDSTRING   { S(AppendLiteral(ctx, TextOf($2))); }
/* 149 */               | QUOTEDSTRING                  { S(AppendLiteral(ctx, TextOf($1))); }
        ;
/* 150 */ id_number: unsigned_number
        ;
/* 151 */ signed_number: INTEGER
        ;
/* 152 */ unsigned_number: UINTEGER
        ;

%%
