// The floor of `bytetail -c COUNT FILE`: the same two openings, one-byte
// reads to count the size through the second and to skip through the first,
// and one write per byte shown. Built with CHUNK set, the same work in reads
// of CHUNK bytes and one write: the buffered equivalent.
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    (void)argc;
    int fd = open(argv[3], O_RDONLY);
    int counter = open(argv[3], O_RDONLY);
#ifndef CHUNK
    char byte;
    long size = 0;
    while (read(counter, &byte, 1) == 1) {
        ++size;
    }
    close(counter);
    for (long skip = size - COUNT; skip > 0; --skip) {
        read(fd, &byte, 1);
    }
    while (read(fd, &byte, 1) == 1) {
        write(1, &byte, 1);
    }
#else
    static char buffer[CHUNK];
    long size = 0;
    ssize_t n;
    while ((n = read(counter, buffer, CHUNK)) > 0) {
        size += n;
    }
    close(counter);
    for (long skip = size - COUNT; skip > 0; skip -= n) {
        n = read(fd, buffer, skip < CHUNK ? (size_t)skip : CHUNK);
    }
    while ((n = read(fd, buffer, CHUNK)) > 0) {
        write(1, buffer, (size_t)n);
    }
#endif
    close(fd);
    return 0;
}
