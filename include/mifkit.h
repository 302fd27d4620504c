/*
 * mifkit: reads Management Information Format (MIF) files of the Desktop
 * Management Interface, checks them and keeps an in-memory database of the
 * component they describe.
 *
 * The C interface works on one process-wide parser. Call it from one thread
 * at a time, never during a parse.
 */
#ifndef MIFKIT_H
#define MIFKIT_H

/* MIFKIT_API marks the exports. On Windows mifkit.def names them, under
 * their plain names, and a program that links the static library instead of
 * the DLL defines MIFKIT_STATIC.
 *
 * MIFKIT_CALL is the calling convention of every export: __cdecl (the caller
 * removes the arguments) on 32-bit and 64-bit Windows alike, so a host that
 * takes an address from GetProcAddress calls it through a plain C function
 * pointer type; 64-bit Windows has one convention only and ignores it. */
#if defined(_WIN32)
#  if defined(MIFKIT_BUILDING) || defined(MIFKIT_STATIC)
#    define MIFKIT_API
#  else
#    define MIFKIT_API __declspec(dllimport)
#  endif
#  define MIFKIT_CALL __cdecl
#else
#  define MIFKIT_API __attribute__((visibility("default")))
#  define MIFKIT_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Parses a MIF file into the database. Returns 0 when the database of that
 * file is loaded and usable. Otherwise, with each problem printed as one
 * diagnostic line on standard output:
 *   525        the file could not be read (or memory ran out outside the
 *              parse's own pool);
 *   11         the file is byte-swapped UTF-16;
 *   1          a syntax error (the parse stopped at it);
 *   1001-1082, 2001-2027
 *              the status of the check that ended the parse (the end of a
 *              component or group, an unknown template class or
 *              enumeration, a template without keys), or else of the last
 *              check that failed while the parse went on;
 *   1          also when the parse lost a block to exhausted memory where
 *              no check could report it.
 * A second call with the same name after a successful parse returns 0 at
 * once. */
MIFKIT_API int MIFKIT_CALL ParseMIFFile(const char *fileName);

/* Releases the database. The argument is ignored. Always returns 0. */
MIFKIT_API int MIFKIT_CALL ShutdownParser(int unused);

/* Queries. A component name or class string is passed as its UTF-16BE bytes
 * and the two NUL bytes, with the count of all of them; a null component name
 * means the component of the file. A component without a name (left by a
 * failed parse) is never found.
 *
 * GetGroups writes the IDs of the component's groups that have an ID, then of
 * its tables, into ids (unless it is null) and returns their number; 0 when
 * there is no such component. It answers even after a failed parse.
 *
 * GetGroupData and GetTableData return the size of the data block of a group
 * or a table, found by its ID (unless 0) or else by its class (unless null),
 * and write the block into buffer unless it is null. attributeIds is a list
 * of attribute IDs ended by 0, or null for all. The block: 11 32-bit header
 * words (size, ID, rows, columns n, component name offset and length, class
 * offset and length, and the offsets 44, 44+4n, 44+8n of the arrays of
 * column IDs, types and value offsets), the arrays, the values column by
 * column with no padding, the component name and the class bytes. Values by
 * type: 4 bytes (counter, gauge, integer, enumeration), 8 (64-bit types, low
 * word first), or a 32-bit count and that many bytes (strings and dates).
 * Where a value has nothing to copy: a string without text is written as
 * the count 0; an enumeration value that matched no element is written as
 * the number it was given (0 if none). They return 0, leaving buffer alone,
 * when no successful parse is loaded, nothing matches, a group has no
 * attributes or a table no rows, or the block would exceed 2^31 - 1 bytes. */
MIFKIT_API int MIFKIT_CALL GetGroups(const void *componentName, int componentNameLength, unsigned int *ids);
MIFKIT_API int MIFKIT_CALL GetGroupData(const void *componentName, int componentNameLength,
                                        unsigned int groupId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer);
MIFKIT_API int MIFKIT_CALL GetTableData(const void *componentName, int componentNameLength,
                                        unsigned int tableId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer);

/* Releases a block with free(); null is allowed. */
MIFKIT_API void MIFKIT_CALL FreeTableData(void *block);

/* MIF file generation. An INI file holds one section per MIF file: the key
 * "filename" names the file (the section's own name when absent or empty),
 * "command" is the command line that writes it, and "refresh" = NEVER (in
 * any case) runs that command only while the file is missing. A name list
 * is a block of NUL-ended names followed by one more NUL. */

/* Reads the value of `key` in `section` of `iniFile`; with a null `section`
 * the list of section names, with a null `key` the list of the section's key
 * names. `*out` receives a malloc'ed copy (release it with free), or null
 * when nothing was found. Returns the length of the value, or of the list
 * without its final NUL; for the list of section names one less than that,
 * or -1 when the file has no sections; 0 when nothing was found or
 * `iniFile` is null. */
MIFKIT_API int MIFKIT_CALL GetINIString(const char *section, const char *key, const char *iniFile,
                                        char **out);

/* Writes to `buffer` (unless null) the name list of the MIF file of
 * `section`, or of every section when `section` is null, and returns its
 * length in bytes, final NUL included: call once with a null buffer, then
 * with that many bytes. A section absent from the file names itself.
 * Returns 0, writing nothing, when `section` is null and the file has no
 * sections. */
MIFKIT_API int MIFKIT_CALL GetMIFFilename(const char *iniFile, const char *section, char *buffer);

/* Brings the MIF files that GetMIFFilename lists up to date: runs the
 * command of each file that is missing, or that exists and is not marked
 * refresh = NEVER, waiting for each; then leaves in `nameList` (a buffer of
 * at least GetMIFFilename's length for the same arguments) the names of the
 * files that exist, in order. Does nothing when `nameList` is null. */
MIFKIT_API void MIFKIT_CALL GenerateMIFFile(const char *iniFile, const char *section, char *nameList);

/* Runs a command line (program and arguments, as Windows takes them; no
 * shell) as a separate process with the caller's environment and current
 * directory, and waits until it has ended. Returns 0 when it ran, and when
 * `commandLine` is null or empty; 1 when it could not be started. */
MIFKIT_API int MIFKIT_CALL ExecuteCommand(const char *commandLine);

#ifdef __cplusplus
}
#endif

#endif /* MIFKIT_H */
