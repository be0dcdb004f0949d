// The floor of a rectangle drawer: the drawing, made before the build,
// written one byte per write. Built with CHUNK set, the same drawing goes
// out in writes of CHUNK bytes: the buffered equivalent.
#include <unistd.h>

#include "incbin.h"

INCBIN(drawing, DRAWING);

int main(void)
{
    const char *p = drawing;
#ifndef CHUNK
    while (p < drawing_end) {
        write(1, p++, 1);
    }
#else
    for (; drawing_end - p > CHUNK; p += CHUNK) {
        write(1, p, CHUNK);
    }
    write(1, p, (size_t)(drawing_end - p));
#endif
    return 0;
}
