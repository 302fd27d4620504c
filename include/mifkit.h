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

#if defined(_WIN32)
#  if defined(MIFKIT_BUILDING)
#    define MIFKIT_API __declspec(dllexport)
#  else
#    define MIFKIT_API __declspec(dllimport)
#  endif
#else
#  define MIFKIT_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Parses a MIF file into the database. Returns 0 when the database of that
 * file is loaded and usable; non-zero otherwise (525: the file could not be
 * read, 11: byte-swapped UTF-16, any other value: the file has errors, each
 * printed as one diagnostic line on standard output). A second call with the
 * same name after a successful parse returns 0 at once. */
MIFKIT_API int ParseMIFFile(const char *fileName);

/* Releases the database. The argument is ignored. Always returns 0. */
MIFKIT_API int ShutdownParser(int unused);

#ifdef __cplusplus
}
#endif

#endif /* MIFKIT_H */
