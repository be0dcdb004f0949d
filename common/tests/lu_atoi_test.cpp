#include <gtest/gtest.h>

#include <cstdint>

#include "lu.h"

namespace
{

struct Case {
    const char *text;
    std::int32_t value;
};

const Case cases[] = {
    {"  \t-17abc", -17},
    {"+7", 7},
    {"42", 42},
    {"abc", 0},
    {"", 0},
    {"- 5", 0},
    {"--5", 0},
    {"+-5", 0},
    {"-+5", 0},
    {"\n\v\f\r 9", 9},
    {"\x1f"
     "9",
     0}, // 31 is not white space
    {"\xa0"
     "9",
     0}, // neither is a non-breaking space
    {"007", 7},
    {"12 34", 12},
    {"-0", 0},
    {"2147483647", INT32_MAX},
    {"-2147483647", -INT32_MAX},
    {"2147483648", INT32_MIN},  // wraps
    {"-2147483648", INT32_MIN}, // negation wraps back onto itself
    {"4294967301", 5},          // 2^32 + 5
    {"4294967295", -1},
    {"99999999999999999999", static_cast<std::int32_t>(0x630fffffU)},
};

} // namespace

TEST(LuAtoi, Table)
{
    for (const Case &c : cases) {
        EXPECT_EQ(lu_atoi(c.text), c.value) << '"' << c.text << '"';
    }
}
