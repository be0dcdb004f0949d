#include "bytetail.h"
#include "lu.h"

// A lone file needs no name. Every header but the first starts with a line
// feed of its own, so it always begins a line whatever the previous tail
// ended with.
void lu_print_name(std::int32_t position, std::int32_t argc, const char *name)
{
    if (argc <= 4) {
        return;
    }
    lu_putstr(position <= 3 ? "==> " : "\n==> ");
    lu_putstr(name);
    lu_putstr(" <==\n");
}
