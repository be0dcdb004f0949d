// The floor of `bytetail -c COUNT` on standard input: one-byte reads to the
// end of the input, the one block of COUNT bytes that the program takes for
// them (its only system calls besides reads and writes), and the tail, known
// before the build, written one byte per write. Built with CHUNK set, reads
// of CHUNK bytes and one write: the buffered equivalent.
#include <stdlib.h>
#include <unistd.h>

#include "incbin.h"

INCBIN(tail, TAIL);

int main(void)
{
#ifndef CHUNK
    char byte;
    char *block = NULL;
    while (read(0, &byte, 1) == 1) {
        if (block == NULL) {
            block = malloc(COUNT);
        }
    }
    for (const char *p = tail; p < tail_end; ++p) {
        write(1, p, 1);
    }
    free(block);
#else
    static char buffer[CHUNK];
    while (read(0, buffer, CHUNK) > 0) {
    }
    write(1, tail, (size_t)(tail_end - tail));
#endif
    return 0;
}
