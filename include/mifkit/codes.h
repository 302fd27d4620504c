// Named constants for the numbers a caller meets: the DMI message numbers of
// Diagnostic::message (named after their texts; a text that several numbers
// share names each of them with its number) and the statuses a parse returns.
#pragma once

#include <cstdint>

namespace mifkit {

// Database::status() and ParseMIFFile: besides these, the status of the check
// that ended the parse or failed last (1001 to 1082, 2001 to 2027).
namespace status {
constexpr int kOk = 0;
constexpr int kSyntaxError = 1;  // also: memory ran out where no check could report it
constexpr int kByteSwapped = 11;
constexpr int kUnreadable = 525;
}  // namespace status

namespace message {
constexpr uint32_t kNotCurrentlyImplemented = 100;  // Not currently implemented.
constexpr uint32_t kTemplateDefinedButNotUsed = 101;  // There were template(s) defined, but not used.
constexpr uint32_t kUnexpectedEndComment = 108;  // Unexpected end of comment.
constexpr uint32_t kUnexpectedEndFileComment = 109;  // Unexpected end of file in comment.
constexpr uint32_t kIllegalCharacterEscapeSequence = 110;  // Illegal character in escape sequence.
constexpr uint32_t kIllegalDigitEscapeSequence = 111;  // Illegal digit in escape sequence.
constexpr uint32_t kIllegalValueEscapeSequence = 112;  // Illegal value in escape sequence.
constexpr uint32_t kMissingDigitEscapeSequence = 113;  // Missing digit in escape sequence.
constexpr uint32_t kIllegalCharacterWithinLiteral = 114;  // Illegal character within literal.
constexpr uint32_t kUnexpectedEndFileLiteral = 115;  // Unexpected end of file in literal.
constexpr uint32_t kUnexpectedNewLineLiteral = 116;  // Unexpected new line in literal.
constexpr uint32_t kIllegalCharacterSourceStream = 117;  // Illegal character in source stream.
constexpr uint32_t kOnlyOneComponentAllowedMif = 118;  // Only one component is allowed per MIF file.
constexpr uint32_t kIllegalValueEncounteredAttributeBody = 119;  // Illegal value encountered in attribute body.
constexpr uint32_t kExpectingNameAttribute = 120;  // Expecting the name of this attribute.
constexpr uint32_t kExpectingIdAttribute = 121;  // Expecting the ID of this attribute.
constexpr uint32_t kExpectingNameIdAttribute = 122;  // Expecting the name or ID of this attribute.
constexpr uint32_t kExpectingEqualsAttributeBody = 123;  // Expecting '=' in attribute body.
constexpr uint32_t kExpectingLiteralAttributeBody = 124;  // Expecting a literal in attribute body.
constexpr uint32_t kExpectingIntegerAttributeBody = 125;  // Expecting an integer in attribute body.
constexpr uint32_t kExpectingStatementAttributeBody = 126;  // Expecting a statement in attribute body.
constexpr uint32_t kExpectingOverlayNameAttributeValue = 127;  // Expecting an overlay name for the attribute value.
constexpr uint32_t kExpectingAttributeValue = 128;  // Expecting an attribute value.
constexpr uint32_t kAttributeValueIllegalSize = 129;  // Attribute value has an illegal size.
constexpr uint32_t kAccessStatementMissingFromAttribute = 130;  // Access statement missing from attribute body.
constexpr uint32_t kTypeStatementMissingFromAttribute131 = 131;  // Type statement missing from attribute body.
constexpr uint32_t kValueStatementMissingFromAttribute = 132;  // Value statement missing from attribute body.
constexpr uint32_t kSizeSpecifierMissingStringAttribute = 133;  // Size specifier missing for string attribute.
constexpr uint32_t kValueConflictsExistingDatabase134 = 134;  // Value conflicts with existing database.
constexpr uint32_t kDuplicateStatementEncounteredAttributeBody = 135;  // Duplicate statement encountered in attribute body.
constexpr uint32_t kCannotAssignValueWriteOnly = 136;  // Cannot assign value to Write-Only attribute.
constexpr uint32_t kIllegalValueEnumerationBody = 137;  // Illegal value in enumeration body.
constexpr uint32_t kExpectingNameEnumeration = 138;  // Expecting a name for this enumeration.
constexpr uint32_t kExpectingEqualsEnumerationBody = 139;  // Expecting an '=' in enumeration body.
constexpr uint32_t kExpectingLiteralEnumerationBody = 140;  // Expecting a literal in enumeration body.
constexpr uint32_t kExpectingStatementEnumerationBody = 141;  // Expecting a statement in enumeration body.
constexpr uint32_t kExpectingValueEnumerationBody = 142;  // Expecting a value in enumeration body.
constexpr uint32_t kEnumerationHadNoStatements = 143;  // This enumeration had no statements.
constexpr uint32_t kValueConflictsExistingDatabase144 = 144;  // Value conflicts with existing database.
constexpr uint32_t kEnumerationNameAlreadyEncountered = 145;  // An enumeration of this name was already encountered.
constexpr uint32_t kFeatureNotCurrentlyImplementedEnumerations = 146;  // This feature is not currently implemented for enumerations.
constexpr uint32_t kIllegalValueComponentBody = 147;  // Illegal value in component body.
constexpr uint32_t kExpectingComponentDefinition = 148;  // Expecting component definition.
constexpr uint32_t kExpectingNameComponent149 = 149;  // Expecting the name of this component.
constexpr uint32_t kExpectingNameComponent150 = 150;  // Expecting the name of this component.
constexpr uint32_t kExpectingEqualsComponentBody = 151;  // Expecting '=' in component body.
constexpr uint32_t kExpectingLiteralComponentBody = 152;  // Expecting a literal in component body.
constexpr uint32_t kExpectingStatementComponentBody = 153;  // Expecting a statement in component body.
constexpr uint32_t kExpectingBlockStatementComponentBody = 154;  // Expecting a block statement in component body.
constexpr uint32_t kComponentHadNoRecognizableGroups = 155;  // This component had no recognizable groups.
constexpr uint32_t kDuplicateStatementEncounteredComponentBody = 156;  // Duplicate statement encountered in component body.
constexpr uint32_t kIllegalValueTableBody = 157;  // Illegal value in table body.
constexpr uint32_t kExpectingNameTable = 158;  // Expecting the name of this table.
constexpr uint32_t kExpectingClassIdNameTable = 159;  // Expecting the class, ID, or name of this table.
constexpr uint32_t kExpectingEqualsTableDefinition = 160;  // Expecting a '=' in table definition.
constexpr uint32_t kExpectingLiteralTableDefinition = 161;  // Expecting a literal in table definition.
constexpr uint32_t kExpectingIntegerTableDefinition = 162;  // Expecting an integer in table definition.
constexpr uint32_t kExpectingStatementTableBody = 163;  // Expecting a statement in table body.
constexpr uint32_t kExpectingOverlayNameTableData = 164;  // Expecting an overlay name for a table data entry.
constexpr uint32_t kExpectingTableEntryValue = 165;  // Expecting a table entry value.
constexpr uint32_t kTableStringValueExceedsSize = 166;  // Table string value exceeds size specified in attribute.
constexpr uint32_t kTableContainedNoDataEntries = 167;  // This table contained no data entries.
constexpr uint32_t kExpectingAdditionalValuesTableRow = 168;  // Expecting additional values in table row.
constexpr uint32_t kAlreadyGroupTableId = 169;  // There is already a group or table with this ID.
constexpr uint32_t kDuplicateStatementEncounteredTableDefinition = 170;  // Duplicate statement encountered in table definition.
constexpr uint32_t kExpectingClassNameTemplate = 171;  // Expecting the class name of a template.
constexpr uint32_t kNumberValuesExceedsNumberAttributes = 172;  // The number of values exceeds the number of attributes.
constexpr uint32_t kExpectingCommaBraceAfterTable = 173;  // Expecting a ',' or '}' after a table data entry.
constexpr uint32_t kTablesMustAssociatedKeyedGroups = 174;  // Tables must be associated with keyed groups.
constexpr uint32_t kRowValuesCannotResideBoth = 175;  // Row values cannot reside in both the database and instrumentation.
constexpr uint32_t kKeyNotUnique = 176;  // Key is not unique.
constexpr uint32_t kNoDefaultValueTemplate = 177;  // There is no default value in the template.
constexpr uint32_t kIllegalValueGroupBody = 178;  // Illegal value in group body.
constexpr uint32_t kExpectingNameGroup = 179;  // Expecting the name of this group.
constexpr uint32_t kExpectingIdGroup = 180;  // Expecting the ID of this group.
constexpr uint32_t kExpectingClassNameIdGroup = 181;  // Expecting the class, name, or ID of this group.
constexpr uint32_t kExpectingEqualsGroupBody = 182;  // Expecting '=' in group body.
constexpr uint32_t kExpectingLiteralGroupBody = 183;  // Expecting a literal in group body.
constexpr uint32_t kExpectingIntegerGroupBody = 184;  // Expecting an integer in group body.
constexpr uint32_t kExpectingStatementGroupBody = 185;  // Expecting a statement in group body.
constexpr uint32_t kExpectingBlockStatementGroupBody = 186;  // Expecting a block statement in group body.
constexpr uint32_t kGroupHadNoRecognizableAttributes = 187;  // This group had no recognizable attributes.
constexpr uint32_t kValueConflictsExistingDatabase188 = 188;  // Value conflicts with existing database.
constexpr uint32_t kDuplicateStatementEncounteredGroupBody = 189;  // Duplicate statement encountered in group body.
constexpr uint32_t kClassStatementMissingFromGroup = 190;  // Class statement missing from group body.
constexpr uint32_t kUnknownAttributeIdSpecifiedKey = 191;  // Unknown attribute ID specified in key statement.
constexpr uint32_t kExpectingAttributeIdKeyStatement192 = 192;  // Expecting an attribute ID in key statement.
constexpr uint32_t kExpectingEqualsKeyStatement = 193;  // Expecting '=' in key statement.
constexpr uint32_t kExpectingAttributeIdKeyStatement194 = 194;  // Expecting an attribute ID in key statement.
constexpr uint32_t kDuplicateIdEncounteredKeyStatement = 195;  // Duplicate ID encountered in key statement.
constexpr uint32_t kIllegalValueEncounteredComponentPaths = 196;  // Illegal value encountered in component paths body.
constexpr uint32_t kExpectingNameDefinition197 = 197;  // Expecting a Name definition.
constexpr uint32_t kExpectingNameDefinition198 = 198;  // Expecting a Name definition.
constexpr uint32_t kExpectingEqualsComponentPathsBody = 199;  // Expecting '=' in component paths body.
constexpr uint32_t kExpectingLiteralComponentPathsBody = 200;  // Expecting a literal in component paths body.
constexpr uint32_t kExpectingStatementComponentPathBody = 201;  // Expecting a statement in component path body.
constexpr uint32_t kExpectingEnd = 202;  // Expecting 'End'.
constexpr uint32_t kExpectingPathLiteralDirectInterface = 203;  // Expecting a path literal or 'Direct-Interface'.
constexpr uint32_t kRequiredDefinitionsMissingFromComponent = 204;  // Required definitions were missing from component path body.
constexpr uint32_t kAttributeNoInstrumentationCurrentOs = 205;  // This attribute has no instrumentation for the current OS environment.
constexpr uint32_t kValueConflictsExistingDatabase206 = 206;  // Value conflicts with existing database.
constexpr uint32_t kDuplicateStatementComponentPathsBody = 207;  // Duplicate statement in component paths body.
constexpr uint32_t kExpectingDosOs2UnixWin16 = 208;  // Expecting: DOS, OS2, UNIX, WIN16, or WIN32.
constexpr uint32_t kTemplatesMustHaveUniqueClass = 209;  // Templates must have unique class strings.
constexpr uint32_t kTemplatesRequiredKeyed = 210;  // Templates are required to be keyed.
constexpr uint32_t kUnexpectedEofSourceStream = 211;  // Unexpected EOF in source stream.
constexpr uint32_t kDatabaseFaultDuringAttributeCreation = 212;  // Database fault during attribute creation.
constexpr uint32_t kNoMemoryBuildAttributeStructure = 213;  // No memory to build attribute structure.
constexpr uint32_t kDatabaseFaultDuringEnumerationCreation = 214;  // Database fault during enumeration creation.
constexpr uint32_t kDatabaseFaultDuringComponentCreation = 215;  // Database fault during component creation.
constexpr uint32_t kDatabaseFaultDuringTableCreation = 216;  // Database fault during table creation.
constexpr uint32_t kDatabaseFaultDuringGroupCreation = 217;  // Database fault during group creation.
constexpr uint32_t kNoMemoryCreateGroupData = 218;  // No memory to create group data structure.
constexpr uint32_t kDatabaseFaultDuringKeyCreation = 219;  // Database fault during key creation.
constexpr uint32_t kMemoryFault = 220;  // Memory fault.
constexpr uint32_t kDatabaseFaultDuringComponentPath = 221;  // Database fault during component path creation.
constexpr uint32_t kDatabaseFault = 222;  // Database fault.
constexpr uint32_t kFatalFileError = 223;  // Fatal file error.
constexpr uint32_t kUnknownError = 224;  // Unknown Error.
constexpr uint32_t kSyntaxError = 225;  // Syntax Error.
constexpr uint32_t kDatabaseFaultDuringValueCreation = 226;  // Database fault during value creation.
constexpr uint32_t kCannotLocateComponentId = 227;  // Cannot locate component by ID.
constexpr uint32_t kByteSwappedUnicodeFile = 228;  // Byte swapped Unicode file.
constexpr uint32_t kExpectingGroupDefinitionComponent = 229;  // Expecting a group definition in component.
constexpr uint32_t kExpectingPathDefinitionComponent = 230;  // Expecting a path definition in component.
constexpr uint32_t kExpectingAttributeDefinitionGroupDefinition = 231;  // Expecting an attribute definition in group definition.
constexpr uint32_t kExpectingKeysIdGroup = 232;  // Expecting keys or  an ID of this group.
constexpr uint32_t kUnknownClassSpecifiedTableDefinition = 233;  // Unknown  class specified in table definition.
constexpr uint32_t kCannotLocateEnumerationName = 234;  // Cannot locate enumeration by name.
constexpr uint32_t kTypeStatementMissingFromAttribute235 = 235;  // Type statement missing from attribute.
constexpr uint32_t kOnlyOneGlobalGroupAllowed = 236;  // Only one global group is allowed per MIF file.
constexpr uint32_t kCannotLocateEnumerationElementName = 237;  // Cannot locate enumeration element by name.
constexpr uint32_t kCannotLocateEnumerationElementValue = 238;  // Cannot locate enumeration element by value.
constexpr uint32_t kAttributeIdNotUnique = 239;  // Attribute ID is not unique.
constexpr uint32_t kGroupIdNotUnique = 240;  //  Group ID is not unique.
constexpr uint32_t kTableIdNotUnique = 241;  // Table  ID is not unique.
constexpr uint32_t kIllegalValueZeroId = 242;  // Illegal value of zero for ID.
constexpr uint32_t kCannotLocateGroupId = 243;  // Cannot locate group by ID.
constexpr uint32_t kMandatoryComponentidGroupNotDefined = 244;  // Mandatory ComponentID group is not defined.
constexpr uint32_t kCounterCounter64GaugeNumbersMust = 245;  // Counter, Counter64, and Gauge numbers must be unsigned decimal.
constexpr uint32_t kImproperlyFormedLanguageString = 246;  // Improperly formed language string.
constexpr uint32_t kCannotLocateGroupDefinitionGroup = 247;  // Cannot locate group definition in group file.
constexpr uint32_t kValueNotRange = 248;  // Value not in range.
}  // namespace message

}  // namespace mifkit
