#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <type_traits>
#include <unistd.h>

#include "bytetail.h"
#include "lu.h"
#include "support.h"

using seam::Call;

namespace
{

// An argument vector as main receives it, null-terminated.
struct Args {
    explicit Args(std::vector<std::string> args) : text(std::move(args))
    {
        for (std::string &a : text) {
            pointers.push_back(a.data());
        }
        pointers.push_back(nullptr);
    }
    Args(const Args &) = delete;
    Args &operator=(const Args &) = delete;

    std::int32_t argc() const { return static_cast<std::int32_t>(text.size()); }
    char **argv() { return pointers.data(); }

    std::vector<std::string> text;
    std::vector<char *> pointers;
};

// lu_display_file for each position in turn, each with a fresh read-only
// descriptor opened (and closed afterwards) outside the captured calls, as
// the driver would.
std::string display(Args &args, const std::vector<std::int32_t> &positions)
{
    g_progname = "bytetail";
    std::vector<int> fds;
    for (std::int32_t p : positions) {
        const bool named = p >= 0 && p < args.argc();
        fds.push_back(named ? open(args.text[static_cast<std::size_t>(p)].c_str(), O_RDONLY) : -1);
    }
    std::string out = capture([&] {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            lu_display_file(positions[i], fds[i], args.argc(), args.argv());
        }
    });
    for (int fd : fds) {
        if (fd != -1) {
            close(fd);
        }
    }
    return out;
}

std::string display(std::vector<std::string> args, const std::vector<std::int32_t> &positions)
{
    Args a(std::move(args));
    return display(a, positions);
}

// fn run with descriptor 0 reading the given bytes, and what it wrote.
std::string with_input(const std::string &bytes, const std::function<void()> &fn)
{
    TempDir tmp;
    const int fd = open(tmp.file("stdin", bytes).c_str(), O_RDONLY);
    const int saved = dup(0);
    dup2(fd, 0);
    close(fd);
    std::string out = capture(fn);
    dup2(saved, 0);
    close(saved);
    return out;
}

// fn run with a descriptor 0 that cannot be read: open for writing only.
std::string without_input(const std::function<void()> &fn)
{
    const int saved = dup(0);
    const int fd = open("/dev/null", O_WRONLY);
    dup2(fd, 0);
    close(fd);
    std::string out = capture(fn);
    dup2(saved, 0);
    close(saved);
    return out;
}

std::string last(const std::string &bytes, std::size_t n)
{
    return n >= bytes.size() ? bytes : bytes.substr(bytes.size() - n);
}

// The calls made on one file, in order, as short words: "open", "read"
// (a one-byte read that got its byte), "eof", "fail", "write" (one byte to
// descriptor 1), "close"; writes of texts appear as "text".
std::vector<std::string> calls()
{
    std::vector<std::string> words;
    for (const seam::Record &r : seam::log()) {
        switch (r.call) {
        case Call::open:
            words.emplace_back("open");
            break;
        case Call::close:
            words.emplace_back("close");
            break;
        case Call::read:
            EXPECT_EQ(r.size, 1U);
            words.emplace_back(r.result == 1 ? "read" : r.result == 0 ? "eof" : "fail");
            break;
        case Call::write:
            EXPECT_EQ(r.fd, 1);
            words.emplace_back(r.size == 1 ? "write" : "text");
            break;
        default:
            words.emplace_back("other");
        }
    }
    return words;
}

std::vector<std::string> repeat(const std::vector<std::string> &words, std::int64_t times)
{
    std::vector<std::string> all;
    for (std::int64_t i = 0; i < times; ++i) {
        all.insert(all.end(), words.begin(), words.end());
    }
    return all;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Fixture {
    TempDir tmp;
    std::string a = tmp.file("a", "hello\n");
    std::string b = tmp.file("b", "xyz");
    std::string empty = tmp.file("empty", "");
    std::string missing = tmp.path("missing");
};

std::string header(const std::string &name, bool first)
{
    return (first ? "==> " : "\n==> ") + name + " <==\n";
}

} // namespace

