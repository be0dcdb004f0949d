// The floor of `bytedump -C FILE` for a file whose size is a multiple of 16:
// the same open, reads of 16 bytes, one-byte writes and close, with the
// listing made before the build. Built with CHUNK set, the same listing goes
// out in writes of CHUNK bytes from reads of CHUNK bytes: the buffered
// equivalent.
#include <fcntl.h>
#include <unistd.h>

#include "incbin.h"

INCBIN(listing, LISTING);

int main(int argc, char **argv)
{
    (void)argc;
    const char *p = listing;
    int fd = open(argv[2], O_RDONLY);
#ifndef CHUNK
    unsigned char buffer[16];
    while (read(fd, buffer, 16) > 0) {
        for (int i = 0; i < 79; ++i) {
            write(1, p++, 1);
        }
    }
    close(fd);
    while (p < listing_end) {
        write(1, p++, 1);
    }
#else
    static unsigned char buffer[CHUNK];
    while (read(fd, buffer, CHUNK) > 0) {
    }
    close(fd);
    for (; listing_end - p > CHUNK; p += CHUNK) {
        write(1, p, CHUNK);
    }
    write(1, p, (size_t)(listing_end - p));
#endif
    return 0;
}
