#include <gtest/gtest.h>

#include <cerrno>

#include "lu.h"
#include "support.h"

using seam::Call;

namespace
{

struct Probe {
    std::int32_t result;
    std::string out;
};

Probe probe(const std::string &path)
{
    g_progname = "prog";
    std::int32_t result = -1;
    std::string out = capture([&] { result = lu_check_file(path.c_str()); });
    seam::reset();
    return {result, out};
}

} // namespace

TEST(LuCheckFile, Files)
{
    TempDir tmp;
    const std::string empty = tmp.file("empty", "");
    const std::string one = tmp.file("one", "x");
    const std::string missing = tmp.path("missing");

    EXPECT_EQ(probe(empty).result, 0);
    EXPECT_EQ(probe(empty).out, "");
    EXPECT_EQ(probe(one).result, 1);
    EXPECT_EQ(probe(one).out, "");

    const Probe dir = probe(tmp.dir);
    EXPECT_EQ(dir.result, 0);
    EXPECT_EQ(dir.out, "prog: " + tmp.dir + ": Is a directory\n");

    const Probe gone = probe(missing);
    EXPECT_EQ(gone.result, 0);
    EXPECT_EQ(gone.out, "prog: " + missing + ": No such file or directory\n");
}

TEST(LuCheckFile, ReadsOneByteAndClosesWhatItOpened)
{
    TempDir tmp;
    const std::string path = tmp.file("f", "hello");
    g_progname = "prog";
    capture([&] { lu_check_file(path.c_str()); });
    const auto &log = seam::log();
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[0].call, Call::open);
    EXPECT_EQ(log[1].call, Call::read);
    EXPECT_EQ(log[1].size, 1U);
    EXPECT_EQ(log[2].call, Call::close);
    EXPECT_EQ(log[2].fd, log[0].fd);
}

TEST(LuCheckFile, InjectedFailures)
{
    TempDir tmp;
    const std::string path = tmp.file("f", "hello");
    const std::string line = "prog: " + path + ": ";
    struct Case {
        Call call;
        int err;
        std::int32_t result;
        std::string out;
    };
    const Case cases[] = {
        {Call::open, EACCES, 0, line + "Permission denied\n"},
        {Call::read, EIO, 0, line + "Input/output error\n"},
        {Call::close, EIO, 1, line + "Input/output error\n"},
    };
    for (const Case &c : cases) {
        seam::reset();
        seam::fail(c.call, 1, c.err);
        const Probe p = probe(path);
        EXPECT_EQ(p.result, c.result);
        EXPECT_EQ(p.out, c.out);
    }
    // A failed read followed by a failed close: two complete lines.
    seam::reset();
    seam::fail(Call::read, 1, EIO);
    seam::fail(Call::close, 1, EBADF);
    const Probe both = probe(path);
    EXPECT_EQ(both.result, 0);
    EXPECT_EQ(both.out, line + "Input/output error\n" + line + "Bad file descriptor\n");
}