TEST(LuPrintName, HeaderRuleByArgumentCount)
{
    const struct {
        std::int32_t position;
        std::int32_t argc;
        std::string out;
    } cases[] = {
        {3, 4, ""},
        {3, 3, ""},
        {3, 0, ""},
        {3, 5, "==> a <==\n"},
        {4, 5, "\n==> a <==\n"},
        {9, 12, "\n==> a <==\n"},
        {2, 5, "==> a <==\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(capture([&] { lu_print_name(c.position, c.argc, "a"); }), c.out)
            << c.position << " " << c.argc;
        EXPECT_EQ(seam::count(Call::write), c.out.empty() ? 0U : 3U);
    }
    // The name goes out as given, spaces and all, in a write of its own.
    EXPECT_EQ(capture([] { lu_print_name(4, 6, " x y "); }), "\n==>  x y  <==\n");
    ASSERT_EQ(seam::log().size(), 3U);
    EXPECT_EQ(seam::log()[1].size, 5U);
}

TEST(LuSizeFile, CountsWhatCanBeRead)
{
    static_assert(std::is_same_v<decltype(lu_size_file("")), std::int64_t>,
                  "sizes of 2 GiB and more must not wrap");
    Fixture f;
    g_progname = "bytetail";
    const std::string big = f.tmp.file("big", noise(70000));
    const struct {
        std::string path;
        std::int64_t size;
        std::string out;
    } cases[] = {
        {f.a, 6, ""},
        {f.b, 3, ""},
        {f.empty, 0, ""},
        {big, 70000, ""},
        {f.missing, 0, "bytetail: " + f.missing + ": No such file or directory\n"},
        {f.tmp.dir, 0, "bytetail: " + f.tmp.dir + ": Is a directory\n"},
    };
    for (const auto &c : cases) {
        std::int64_t size = -1;
        EXPECT_EQ(capture([&] { size = lu_size_file(c.path.c_str()); }), c.out) << c.path;
        EXPECT_EQ(size, c.size) << c.path;
    }
    // The directory was opened, failed its first read, and was closed.
    EXPECT_EQ(calls(), (std::vector<std::string>{"open", "fail", "text", "text", "text", "text",
                                                 "text", "write", "close"}));
}

TEST(LuSizeFile, OneByteReadsThroughAnOpeningOfItsOwn)
{
    Fixture f;
    for (std::int64_t size : {0, 1, 6, 100}) {
        const std::string path = f.tmp.file("s", std::string(static_cast<std::size_t>(size), 's'));
        capture([&] { lu_size_file(path.c_str()); });
        const std::vector<std::string> expected = std::vector<std::string>{"open"} +
                                                  repeat({"read"}, size) +
                                                  std::vector<std::string>{"eof", "close"};
        EXPECT_EQ(calls(), expected);
        EXPECT_EQ(seam::log().back().fd, seam::log().front().fd);
    }
    // A descriptor the caller holds on the same file keeps its place.
    const int fd = open(f.a.c_str(), O_RDONLY);
    char byte = 0;
    ASSERT_EQ(read(fd, &byte, 1), 1);
    capture([&] { lu_size_file(f.a.c_str()); });
    ASSERT_EQ(read(fd, &byte, 1), 1);
    EXPECT_EQ(byte, 'e');
    close(fd);
}

TEST(LuSizeFile, InjectedFailures)
{
    Fixture f;
    g_progname = "bytetail";
    const std::string line = "bytetail: " + f.a + ": ";
    struct Case {
        std::vector<std::tuple<Call, std::size_t, int>> failures;
        std::int64_t size;
        std::string out;
    };
    const Case cases[] = {
        {{{Call::open, 1, EACCES}}, 0, line + "Permission denied\n"},
        {{{Call::read, 1, EIO}}, 0, line + "Input/output error\n"},
        {{{Call::read, 5, EIO}}, 4, line + "Input/output error\n"},
        {{{Call::close, 1, EIO}}, 6, line + "Input/output error\n"},
        {{{Call::read, 3, EIO}, {Call::close, 1, EBADF}},
         2,
         line + "Input/output error\n" + line + "Bad file descriptor\n"},
    };
    for (const Case &c : cases) {
        seam::reset();
        for (const auto &[call, nth, err] : c.failures) {
            seam::fail(call, nth, err);
        }
        std::int64_t size = -1;
        EXPECT_EQ(capture([&] { size = lu_size_file(f.a.c_str()); }), c.out);
        EXPECT_EQ(size, c.size);
        // Whatever failed, what was opened was closed, and no read followed
        // a failing one.
        EXPECT_EQ(seam::count(Call::close),
                  c.failures.size() == 1 && std::get<0>(c.failures[0]) == Call::open ? 0U : 1U);
        const std::vector<std::string> words = calls();
        for (std::size_t i = 0; i + 1 < words.size(); ++i) {
            if (words[i] == "fail") {
                EXPECT_NE(words[i + 1], "read");
            }
        }
    }
    seam::reset();
}

TEST(LuDisplayFile, Tails)
{
    Fixture f;
    const struct {
        std::vector<std::string> args;
        std::vector<std::int32_t> positions;
        std::string out;
    } cases[] = {
        {{"bytetail", "-c", "3", f.a}, {3}, "lo\n"},
        {{"bytetail", "-c", "3", f.a, f.b},
         {3, 4},
         header(f.a, true) + "lo\n" + header(f.b, false) + "xyz"},
        {{"bytetail", "-c", "3", f.b, f.a},
         {3, 4},
         header(f.b, true) + "xyz" + header(f.a, false) + "lo\n"},
        {{"bytetail", "-c", "0", f.a}, {3}, ""},
        {{"bytetail", "-c", "0", f.a, f.b}, {3, 4}, header(f.a, true) + header(f.b, false)},
        {{"bytetail", "-c", "6", f.a}, {3}, "hello\n"},
        {{"bytetail", "-c", "1", f.a}, {3}, "\n"},
        // A count beyond the size shows the whole file.
        {{"bytetail", "-c", "7", f.a}, {3}, "hello\n"},
        {{"bytetail", "-c", "2147483647", f.a}, {3}, "hello\n"},
        // The option letter in either case, later bytes ignored.
        {{"bytetail", "-C", "3", f.a}, {3}, "lo\n"},
        {{"bytetail", "-cfoo", "3", f.a}, {3}, "lo\n"},
        {{"bytetail", "-x", "3", f.a, f.b}, {3, 4}, ""},
        // The count as lu_atoi reads it.
        {{"bytetail", "-c", "3abc", f.a}, {3}, "lo\n"},
        {{"bytetail", "-c", " +3", f.a}, {3}, "lo\n"},
        {{"bytetail", "-c", "abc", f.a}, {3}, ""},
        {{"bytetail", "-c", "", f.a, f.b}, {3, 4}, header(f.a, true) + header(f.b, false)},
        // A negative count asks to skip past the end: nothing, silently.
        // The skip count is 64 bits wide, so even the most negative counts,
        // which would wrap to a negative skip in 32 bits, show nothing.
        {{"bytetail", "-c", "-5", f.a}, {3}, ""},
        {{"bytetail", "-c", "-5", f.a, f.b}, {3, 4}, header(f.a, true) + header(f.b, false)},
        {{"bytetail", "-c", "-2147483647", f.a}, {3}, ""},
        {{"bytetail", "-c", "-2147483648", f.a}, {3}, ""},
        {{"bytetail", "-c", "2147483648", f.a}, {3}, ""},
        {{"bytetail", "-c", "4294967299", f.a}, {3}, "lo\n"},
        // Empty files.
        {{"bytetail", "-c", "0", f.empty}, {3}, ""},
        {{"bytetail", "-c", "3", f.empty}, {3}, ""},
        {{"bytetail", "-c", "0", f.empty, f.a}, {3, 4}, header(f.empty, true) + header(f.a, false)},
        {{"bytetail", "-c", "3", f.a, f.empty},
         {3, 4},
         header(f.a, true) + "lo\n" + header(f.empty, false)},
        // A directory opens, but neither counting nor showing can read it.
        {{"bytetail", "-c", "3", f.tmp.dir},
         {3},
         "bytetail: " + f.tmp.dir + ": Is a directory\nbytetail: " + f.tmp.dir +
             ": Is a directory\n"},
    };
    for (const auto &c : cases) {
        Args args(c.args);
        EXPECT_EQ(display(args, c.positions), c.out) << testing::PrintToString(c.args);
    }
}

TEST(LuDisplayFile, RefusedOptionOrPositionTouchesNothing)
{
    Fixture f;
    const struct {
        std::vector<std::string> args;
        std::int32_t position;
    } cases[] = {
        {{"bytetail", "-x", "3", f.a, f.b}, 3}, {{"bytetail", "c", "3", f.a, f.b}, 4},
        {{"bytetail", "-", "3", f.a, f.b}, 3},  {{"bytetail", "", "3", f.a}, 3},
        {{"bytetail", "-c", "3", f.a}, 4},      {{"bytetail", "-c", "3", f.a}, 2},
        {{"bytetail", "-c", "3", f.a}, -1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(display(c.args, {c.position}), "") << testing::PrintToString(c.args);
        EXPECT_TRUE(seam::log().empty()) << testing::PrintToString(c.args);
    }
}

TEST(LuDisplayFile, SystemCalls)
{
    // For a file of S bytes and a count N from 0 to S: S + 1 reads to count
    // through a second opening, S - N to skip and N + 1 to show, N writes,
    // every read and write of one byte, and the caller's descriptor is
    // neither closed nor moved.
    TempDir tmp;
    for (std::int64_t s : {0, 1, 6, 40}) {
        const std::string path = tmp.file("f", noise(static_cast<std::size_t>(s)));
        for (std::int64_t n = 0; n <= s + 2; ++n) {
            const std::string count = std::to_string(n);
            const std::string out = display({"bytetail", "-c", count, path}, {3});
            EXPECT_EQ(out, last(noise(static_cast<std::size_t>(s)), static_cast<std::size_t>(n)));
            const std::int64_t shown = n <= s ? n : s;
            const std::vector<std::string> expected =
                std::vector<std::string>{"open"} + repeat({"read"}, s) +
                std::vector<std::string>{"eof", "close"} + repeat({"read"}, s - shown) +
                repeat({"read", "write"}, shown) + std::vector<std::string>{"eof"};
            EXPECT_EQ(calls(), expected) << s << " " << n;
            // Counting reads the second descriptor only; the rest reads the
            // caller's.
            const int second = seam::log().front().fd;
            EXPECT_EQ(seam::count(Call::read, second), static_cast<std::size_t>(s + 1));
            EXPECT_EQ(seam::count(Call::read),
                      static_cast<std::size_t>(s + 1 + (s - shown) + shown + 1));
        }
    }
    // A header line is three writes; a negative count reads the file to
    // its end in the skip and writes nothing more.
    const std::string a = tmp.file("a", "hello\n");
    display({"bytetail", "-c", "-5", a, a}, {3});
    const std::vector<std::string> expected =
        std::vector<std::string>{"text", "text", "text", "open"} + repeat({"read"}, 6) +
        std::vector<std::string>{"eof", "close"} + repeat({"read"}, 6) +
        std::vector<std::string>{"eof"};
    EXPECT_EQ(calls(), expected);
}

TEST(LuDisplayFile, LeavesTheDescriptorOpenWhereReadingStopped)
{
    Fixture f;
    g_progname = "bytetail";
    Args accepted({"bytetail", "-c", "3", f.a});
    Args refused({"bytetail", "-x", "3", f.a});
    const int fd = open(f.a.c_str(), O_RDONLY);
    char byte = 0;
    capture([&] { lu_display_file(3, fd, refused.argc(), refused.argv()); });
    EXPECT_EQ(seam::log().size(), 0U);
    ASSERT_EQ(read(fd, &byte, 1), 1);
    EXPECT_EQ(byte, 'h');
    // The skip goes on from wherever the caller left the descriptor.
    EXPECT_EQ(capture([&] { lu_display_file(3, fd, accepted.argc(), accepted.argv()); }), "o\n");
    EXPECT_EQ(read(fd, &byte, 1), 0);
    EXPECT_EQ(close(fd), 0);
}

TEST(LuDisplayFile, InjectedFailures)
{
    // File a, count 3: reads 1 to 7 count it, 8 to 10 skip, 11 to 14 show.
    Fixture f;
    const std::string line = "bytetail: " + f.a + ": ";
    const std::string eio = line + "Input/output error\n";
    struct Case {
        Call call;
        std::size_t nth;
        std::string count;
        std::string out;
    };
    const Case cases[] = {
        // Counting cut short: the count goes on with what it saw, so the
        // tail starts earlier than it should.
        {Call::read, 1, "3", eio + "hello\n"},
        {Call::read, 6, "3", eio + "llo\n"},
        {Call::read, 7, "3", eio + "lo\n"},
        {Call::close, 1, "3", eio + "lo\n"},
        // The second opening fails: a size of 0, so the whole file.
        {Call::open, 1, "3", line + "Permission denied\nhello\n"},
        {Call::open, 1, "0", line + "Permission denied\nhello\n"},
        // A failing skip shows nothing of the file.
        {Call::read, 8, "3", eio},
        {Call::read, 10, "3", eio},
        // A failing read while showing keeps what was written.
        {Call::read, 11, "3", eio},
        {Call::read, 12, "3", "l" + eio},
        {Call::read, 13, "3", "lo" + eio},
        {Call::read, 14, "3", "lo\n" + eio},
    };
    for (const Case &c : cases) {
        seam::reset();
        seam::fail(c.call, c.nth, c.call == Call::open ? EACCES : EIO);
        EXPECT_EQ(display({"bytetail", "-c", c.count, f.a}, {3}), c.out) << c.nth << " " << c.count;
        // No read follows a failing one on the same descriptor.
        const auto &log = seam::log();
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].call == Call::read && log[i].result == -1) {
                for (std::size_t j = i + 1; j < log.size(); ++j) {
                    EXPECT_FALSE(log[j].call == Call::read && log[j].fd == log[i].fd);
                }
            }
        }
    }
    // With several files the header comes first and the error lines after.
    seam::reset();
    seam::fail(Call::read, 1, EIO);
    EXPECT_EQ(display({"bytetail", "-c", "3", f.a, f.b}, {3, 4}),
              header(f.a, true) + eio + "hello\n" + header(f.b, false) + "xyz");
    // Failing writes change nothing else.
    seam::reset();
    seam::fail(Call::write, 1, EPIPE, true);
    EXPECT_EQ(display({"bytetail", "-c", "3", f.a, f.b}, {3, 4}), "");
    EXPECT_EQ(seam::count(Call::read), (7U + 3U + 4U) + (4U + 0U + 4U));
    seam::reset();
}

