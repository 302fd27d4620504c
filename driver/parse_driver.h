// Running a parse: conversion, the grammar, and releasing a database.
#pragma once

#include <string_view>

#include "core/parse_context.h"

namespace mifkit {

// Parses a MIF file into the context's database: 0 when it is loaded and
// usable. A repeated call with the loaded name returns 0 at once.
int ParseFile(ParseContext &ctx, const char *fileName);

// Parses source bytes held in memory; `name` stands for them in messages.
// The database of any earlier parse is released first.
int ParseBytes(ParseContext &ctx, std::string_view source, const char *name = "(buffer)");

// Releases the database and forgets the loaded name. Returns 0.
int ShutdownParser(ParseContext &ctx);

// Converts a source and readies the lexer on it, without running the
// grammar: the first half of a parse, also used to list tokens.
int OpenSource(ParseContext &ctx, const char *fileName);
int OpenSourceBytes(ParseContext &ctx, const char *name, std::string_view source);

}  // namespace mifkit
