#include <unistd.h>

#include "lu.h"

// One write for the whole text, an empty one included, so that a text never
// interleaves with anything else written to the same descriptor.
void lu_putstr(const char *s)
{
    static_cast<void>(write(1, s, static_cast<std::size_t>(lu_strlen(s))));
}
