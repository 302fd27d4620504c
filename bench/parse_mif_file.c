/* parse_mif_file FILE: one ParseMIFFile call through the shared library, as a
 * host makes it (it writes temp.mif to the current directory); exits with the
 * parse's status. */
#include <stdio.h>

#include "mifkit.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: parse_mif_file FILE\n");
        return 2;
    }
    int status = ParseMIFFile(argv[1]);
    ShutdownParser(0);
    return status == 0 ? 0 : 1;
}