TEST(LuStdin, CopiesByteForByte)
{
    EXPECT_EQ(with_input("", [] { lu_stdin(); }), "");
    EXPECT_EQ(calls(), std::vector<std::string>{"eof"});
    EXPECT_EQ(with_input("abc", [] { lu_stdin(); }), "abc");
    EXPECT_EQ(calls(),
              (std::vector<std::string>{"read", "write", "read", "write", "read", "write", "eof"}));
    for (const seam::Record &r : seam::log()) {
        EXPECT_EQ(r.fd, r.call == Call::read ? 0 : 1);
    }
    const std::string bytes = all_bytes() + noise(1000);
    EXPECT_EQ(with_input(bytes, [] { lu_stdin(); }), bytes);
}

TEST(LuStdin, FailingReadWritesTheBareMessage)
{
    seam::fail(Call::read, 1, EIO);
    EXPECT_EQ(with_input("abc", [] { lu_stdin(); }), "Input/output error");
    seam::reset();
    seam::fail(Call::read, 3, EIO);
    EXPECT_EQ(with_input("abc", [] { lu_stdin(); }), "abInput/output error");
    EXPECT_EQ(seam::count(Call::read), 3U);
    seam::reset();
    EXPECT_EQ(without_input([] { lu_stdin(); }), "Bad file descriptor");
}

