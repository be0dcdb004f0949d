#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "bytetail.h"
#include "lu.h"

// The size is what reading yields, not what the system would claim: the
// file is read to its end through a second opening, which leaves the
// caller's descriptor where it stands. A failing read ends the count with
// the bytes seen so far.
std::int64_t lu_size_file(const char *path)
{
    std::int64_t size = 0;
    const int fd = open(path, O_RDONLY);
    if (fd == -1) {
        lu_display_custom_error(errno, path);
        return 0;
    }
    char byte = 0;
    for (;;) {
        const ssize_t n = read(fd, &byte, 1);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            lu_display_custom_error(errno, path);
            break;
        }
        size += n;
    }
    if (close(fd) != 0) {
        lu_display_custom_error(errno, path);
    }
    return size;
}
