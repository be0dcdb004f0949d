#include "lu.h"

namespace
{

bool is_alnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

// A digit alphabet is at least two letters or digits in strictly rising
// order, which also rules out repeats. Bytes compare as signed chars; since
// only ASCII letters and digits pass, the sign never matters.
std::int32_t lu_check_base(const char *s)
{
    if (s == nullptr || s[0] == '\0' || s[1] == '\0') {
        return 0;
    }
    std::int32_t i = 0;
    for (; s[i] != '\0'; ++i) {
        if (!is_alnum(s[i])) {
            return 0;
        }
        for (std::int32_t j = i + 1; s[j] != '\0'; ++j) {
            if (static_cast<signed char>(s[j]) <= static_cast<signed char>(s[i])) {
                return 0;
            }
        }
    }
    return i;
}