TEST(LuTail, UsageAndProgramName)
{
    Fixture f;
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{}, "usage: bytetail -c N [FILE]...\n"},
        {{""}, "usage: bytetail -c N [FILE]...\n"},
        {{"bytetail"}, "usage: bytetail -c N [FILE]...\n"},
        {{"/usr/local/bin/tl", "-c"}, "usage: tl -c N [FILE]...\n"},
        {{"./bytetail", "-x", "3", f.a}, "usage: bytetail -c N [FILE]...\n"},
        {{"bytetail", "c", "3", f.a}, "usage: bytetail -c N [FILE]...\n"},
        {{"bytetail", "-", "3"}, "usage: bytetail -c N [FILE]...\n"},
        {{"bytetail", "", "3"}, "usage: bytetail -c N [FILE]...\n"},
        {{"/x/y/tl", "-C", "3", f.missing}, "tl: " + f.missing + ": No such file or directory\n"},
    };
    for (const auto &c : cases) {
        Args args(c.args);
        g_progname = nullptr;
        EXPECT_EQ(with_input("never read", [&] { lu_tail(args.argc(), args.argv()); }), c.out)
            << testing::PrintToString(c.args);
        EXPECT_EQ(seam::count(Call::read, 0), 0U);
        if (c.out.rfind("usage", 0) == 0) {
            EXPECT_EQ(seam::count(Call::write), 3U);
        }
    }
}

