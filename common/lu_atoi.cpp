#include "lu.h"

namespace
{

bool is_blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

// The value wraps modulo 2^32 like a two's complement register. The sum is
// kept unsigned, where wrapping is defined, and only the final bit pattern
// is read back as a signed number.
std::int32_t lu_atoi(const char *s)
{
    while (is_blank(*s)) {
        ++s;
    }
    bool negative = false;
    if (*s == '-' || *s == '+') {
        negative = *s == '-';
        ++s;
    }
    std::uint32_t value = 0;
    while (*s >= '0' && *s <= '9') {
        value = value * 10U + static_cast<std::uint32_t>(*s - '0');
        ++s;
    }
    if (negative) {
        value = 0U - value;
    }
    return static_cast<std::int32_t>(value);
}
