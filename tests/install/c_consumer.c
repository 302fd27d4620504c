/* A C program built against the installed header and library: parses a file
 * and prints its group IDs with the size of each group's or table's block. */
#include <mifkit.h>
#include <stdio.h>

int main(int argc, char **argv) {
    unsigned int ids[64];
    int count, i;
    if (argc != 2) return 2;
    if (ParseMIFFile(argv[1]) != 0) return 1;
    count = GetGroups(NULL, 0, ids);
    for (i = 0; i < count && i < 64; ++i) {
        int group = GetGroupData(NULL, 0, ids[i], NULL, 0, NULL, NULL);
        int table = GetTableData(NULL, 0, ids[i], NULL, 0, NULL, NULL);
        printf("%u %d %d\n", ids[i], group, table);
    }
    ShutdownParser(0);
    return 0;
}
