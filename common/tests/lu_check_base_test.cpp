#include <gtest/gtest.h>

#include "lu.h"

namespace
{

struct Case {
    const char *text;
    std::int32_t length;
};

const Case cases[] = {
    {"01", 2},
    {"0123456789", 10},
    {"0123456789abcdef", 16},
    {"0123456789ABCDEF", 16},
    {"09AZaz", 6},
    {"0123456789abcdefABCDEF", 0}, // letters out of order
    {"10", 0},
    {"aa", 0},
    {"0-1", 0},
    {"0 1", 0},
    {"01\xe9", 0}, // bytes from 128 up are never digits
    {"x", 0},
    {"", 0},
};

} // namespace

TEST(LuCheckBase, Table)
{
    for (const Case &c : cases) {
        EXPECT_EQ(lu_check_base(c.text), c.length) << '"' << c.text << '"';
    }
}

TEST(LuCheckBase, NullIsNotAnAlphabet)
{
    EXPECT_EQ(lu_check_base(nullptr), 0);
}
