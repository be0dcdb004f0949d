#include <cerrno>
#include <unistd.h>

#include "bytetail.h"
#include "lu.h"

// A straight copy, one byte per read and per write. A failing read ends it
// with nothing but the system's message, as there is no file name to give.
void lu_stdin()
{
    char byte = 0;
    for (;;) {
        const ssize_t n = read(0, &byte, 1);
        if (n == 0) {
            return;
        }
        if (n < 0) {
            lu_putstr(lu_get_strerr(errno));
            return;
        }
        static_cast<void>(write(1, &byte, 1));
    }
}
