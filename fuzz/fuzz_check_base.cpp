// lu_check_base against its definition, read another way: a digit alphabet
// is at least two letters or digits, each below the next one (strict rise
// between neighbours gives the order of every pair).
#include <cstdint>
#include <cstring>
#include <string>

#include "capture.h"
#include "lu.h"

namespace
{

bool is_alphabet_character(unsigned char c)
{
    return std::strchr("0123456789"
                       "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                       "abcdefghijklmnopqrstuvwxyz",
                       c) != nullptr &&
           c != '\0';
}

std::int32_t reference(const char *s)
{
    const std::size_t length = std::strlen(s);
    if (length < 2) {
        return 0;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (!is_alphabet_character(c)) {
            return 0;
        }
        if (i + 1 < length && !(c < static_cast<unsigned char>(s[i + 1]))) {
            return 0;
        }
    }
    return static_cast<std::int32_t>(length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (lu_check_base(nullptr) != 0) {
        fuzz::fail("lu_check_base(nullptr) is not 0");
    }
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::int32_t got = lu_check_base(text.c_str());
    const std::int32_t want = reference(text.c_str());
    if (got != want) {
        fuzz::fail("lu_check_base gave %d, the definition says %d", got, want);
    }
    return 0;
}
