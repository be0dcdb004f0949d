#include <gtest/gtest.h>

#include "support.h"

namespace
{

const std::string bytetail = program_path("bytetail");
const std::string usage = "usage: bytetail -c N [FILE]...\n";

RunResult tail_in(const TempDir &tmp, const std::vector<std::string> &args,
                  const std::string &input = "stdin is not read")
{
    std::vector<std::string> argv{"bytetail"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(bytetail, argv, {.input = input, .cwd = tmp.dir});
}

// The program at the end of a shell pipeline, so that standard input is a
// real pipe rather than a file.
RunResult piped(const std::string &producer, const std::string &args)
{
    return run("/bin/sh", {"sh", "-c", producer + " | '" + bytetail + "' " + args});
}

std::string last(const std::string &bytes, std::size_t n)
{
    return n >= bytes.size() ? bytes : bytes.substr(bytes.size() - n);
}

} // namespace

TEST(BytetailProgram, Files)
{
    TempDir tmp;
    tmp.file("a", "hello\n");
    tmp.file("b", "xyz");
    tmp.file("empty", "");
    tmp.file("-c", "dash c\n");
    tmp.file("bytes", all_bytes());
    const std::string gone = "bytetail: missing: No such file or directory\n";
    const std::string dir = "bytetail: .: Is a directory\n";
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"-c", "3", "a"}, "lo\n"},
        {{"-c", "3", "a", "b"}, "==> a <==\nlo\n\n==> b <==\nxyz"},
        {{"-c", "3", "b", "a"}, "==> b <==\nxyz\n==> a <==\nlo\n"},
        {{"-c", "0", "a"}, ""},
        {{"-c", "0", "a", "b"}, "==> a <==\n\n==> b <==\n"},
        {{"-c", "6", "a"}, "hello\n"},
        {{"-c", "7", "a"}, "hello\n"},
        {{"-c", "2000000000", "a", "b"}, "==> a <==\nhello\n\n==> b <==\nxyz"},
        {{"-c", "-5", "a"}, ""},
        {{"-c", "-5", "a", "b"}, "==> a <==\n\n==> b <==\n"},
        {{"-c", "-2147483648", "a"}, ""},
        {{"-C", "3", "a"}, "lo\n"},
        {{"-cat", "3", "a"}, "lo\n"},
        {{"-c", "3abc", "a"}, "lo\n"},
        {{"-c", " +3", "a"}, "lo\n"},
        {{"-c", "abc", "a", "b"}, "==> a <==\n\n==> b <==\n"},
        {{"-c", "0", "empty"}, ""},
        {{"-c", "5", "empty", "b"}, "==> empty <==\n\n==> b <==\nxyz"},
        {{"-c", "2", "-c"}, "c\n"},
        {{"-c", "100", "bytes"}, last(all_bytes(), 100)},
        {{"-c", "256", "bytes"}, all_bytes()},
        // A file that cannot be opened: its error line, no header, and on.
        {{"-c", "3", "missing"}, gone},
        {{"-c", "3", "a", "missing", "b"}, "==> a <==\nlo\n" + gone + "\n==> b <==\nxyz"},
        {{"-c", "3", "missing", "b"}, gone + "\n==> b <==\nxyz"},
        // A directory opens, then fails both its count and its tail.
        {{"-c", "3", "."}, dir + dir},
        {{"-c", "3", ".", "a"}, "==> . <==\n" + dir + dir + "\n==> a <==\nlo\n"},
    };
    for (const auto &c : cases) {
        const RunResult r = tail_in(tmp, c.args);
        EXPECT_EQ(r.out, c.out) << testing::PrintToString(c.args);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
}

TEST(BytetailProgram, LargerFile)
{
    TempDir tmp;
    const std::string bytes = noise(20000);
    tmp.file("big", bytes);
    for (std::size_t n : {1U, 4097U, 19999U, 20000U}) {
        EXPECT_EQ(tail_in(tmp, {"-c", std::to_string(n), "big"}).out, last(bytes, n)) << n;
    }
}

TEST(BytetailProgram, Usage)
{
    TempDir tmp;
    tmp.file("a", "hello\n");
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{},
                                               {"-c"},
                                               {"3"},
                                               {"-x", "3"},
                                               {"-x", "3", "a"},
                                               {"c", "3", "a"},
                                               {"-", "3", "a"},
                                               {"", "3", "a"}}) {
        const RunResult r = tail_in(tmp, args);
        EXPECT_EQ(r.out, usage) << testing::PrintToString(args);
        EXPECT_EQ(r.status, 0);
    }
    EXPECT_EQ(run(bytetail, {}).out, usage);
    EXPECT_EQ(run(bytetail, {"/opt/bin/tl/"}).out, "usage: tl -c N [FILE]...\n");
    EXPECT_EQ(run(bytetail, {"/opt/bin/tl", "-c", "1", "nofile"}, {.cwd = tmp.dir}).out,
              "tl: nofile: No such file or directory\n");
}

TEST(BytetailProgram, StandardInput)
{
    TempDir tmp;
    const std::string bytes = noise(30000);
    const struct {
        std::string count;
        std::string input;
        std::string out;
    } cases[] = {
        {"3", "hello\n", "lo\n"},
        {"6", "hello\n", "hello\n"},
        {"100", "hello\n", "hello\n"},
        {"2000000000", "hello\n", "hello\n"},
        {"0", "hello\n", ""},
        {"-5", "hello\n", ""},
        {"3", "", ""},
        {"5000", bytes, last(bytes, 5000)},
        {"29999", bytes, last(bytes, 29999)},
        {"2147483647", bytes, bytes},
        {"256", all_bytes(), all_bytes()},
    };
    for (const auto &c : cases) {
        const RunResult r = tail_in(tmp, {"-c", c.count}, c.input);
        EXPECT_EQ(r.out, c.out) << c.count << " " << c.input.size();
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
}

TEST(BytetailProgram, StandardInputThroughAPipe)
{
    EXPECT_EQ(piped("printf 'hello\\n'", "-c 3").out, "lo\n");
    EXPECT_EQ(piped("printf 'hello\\n'", "-C 2000000000").out, "hello\n");
    EXPECT_EQ(piped("printf ''", "-c 3").out, "");
    // More than a pipe holds at once, so the reads meet an empty pipe.
    const RunResult big = piped("seq 1 30000", "-c 12");
    EXPECT_EQ(big.out, "29999\n30000\n");
    EXPECT_EQ(big.status, 0);
    // Standard input that cannot be read: one error line, nothing else.
    EXPECT_EQ(piped("true", "-c 3 <&-").out, "bytetail: standard input: Bad file descriptor\n");
    EXPECT_EQ(piped("true", "-c 3 < /").out, "bytetail: standard input: Is a directory\n");
}
