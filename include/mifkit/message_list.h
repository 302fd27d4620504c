// The DMI message catalogue, the one list of its numbers: number, name,
// line form and text. Numbers without an entry (102 to 107, and any outside
// 100 to 248) print the fallback line. Several numbers share a text on
// purpose; the doubled blanks inside 232, 233 and 241 and the leading one of
// 240 are part of the texts.
#pragma once

// clang-format off
#define MIFKIT_MESSAGES(X) \
    X(100, NotImplemented, 1, "Not currently implemented.") \
    X(101, TemplatesNotUsed, 1, "There were template(s) defined, but not used.") \
    X(108, UnexpectedEndOfComment, 1, "Unexpected end of comment.") \
    X(109, EndOfFileInComment, 1, "Unexpected end of file in comment.") \
    X(110, IllegalEscapeCharacter, 1, "Illegal character in escape sequence.") \
    X(111, IllegalEscapeDigit, 1, "Illegal digit in escape sequence.") \
    X(112, IllegalEscapeValue, 1, "Illegal value in escape sequence.") \
    X(113, MissingEscapeDigit, 1, "Missing digit in escape sequence.") \
    X(114, IllegalLiteralCharacter, 1, "Illegal character within literal.") \
    X(115, EndOfFileInLiteral, 1, "Unexpected end of file in literal.") \
    X(116, NewLineInLiteral, 1, "Unexpected new line in literal.") \
    X(117, IllegalSourceCharacter, 1, "Illegal character in source stream.") \
    X(118, SecondComponent, 1, "Only one component is allowed per MIF file.") \
    X(119, IllegalAttributeValue, 1, "Illegal value encountered in attribute body.") \
    X(120, ExpectingAttributeName, 1, "Expecting the name of this attribute.") \
    X(121, ExpectingAttributeId, 1, "Expecting the ID of this attribute.") \
    X(122, ExpectingAttributeNameOrId, 1, "Expecting the name or ID of this attribute.") \
    X(123, ExpectingAttributeEqual, 1, "Expecting '=' in attribute body.") \
    X(124, ExpectingAttributeLiteral, 1, "Expecting a literal in attribute body.") \
    X(125, ExpectingAttributeInteger, 1, "Expecting an integer in attribute body.") \
    X(126, ExpectingAttributeStatement, 1, "Expecting a statement in attribute body.") \
    X(127, ExpectingAttributeOverlayName, 1, "Expecting an overlay name for the attribute value.") \
    X(128, ExpectingAttributeValue, 1, "Expecting an attribute value.") \
    X(129, IllegalAttributeValueSize, 1, "Attribute value has an illegal size.") \
    X(130, MissingAccessStatement, 1, "Access statement missing from attribute body.") \
    X(131, MissingAttributeBodyType, 1, "Type statement missing from attribute body.") \
    X(132, MissingValueStatement, 1, "Value statement missing from attribute body.") \
    X(133, MissingStringSize, 1, "Size specifier missing for string attribute.") \
    X(134, AttributeValueConflict, 1, "Value conflicts with existing database.") \
    X(135, DuplicateAttributeStatement, 1, "Duplicate statement encountered in attribute body.") \
    X(136, ValueForWriteOnly, 1, "Cannot assign value to Write-Only attribute.") \
    X(137, IllegalEnumerationValue, 1, "Illegal value in enumeration body.") \
    X(138, ExpectingEnumerationName, 1, "Expecting a name for this enumeration.") \
    X(139, ExpectingEnumerationEqual, 1, "Expecting an '=' in enumeration body.") \
    X(140, ExpectingEnumerationLiteral, 1, "Expecting a literal in enumeration body.") \
    X(141, ExpectingEnumerationStatement, 1, "Expecting a statement in enumeration body.") \
    X(142, ExpectingEnumerationValue, 1, "Expecting a value in enumeration body.") \
    X(143, EmptyEnumeration, 1, "This enumeration had no statements.") \
    X(144, EnumerationValueConflict, 1, "Value conflicts with existing database.") \
    X(145, DuplicateEnumerationName, 1, "An enumeration of this name was already encountered.") \
    X(146, EnumerationFeatureNotImplemented, 1, "This feature is not currently implemented for enumerations.") \
    X(147, IllegalComponentValue, 1, "Illegal value in component body.") \
    X(148, ExpectingComponent, 1, "Expecting component definition.") \
    X(149, ExpectingComponentNameStatement, 1, "Expecting the name of this component.") \
    X(150, ExpectingComponentName, 1, "Expecting the name of this component.") \
    X(151, ExpectingComponentEqual, 1, "Expecting '=' in component body.") \
    X(152, ExpectingComponentLiteral, 1, "Expecting a literal in component body.") \
    X(153, ExpectingComponentStatement, 1, "Expecting a statement in component body.") \
    X(154, ExpectingComponentBlock, 1, "Expecting a block statement in component body.") \
    X(155, ComponentWithoutGroups, 1, "This component had no recognizable groups.") \
    X(156, DuplicateComponentStatement, 1, "Duplicate statement encountered in component body.") \
    X(157, IllegalTableValue, 1, "Illegal value in table body.") \
    X(158, ExpectingTableName, 1, "Expecting the name of this table.") \
    X(159, ExpectingTableHeader, 1, "Expecting the class, ID, or name of this table.") \
    X(160, ExpectingTableEqual, 1, "Expecting a '=' in table definition.") \
    X(161, ExpectingTableLiteral, 1, "Expecting a literal in table definition.") \
    X(162, ExpectingTableInteger, 1, "Expecting an integer in table definition.") \
    X(163, ExpectingTableStatement, 1, "Expecting a statement in table body.") \
    X(164, ExpectingTableOverlayName, 1, "Expecting an overlay name for a table data entry.") \
    X(165, ExpectingTableEntryValue, 1, "Expecting a table entry value.") \
    X(166, TableStringTooLong, 1, "Table string value exceeds size specified in attribute.") \
    X(167, EmptyTable, 1, "This table contained no data entries.") \
    X(168, ExpectingMoreRowValues, 1, "Expecting additional values in table row.") \
    X(169, GroupOrTableIdTaken, 1, "There is already a group or table with this ID.") \
    X(170, DuplicateTableStatement, 1, "Duplicate statement encountered in table definition.") \
    X(171, ExpectingTemplateClass, 1, "Expecting the class name of a template.") \
    X(172, TooManyRowValues, 1, "The number of values exceeds the number of attributes.") \
    X(173, ExpectingCommaOrBrace, 1, "Expecting a ',' or '}' after a table data entry.") \
    X(174, TemplateNotKeyed, 1, "Tables must be associated with keyed groups.") \
    X(175, RowValuesInBothPlaces, 1, "Row values cannot reside in both the database and instrumentation.") \
    X(176, KeyNotUnique, 1, "Key is not unique.") \
    X(177, NoTemplateDefault, 1, "There is no default value in the template.") \
    X(178, IllegalGroupValue, 1, "Illegal value in group body.") \
    X(179, ExpectingGroupName, 1, "Expecting the name of this group.") \
    X(180, ExpectingGroupId, 1, "Expecting the ID of this group.") \
    X(181, ExpectingGroupClass, 1, "Expecting the class, name, or ID of this group.") \
    X(182, ExpectingGroupEqual, 1, "Expecting '=' in group body.") \
    X(183, ExpectingGroupLiteral, 1, "Expecting a literal in group body.") \
    X(184, ExpectingGroupInteger, 1, "Expecting an integer in group body.") \
    X(185, ExpectingGroupStatement, 1, "Expecting a statement in group body.") \
    X(186, ExpectingGroupBlock, 1, "Expecting a block statement in group body.") \
    X(187, GroupWithoutAttributes, 1, "This group had no recognizable attributes.") \
    X(188, GroupValueConflict, 1, "Value conflicts with existing database.") \
    X(189, DuplicateGroupStatement, 1, "Duplicate statement encountered in group body.") \
    X(190, MissingClassStatement, 1, "Class statement missing from group body.") \
    X(191, UnknownKeyAttribute, 1, "Unknown attribute ID specified in key statement.") \
    X(192, ExpectingKeyAttributeId, 1, "Expecting an attribute ID in key statement.") \
    X(193, ExpectingKeyEqual, 1, "Expecting '=' in key statement.") \
    X(194, ExpectingKeyListId, 1, "Expecting an attribute ID in key statement.") \
    X(195, DuplicateKeyId, 1, "Duplicate ID encountered in key statement.") \
    X(196, IllegalPathValue, 1, "Illegal value encountered in component paths body.") \
    X(197, ExpectingPathName, 1, "Expecting a Name definition.") \
    X(198, ExpectingPathNameStatement, 1, "Expecting a Name definition.") \
    X(199, ExpectingPathEqual, 1, "Expecting '=' in component paths body.") \
    X(200, ExpectingPathLiteral, 1, "Expecting a literal in component paths body.") \
    X(201, ExpectingPathStatement, 1, "Expecting a statement in component path body.") \
    X(202, ExpectingEnd, 1, "Expecting 'End'.") \
    X(203, ExpectingPathOrDirectInterface, 1, "Expecting a path literal or 'Direct-Interface'.") \
    X(204, MissingPathDefinitions, 1, "Required definitions were missing from component path body.") \
    X(205, NoInstrumentationForOs, 1, "This attribute has no instrumentation for the current OS environment.") \
    X(206, PathValueConflict, 1, "Value conflicts with existing database.") \
    X(207, DuplicatePathStatement, 1, "Duplicate statement in component paths body.") \
    X(208, ExpectingOsName, 1, "Expecting: DOS, OS2, UNIX, WIN16, or WIN32.") \
    X(209, DuplicateTemplateClass, 1, "Templates must have unique class strings.") \
    X(210, UnkeyedTemplate, 1, "Templates are required to be keyed.") \
    X(211, UnexpectedEndOfFile, 1, "Unexpected EOF in source stream.") \
    X(212, AttributeCreationFault, 1, "Database fault during attribute creation.") \
    X(213, AttributeMemoryFault, 1, "No memory to build attribute structure.") \
    X(214, EnumerationCreationFault, 1, "Database fault during enumeration creation.") \
    X(215, ComponentCreationFault, 1, "Database fault during component creation.") \
    X(216, TableCreationFault, 1, "Database fault during table creation.") \
    X(217, GroupCreationFault, 1, "Database fault during group creation.") \
    X(218, GroupMemoryFault, 1, "No memory to create group data structure.") \
    X(219, KeyCreationFault, 1, "Database fault during key creation.") \
    X(220, MemoryFault, 1, "Memory fault.") \
    X(221, PathCreationFault, 1, "Database fault during component path creation.") \
    X(222, DatabaseFault, 1, "Database fault.") \
    X(223, FatalFileError, 2, "Fatal file error.") \
    X(224, UnknownError, 1, "Unknown Error.") \
    X(225, SyntaxError, 1, "Syntax Error.") \
    X(226, ValueCreationFault, 1, "Database fault during value creation.") \
    X(227, ComponentNotFound, 3, "Cannot locate component by ID.") \
    X(228, ByteSwappedUnicode, 4, "Byte swapped Unicode file.") \
    X(229, ComponentWithoutGroup, 1, "Expecting a group definition in component.") \
    X(230, ComponentWithoutPath, 1, "Expecting a path definition in component.") \
    X(231, GroupWithoutAttribute, 1, "Expecting an attribute definition in group definition.") \
    X(232, ExpectingKeysOrId, 1, "Expecting keys or  an ID of this group.") \
    X(233, UnknownTableClass, 1, "Unknown  class specified in table definition.") \
    X(234, EnumerationNotFound, 3, "Cannot locate enumeration by name.") \
    X(235, MissingType, 1, "Type statement missing from attribute.") \
    X(236, SecondGlobalGroup, 1, "Only one global group is allowed per MIF file.") \
    X(237, ElementNotFoundByName, 3, "Cannot locate enumeration element by name.") \
    X(238, ElementNotFoundByValue, 3, "Cannot locate enumeration element by value.") \
    X(239, AttributeIdNotUnique, 5, "Attribute ID is not unique.") \
    X(240, GroupIdNotUnique, 5, " Group ID is not unique.") \
    X(241, TableIdNotUnique, 5, "Table  ID is not unique.") \
    X(242, ZeroId, 5, "Illegal value of zero for ID.") \
    X(243, GroupNotFound, 6, "Cannot locate group by ID.") \
    X(244, MissingComponentIdGroup, 5, "Mandatory ComponentID group is not defined.") \
    X(245, UnsignedDecimalOnly, 5, "Counter, Counter64, and Gauge numbers must be unsigned decimal.") \
    X(246, MalformedLanguage, 5, "Improperly formed language string.") \
    X(247, GroupDefinitionNotFound, 7, "Cannot locate group definition in group file.") \
    X(248, ValueNotInRange, 1, "Value not in range.")
// clang-format on
