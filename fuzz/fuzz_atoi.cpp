// lu_atoi against a second reading of the same text: the value is worked out
// in 64 bits, reduced modulo 2^32 at every step and only at the end folded
// into the signed 32-bit range; short numbers are also checked against the
// C library's strtoll.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "capture.h"
#include "lu.h"

namespace
{

constexpr std::int64_t modulus = std::int64_t{1} << 32;

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The wrapped value, and the number of digits it was read from.
std::int32_t reference(const char *s, std::size_t &digits)
{
    std::size_t i = 0;
    while (is_blank(s[i])) {
        ++i;
    }
    bool negative = false;
    if (s[i] == '-' || s[i] == '+') {
        negative = s[i] == '-';
        ++i;
    }
    std::int64_t value = 0; // always in [0, 2^32)
    digits = 0;
    for (; is_digit(s[i]); ++i, ++digits) {
        value = (value * 10 + (s[i] - '0')) % modulus;
    }
    if (negative) {
        value = (modulus - value) % modulus;
    }
    if (value >= modulus / 2) {
        value -= modulus;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The routine reads up to the first NUL, and so does every reading here.
    const std::string text(reinterpret_cast<const char *>(data), size);
    const char *s = text.c_str();

    const std::int32_t got = lu_atoi(s);
    std::size_t digits = 0;
    const std::int32_t want = reference(s, digits);
    if (got != want) {
        fuzz::fail("lu_atoi gave %d, the wrapped value is %d", got, want);
    }

    // Up to 18 digits the exact value fits strtoll, whose blanks and single
    // sign are those of lu_atoi in the C locale.
    if (digits <= 18) {
        const long long exact = std::strtoll(s, nullptr, 10);
        const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
        if (got != wrapped) {
            fuzz::fail("lu_atoi gave %d, strtoll read %lld", got, exact);
        }
    }
    return 0;
}
