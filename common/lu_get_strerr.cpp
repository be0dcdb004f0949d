#include <cstring>

#include "lu.h"

// The message is the system's own, untranslated text for the number, or
// "Unknown error" for numbers it has no text for. The magnitude is taken in
// unsigned arithmetic, so the most negative number is simply too large.
const char *lu_get_strerr(std::int32_t errnum)
{
    std::uint32_t magnitude = static_cast<std::uint32_t>(errnum);
    if (errnum < 0) {
        magnitude = 0U - magnitude;
    }
    const char *text = nullptr;
    if (magnitude <= static_cast<std::uint32_t>(INT32_MAX)) {
        text = strerrordesc_np(static_cast<int>(magnitude));
    }
    return text != nullptr ? text : "Unknown error";
}
