#include "lu.h"

std::int32_t lu_strlen(const char *s)
{
    std::int32_t n = 0;
    while (s[n] != '\0') {
        ++n;
    }
    return n;
}