TEST(LuTail, Files)
{
    Fixture f;
    const std::string gone = "bytetail: " + f.missing + ": No such file or directory\n";
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"bytetail", "-c", "3", f.a}, "lo\n"},
        {{"bytetail", "-c", "3", f.a, f.b, f.a},
         header(f.a, true) + "lo\n" + header(f.b, false) + "xyz" + header(f.a, false) + "lo\n"},
        // A file that does not open gets its error line and no header; the
        // others keep theirs, as two names were given.
        {{"bytetail", "-c", "3", f.missing, f.b}, gone + header(f.b, false) + "xyz"},
        {{"bytetail", "-c", "3", f.a, f.missing, f.b},
         header(f.a, true) + "lo\n" + gone + header(f.b, false) + "xyz"},
        {{"bytetail", "-c", "3", f.missing}, gone},
        {{"bytetail", "-c", "9", f.b, f.a},
         header(f.b, true) + "xyz" + header(f.a, false) + "hello\n"},
    };
    for (const auto &c : cases) {
        Args args(c.args);
        EXPECT_EQ(with_input("never read", [&] { lu_tail(args.argc(), args.argv()); }), c.out)
            << testing::PrintToString(c.args);
        EXPECT_EQ(seam::count(Call::read, 0), 0U);
        // Every descriptor opened was closed.
        std::size_t opened = 0;
        for (const seam::Record &r : seam::log()) {
            opened += r.call == Call::open && r.fd != -1 ? 1U : 0U;
        }
        EXPECT_EQ(seam::count(Call::close), opened);
    }
}

