#include "core/message_catalogue.h"

namespace mifkit {

namespace {

constexpr uint32_t kFirstMessage = 100;
constexpr uint32_t kLastMessage = 248;

const MessageEntry kFallback = {0, nullptr};

// Indexed by number - 100. Several numbers share a text on purpose; the
// doubled blanks inside 232, 233 and 241 and the leading one of 240 are part
// of the texts.
const MessageEntry kCatalogue[kLastMessage - kFirstMessage + 1] = {
    {1, "Not currently implemented."},                                      // 100
    {1, "There were template(s) defined, but not used."},                   // 101
    {0, nullptr},                                                           // 102
    {0, nullptr},                                                           // 103
    {0, nullptr},                                                           // 104
    {0, nullptr},                                                           // 105
    {0, nullptr},                                                           // 106
    {0, nullptr},                                                           // 107
    {1, "Unexpected end of comment."},                                      // 108
    {1, "Unexpected end of file in comment."},                              // 109
    {1, "Illegal character in escape sequence."},                           // 110
    {1, "Illegal digit in escape sequence."},                               // 111
    {1, "Illegal value in escape sequence."},                               // 112
    {1, "Missing digit in escape sequence."},                               // 113
    {1, "Illegal character within literal."},                               // 114
    {1, "Unexpected end of file in literal."},                              // 115
    {1, "Unexpected new line in literal."},                                 // 116
    {1, "Illegal character in source stream."},                             // 117
    {1, "Only one component is allowed per MIF file."},                     // 118
    {1, "Illegal value encountered in attribute body."},                    // 119
    {1, "Expecting the name of this attribute."},                           // 120
    {1, "Expecting the ID of this attribute."},                             // 121
    {1, "Expecting the name or ID of this attribute."},                     // 122
    {1, "Expecting '=' in attribute body."},                                // 123
    {1, "Expecting a literal in attribute body."},                          // 124
    {1, "Expecting an integer in attribute body."},                         // 125
    {1, "Expecting a statement in attribute body."},                        // 126
    {1, "Expecting an overlay name for the attribute value."},              // 127
    {1, "Expecting an attribute value."},                                   // 128
    {1, "Attribute value has an illegal size."},                            // 129
    {1, "Access statement missing from attribute body."},                   // 130
    {1, "Type statement missing from attribute body."},                     // 131
    {1, "Value statement missing from attribute body."},                    // 132
    {1, "Size specifier missing for string attribute."},                    // 133
    {1, "Value conflicts with existing database."},                         // 134
    {1, "Duplicate statement encountered in attribute body."},              // 135
    {1, "Cannot assign value to Write-Only attribute."},                    // 136
    {1, "Illegal value in enumeration body."},                              // 137
    {1, "Expecting a name for this enumeration."},                          // 138
    {1, "Expecting an '=' in enumeration body."},                           // 139
    {1, "Expecting a literal in enumeration body."},                        // 140
    {1, "Expecting a statement in enumeration body."},                      // 141
    {1, "Expecting a value in enumeration body."},                          // 142
    {1, "This enumeration had no statements."},                             // 143
    {1, "Value conflicts with existing database."},                         // 144
    {1, "An enumeration of this name was already encountered."},            // 145
    {1, "This feature is not currently implemented for enumerations."},     // 146
    {1, "Illegal value in component body."},                                // 147
    {1, "Expecting component definition."},                                 // 148
    {1, "Expecting the name of this component."},                           // 149
    {1, "Expecting the name of this component."},                           // 150
    {1, "Expecting '=' in component body."},                                // 151
    {1, "Expecting a literal in component body."},                          // 152
    {1, "Expecting a statement in component body."},                        // 153
    {1, "Expecting a block statement in component body."},                  // 154
    {1, "This component had no recognizable groups."},                      // 155
    {1, "Duplicate statement encountered in component body."},              // 156
    {1, "Illegal value in table body."},                                    // 157
    {1, "Expecting the name of this table."},                               // 158
    {1, "Expecting the class, ID, or name of this table."},                 // 159
    {1, "Expecting a '=' in table definition."},                            // 160
    {1, "Expecting a literal in table definition."},                        // 161
    {1, "Expecting an integer in table definition."},                       // 162
    {1, "Expecting a statement in table body."},                            // 163
    {1, "Expecting an overlay name for a table data entry."},               // 164
    {1, "Expecting a table entry value."},                                  // 165
    {1, "Table string value exceeds size specified in attribute."},         // 166
    {1, "This table contained no data entries."},                           // 167
    {1, "Expecting additional values in table row."},                       // 168
    {1, "There is already a group or table with this ID."},                 // 169
    {1, "Duplicate statement encountered in table definition."},            // 170
    {1, "Expecting the class name of a template."},                         // 171
    {1, "The number of values exceeds the number of attributes."},          // 172
    {1, "Expecting a ',' or '}' after a table data entry."},                // 173
    {1, "Tables must be associated with keyed groups."},                    // 174
    {1, "Row values cannot reside in both the database and instrumentation."},  // 175
    {1, "Key is not unique."},                                              // 176
    {1, "There is no default value in the template."},                      // 177
    {1, "Illegal value in group body."},                                    // 178
    {1, "Expecting the name of this group."},                               // 179
    {1, "Expecting the ID of this group."},                                 // 180
    {1, "Expecting the class, name, or ID of this group."},                 // 181
    {1, "Expecting '=' in group body."},                                    // 182
    {1, "Expecting a literal in group body."},                              // 183
    {1, "Expecting an integer in group body."},                             // 184
    {1, "Expecting a statement in group body."},                            // 185
    {1, "Expecting a block statement in group body."},                      // 186
    {1, "This group had no recognizable attributes."},                      // 187
    {1, "Value conflicts with existing database."},                         // 188
    {1, "Duplicate statement encountered in group body."},                  // 189
    {1, "Class statement missing from group body."},                        // 190
    {1, "Unknown attribute ID specified in key statement."},                // 191
    {1, "Expecting an attribute ID in key statement."},                     // 192
    {1, "Expecting '=' in key statement."},                                 // 193
    {1, "Expecting an attribute ID in key statement."},                     // 194
    {1, "Duplicate ID encountered in key statement."},                      // 195
    {1, "Illegal value encountered in component paths body."},              // 196
    {1, "Expecting a Name definition."},                                    // 197
    {1, "Expecting a Name definition."},                                    // 198
    {1, "Expecting '=' in component paths body."},                          // 199
    {1, "Expecting a literal in component paths body."},                    // 200
    {1, "Expecting a statement in component path body."},                   // 201
    {1, "Expecting 'End'."},                                                // 202
    {1, "Expecting a path literal or 'Direct-Interface'."},                 // 203
    {1, "Required definitions were missing from component path body."},     // 204
    {1, "This attribute has no instrumentation for the current OS environment."},  // 205
    {1, "Value conflicts with existing database."},                         // 206
    {1, "Duplicate statement in component paths body."},                    // 207
    {1, "Expecting: DOS, OS2, UNIX, WIN16, or WIN32."},                     // 208
    {1, "Templates must have unique class strings."},                       // 209
    {1, "Templates are required to be keyed."},                             // 210
    {1, "Unexpected EOF in source stream."},                                // 211
    {1, "Database fault during attribute creation."},                       // 212
    {1, "No memory to build attribute structure."},                         // 213
    {1, "Database fault during enumeration creation."},                     // 214
    {1, "Database fault during component creation."},                       // 215
    {1, "Database fault during table creation."},                           // 216
    {1, "Database fault during group creation."},                           // 217
    {1, "No memory to create group data structure."},                       // 218
    {1, "Database fault during key creation."},                             // 219
    {1, "Memory fault."},                                                   // 220
    {1, "Database fault during component path creation."},                  // 221
    {1, "Database fault."},                                                 // 222
    {2, "Fatal file error."},                                               // 223
    {1, "Unknown Error."},                                                  // 224
    {1, "Syntax Error."},                                                   // 225
    {1, "Database fault during value creation."},                           // 226
    {3, "Cannot locate component by ID."},                                  // 227
    {4, "Byte swapped Unicode file."},                                      // 228
    {1, "Expecting a group definition in component."},                      // 229
    {1, "Expecting a path definition in component."},                       // 230
    {1, "Expecting an attribute definition in group definition."},          // 231
    {1, "Expecting keys or  an ID of this group."},                         // 232
    {1, "Unknown  class specified in table definition."},                   // 233
    {3, "Cannot locate enumeration by name."},                              // 234
    {1, "Type statement missing from attribute."},                          // 235
    {1, "Only one global group is allowed per MIF file."},                  // 236
    {3, "Cannot locate enumeration element by name."},                      // 237
    {3, "Cannot locate enumeration element by value."},                     // 238
    {5, "Attribute ID is not unique."},                                     // 239
    {5, " Group ID is not unique."},                                        // 240
    {5, "Table  ID is not unique."},                                        // 241
    {5, "Illegal value of zero for ID."},                                   // 242
    {6, "Cannot locate group by ID."},                                      // 243
    {5, "Mandatory ComponentID group is not defined."},                     // 244
    {5, "Counter, Counter64, and Gauge numbers must be unsigned decimal."},  // 245
    {5, "Improperly formed language string."},                              // 246
    {7, "Cannot locate group definition in group file."},                   // 247
    {1, "Value not in range."},                                             // 248
};

const char *const kFormHeads[] = {
    nullptr,
    "DMI0%d  (File: %d (%d): %d: <%s>) ",
    "DMI0%d  (%d,  %d, %d, Filename <%s>) ",
    "DMI0%d  (File %d, ID %d, %d,  <%s>) ",
    "DMI0%d  (File %d,  %d, %d, Filename <%s>) ",
    "DMI0%d  (File %d, Line %d, ID <%d>, Token <%s>) ",
    "DMI0%d  (File %d, ID <%d>, %d,  <%s>) ",
    "DMI0%d  (%d, %d, %d, Filename <%s>) ",
};

}  // namespace

const char kUnknownMessageFormat[] = "Unknown error code %d (File: %d (%d): %d: <%s>).\n";

const MessageEntry &LookUpMessage(uint32_t number) {
    if (number < kFirstMessage || number > kLastMessage) return kFallback;
    return kCatalogue[number - kFirstMessage];
}

const char *MessageFormHead(int form) {
    return form >= 1 && form <= 7 ? kFormHeads[form] : nullptr;
}

}  // namespace mifkit
