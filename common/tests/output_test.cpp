#include <gtest/gtest.h>

#include "lu.h"
#include "support.h"

using seam::Call;

TEST(LuPutchar, OneWriteOfOneByteEach)
{
    const std::string out = capture([] {
        lu_putchar('a');
        lu_putchar('\0');
        lu_putchar('\xff');
    });
    EXPECT_EQ(out, std::string("a\0\xff", 3));
    ASSERT_EQ(seam::count(Call::write, 1), 3U);
    for (const seam::Record &r : seam::log()) {
        EXPECT_EQ(r.size, 1U);
    }
}

TEST(LuPutstr, WholeTextInOneWrite)
{
    const std::string out = capture([] { lu_putstr("hello, world\n"); });
    EXPECT_EQ(out, "hello, world\n");
    ASSERT_EQ(seam::log().size(), 1U);
    EXPECT_EQ(seam::log()[0].size, 13U);
}

TEST(LuPutstr, EmptyTextIsOneWriteOfZeroBytes)
{
    EXPECT_EQ(capture([] { lu_putstr(""); }), "");
    ASSERT_EQ(seam::log().size(), 1U);
    EXPECT_EQ(seam::log()[0].call, Call::write);
    EXPECT_EQ(seam::log()[0].size, 0U);
}

TEST(Output, FailingWritesAreIgnored)
{
    seam::reset();
    seam::fail(Call::write, 1, EBADF, true);
    const std::string out = capture([] {
        lu_putstr("abc");
        lu_putchar('x');
    });
    EXPECT_EQ(out, "");
    EXPECT_EQ(seam::count(Call::write), 2U); // both attempted, neither retried
    seam::reset();
}

TEST(LuStrlen, CountsBytesBeforeTheNul)
{
    EXPECT_EQ(lu_strlen(""), 0);
    EXPECT_EQ(lu_strlen("123456789"), 9);
    EXPECT_EQ(lu_strlen("\xc3\xa9"), 2);
}
