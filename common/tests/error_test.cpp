#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "lu.h"
#include "support.h"

TEST(LuGetStrerr, SystemTextOrUnknown)
{
    EXPECT_STREQ(lu_get_strerr(0), strerrordesc_np(0));
    EXPECT_STREQ(lu_get_strerr(ENOENT), "No such file or directory");
    EXPECT_STREQ(lu_get_strerr(-ENOENT), "No such file or directory");
    EXPECT_STREQ(lu_get_strerr(EISDIR), "Is a directory");
    EXPECT_STREQ(lu_get_strerr(4000), "Unknown error");
    EXPECT_STREQ(lu_get_strerr(-4000), "Unknown error");
    EXPECT_STREQ(lu_get_strerr(INT32_MAX), "Unknown error");
    EXPECT_STREQ(lu_get_strerr(INT32_MIN), "Unknown error");
}

TEST(LuDisplayCustomError, OneLineInSixWrites)
{
    g_progname = "prog";
    const std::string out = capture([] {
        lu_display_custom_error(ENOENT, "dir/nofile");
        lu_display_custom_error(-EACCES, "x");
    });
    EXPECT_EQ(out, "prog: dir/nofile: No such file or directory\n"
                   "prog: x: Permission denied\n");
    EXPECT_EQ(seam::count(seam::Call::write, 1), 12U);
}
