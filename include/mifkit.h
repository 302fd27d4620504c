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
MIFKIT_API int ParseMIFFile(const char *fileName);

/* Releases the database. The argument is ignored. Always returns 0. */
MIFKIT_API int ShutdownParser(int unused);

#ifdef __cplusplus
}
#endif

#endif /* MIFKIT_H */
