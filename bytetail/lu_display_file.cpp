#include <cerrno>
#include <unistd.h>

#include "bytetail.h"
#include "lu.h"

// The tail of one file: its header, then everything after the first
// size - count bytes, which are read and dropped. A count larger than the
// file leaves nothing to drop, so the whole file is shown. The arithmetic is
// 64 bits wide: no size or 32-bit count can make the skip count wrap.
void lu_display_file(std::int32_t position, std::int32_t fd, std::int32_t argc, char **argv)
{
    // Positions outside the file arguments would name the option, the count
    // or the null past the last argument.
    if (position < 3 || position >= argc) {
        return;
    }
    if (argv[1][0] != '-' || (argv[1][1] != 'c' && argv[1][1] != 'C')) {
        return;
    }
    const char *name = argv[position];
    lu_print_name(position, argc, name);
    const std::int64_t size = lu_size_file(name);
    const std::int64_t count = lu_atoi(argv[2]);
    std::int64_t skip = size - count;
    if (skip < 0) {
        skip = 0;
    }

    char byte = 0;
    std::int64_t skipped = 0;
    while (skipped < skip) {
        const ssize_t n = read(fd, &byte, 1);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            lu_display_custom_error(errno, name);
            break;
        }
        skipped += n;
    }
    // A skip cut short, by a failure or by a file that holds less than was
    // counted (a negative count asks to skip past its end), shows nothing.
    if (skipped != skip) {
        return;
    }

    for (;;) {
        const ssize_t n = read(fd, &byte, 1);
        if (n == 0) {
            return;
        }
        if (n < 0) {
            lu_display_custom_error(errno, name);
            return;
        }
        static_cast<void>(write(1, &byte, 1));
    }
}