TEST(LuTail, OneDescriptorPerFileClosedAfterItsTail)
{
    Fixture f;
    Args args({"bytetail", "-c", "2", f.b, f.a});
    capture([&] { lu_tail(args.argc(), args.argv()); });
    // Each file: the driver's open, the size's open, reads and close, the
    // tail's reads through the driver's descriptor, then its close.
    const auto &log = seam::log();
    std::vector<int> opened;
    for (const seam::Record &r : log) {
        if (r.call == Call::open) {
            opened.push_back(r.fd);
        }
    }
    ASSERT_EQ(opened.size(), 4U);
    EXPECT_EQ(seam::count(Call::close, opened[0]), 2U); // the same number reused for b and a
    std::vector<std::string> order;
    for (const seam::Record &r : log) {
        if (r.call == Call::open || r.call == Call::close) {
            order.push_back((r.call == Call::open ? "open " : "close ") +
                            std::string(r.fd == opened[0] ? "driver" : "size"));
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"open driver", "open size", "close size", "close driver",
                                        "open driver", "open size", "close size", "close driver"}));
}

TEST(LuTail, FailingCloseIsOneMoreLine)
{
    Fixture f;
    Args args({"bytetail", "-c", "3", f.a, f.b});
    seam::fail(Call::close, 2, EIO);
    EXPECT_EQ(capture([&] { lu_tail(args.argc(), args.argv()); }),
              header(f.a, true) + "lo\nbytetail: " + f.a + ": Input/output error\n" +
                  header(f.b, false) + "xyz");
    seam::reset();
    seam::fail(Call::open, 1, EACCES);
    EXPECT_EQ(capture([&] { lu_tail(args.argc(), args.argv()); }),
              "bytetail: " + f.a + ": Permission denied\n" + header(f.b, false) + "xyz");
    seam::reset();
}

