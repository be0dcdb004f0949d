#include "lu.h"

// "prog: name: message\n", as six writes, on standard output.
void lu_display_custom_error(std::int32_t errnum, const char *name)
{
    lu_putstr(g_progname);
    lu_putstr(": ");
    lu_putstr(name);
    lu_putstr(": ");
    lu_putstr(lu_get_strerr(errnum));
    lu_putchar('\n');
}
