#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "lu.h"

// 1 when the file opens and yields a first byte. Every failing call is
// reported on the spot; a failing close does not change the answer.
std::int32_t lu_check_file(const char *path)
{
    std::int32_t result = 0;
    int fd = open(path, O_RDONLY);
    if (fd == -1) {
        lu_display_custom_error(errno, path);
        return 0;
    }
    char byte = 0;
    ssize_t n = read(fd, &byte, 1);
    if (n == -1) {
        lu_display_custom_error(errno, path);
    } else if (n > 0) {
        result = 1;
    }
    if (close(fd) != 0) {
        lu_display_custom_error(errno, path);
    }
    return result;
}