TEST(LuTail, StandardInput)
{
    const std::string hello = "hello\n";
    const std::string long_input = noise(20000);
    const struct {
        std::string count;
        std::string input;
        std::string out;
    } cases[] = {
        {"3", hello, "lo\n"},
        {"6", hello, hello},
        {"7", hello, hello},
        {"2000000000", hello, hello},
        {"0", hello, ""},
        {"-5", hello, ""},
        {"abc", hello, ""},
        {"3abc", hello, "lo\n"},
        {"3", "", ""},
        // Counts and lengths around the block sizes of the ring: 4096, then
        // blocks that double what is held, none past the count.
        {"1", long_input, last(long_input, 1)},
        {"4095", long_input, last(long_input, 4095)},
        {"4096", long_input, last(long_input, 4096)},
        {"4097", long_input, last(long_input, 4097)},
        {"5000", long_input, last(long_input, 5000)},
        {"8192", long_input, last(long_input, 8192)},
        {"12289", long_input, last(long_input, 12289)},
        {"19999", long_input, last(long_input, 19999)},
        {"20000", long_input, long_input},
        {"5000", long_input.substr(0, 4096), long_input.substr(0, 4096)},
        {"5000", long_input.substr(0, 4097), long_input.substr(0, 4097)},
        {"5000", long_input.substr(0, 5001), last(long_input.substr(0, 5001), 5000)},
        {"8192", long_input.substr(0, 8192), long_input.substr(0, 8192)},
        {"8192", long_input.substr(0, 8193), last(long_input.substr(0, 8193), 8192)},
        {"2147483647", long_input, long_input},
        {"100", all_bytes(), last(all_bytes(), 100)},
    };
    for (const auto &c : cases) {
        Args args({"bytetail", "-c", c.count});
        EXPECT_EQ(with_input(c.input, [&] { lu_tail(args.argc(), args.argv()); }), c.out)
            << c.count << " " << c.input.size();
        // Every read and write moves one byte; the input is read to its end
        // once, unless there is nothing to show.
        const std::size_t reads = lu_atoi(c.count.c_str()) > 0 ? c.input.size() + 1 : 0;
        EXPECT_EQ(seam::count(Call::read, 0), reads) << c.count << " " << c.input.size();
        EXPECT_EQ(seam::count(Call::write, 1), c.out.size());
        for (const seam::Record &r : seam::log()) {
            if (r.call == Call::read || r.call == Call::write) {
                EXPECT_EQ(r.size, 1U);
            }
        }
    }
}

TEST(LuTail, StandardInputMemoryFollowsTheInput)
{
    const struct {
        std::string count;
        std::size_t length;
        std::vector<std::size_t> blocks;
    } cases[] = {
        // A huge count on a short input takes one small block, never the count.
        {"2000000000", 10, {4096}},
        {"2000000000", 20000, {4096, 4096, 8192, 16384}},
        {"2147483647", 0, {}},
        // A short count takes the count and no more, however long the input.
        {"10", 20000, {10}},
        {"5000", 20000, {4096, 904}},
        {"10000", 20000, {4096, 4096, 1808}},
        {"12288", 20000, {4096, 4096, 4096}},
    };
    for (const auto &c : cases) {
        Args args({"bytetail", "-c", c.count});
        const std::string input = noise(c.length);
        EXPECT_EQ(with_input(input, [&] { lu_tail(args.argc(), args.argv()); }),
                  last(input, static_cast<std::size_t>(lu_atoi(c.count.c_str()))));
        std::vector<std::size_t> blocks;
        for (const seam::Record &r : seam::log()) {
            if (r.call == Call::malloc) {
                blocks.push_back(r.size);
            }
        }
        EXPECT_EQ(blocks, c.blocks) << c.count << " " << c.length;
    }
}

TEST(LuTail, StandardInputFailures)
{
    const std::string input = noise(6000);
    Args args({"/bin/tl", "-c", "5000"});
    // A failing read: the error line and nothing of the input.
    seam::fail(Call::read, 4500, EIO);
    EXPECT_EQ(with_input(input, [&] { lu_tail(args.argc(), args.argv()); }),
              "tl: standard input: Input/output error\n");
    EXPECT_EQ(seam::count(Call::read), 4500U);
    seam::reset();
    EXPECT_EQ(without_input([&] { lu_tail(args.argc(), args.argv()); }),
              "tl: standard input: Bad file descriptor\n");
    // Memory that cannot be had: the error line, nothing of the input, and
    // reading stops there.
    for (std::size_t nth : {1U, 2U}) {
        seam::fail(Call::malloc, nth, ENOMEM);
        EXPECT_EQ(with_input(input, [&] { lu_tail(args.argc(), args.argv()); }),
                  "tl: standard input: Cannot allocate memory\n");
        EXPECT_EQ(seam::count(Call::read), nth == 1 ? 1U : 4097U);
        EXPECT_EQ(seam::count(Call::write, 1), 6U);
        seam::reset();
    }
}
