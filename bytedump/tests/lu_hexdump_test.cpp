#include <gtest/gtest.h>

#include <cerrno>

#include "bytedump.h"
#include "lu.h"
#include "support.h"

using seam::Call;

namespace
{

const char digits[] = "0123456789abcdef";

std::string spaces(std::size_t n)
{
    return std::string(n, ' ');
}

// One data line, as the three formatters and the line feed write it.
std::string line(std::uint64_t offset, const std::string &bytes)
{
    return capture([&] {
        const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
        const auto n = static_cast<std::uint32_t>(bytes.size());
        lu_print_address(offset, digits);
        lu_print_hex(0, n, data, digits);
        lu_print_char(0, n, data);
        lu_putchar('\n');
    });
}

// A whole run of lu_hexdump on an argument vector.
std::string dump(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (std::string &a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    g_progname = nullptr;
    return capture([&] { lu_hexdump(static_cast<std::int32_t>(args.size()), argv.data()); });
}

} // namespace

TEST(LuPrintAddress, EightDigitsOrMore)
{
    const struct {
        std::uint64_t offset;
        const char *text;
    } cases[] = {
        {0, "00000000  "},
        {0x10, "00000010  "},
        {0xabcdef, "00abcdef  "},
        {0x7ffffff0, "7ffffff0  "},
        {0x80000000, "80000000  "},
        {0xfffffff0, "fffffff0  "},
        {0x100000000, "100000000  "},
        {UINT64_MAX, "ffffffffffffffff  "},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(capture([&] { lu_print_address(c.offset, digits); }), c.text);
    }
    // Every digit comes from the alphabet it is given.
    EXPECT_EQ(capture([] { lu_print_address(0xab, "0123456789ABCDEF"); }), "000000AB  ");
}

TEST(DataLine, Layout)
{
    EXPECT_EQ(line(0, "0123456789ABCDEF"),
              "00000000  30 31 32 33 34 35 36 37  38 39 41 42 43 44 45 46  |0123456789ABCDEF|\n");
    EXPECT_EQ(line(0, "Hello"), "00000000  48 65 6c 6c 6f" + spaces(36) + "|Hello|\n");
    EXPECT_EQ(line(0, "12345678"),
              "00000000  31 32 33 34 35 36 37 38" + spaces(27) + "|12345678|\n");
    EXPECT_EQ(line(0x10, "A"), "00000010  41" + spaces(48) + "|A|\n");
    EXPECT_EQ(line(0, std::string("Hello, world!\n\0\xff", 16)),
              "00000000  48 65 6c 6c 6f 2c 20 77  6f 72 6c 64 21 0a 00 ff  |Hello, world!...|\n");
}

TEST(DataLine, OpeningBarInColumn61ForEveryLength)
{
    const std::string bytes = "abcdefghijklmnop";
    for (std::size_t n = 1; n <= 16; ++n) {
        const std::string l = line(0, bytes.substr(0, n));
        EXPECT_EQ(l.find('|'), 60U) << n;
        EXPECT_EQ(l.size(), 60 + n + 3) << n;
    }
}

TEST(DataLine, CharacterColumn)
{
    EXPECT_EQ(line(0, "\x1f\x20\x7e\x7f\x80\xff\n"),
              "00000000  1f 20 7e 7f 80 ff 0a" + spaces(30) + "|. ~....|\n");
    EXPECT_EQ(capture([] {
                  const unsigned char ab = 0xab;
                  lu_print_hex(0, 1, &ab, digits);
              }).substr(0, 2),
              "ab");
}

TEST(DataLine, CountIsAnEndPositionFromStart)
{
    const auto *data = reinterpret_cast<const unsigned char *>("abcdefgh");
    EXPECT_EQ(capture([&] { lu_print_char(2, 5, data); }), "|cde|");
    EXPECT_EQ(capture([&] { lu_print_char(5, 2, data); }), "||");
}

TEST(DataLine, WriteCalls)
{
    // A full line: 10 + 49 + 1 + 18 single characters and the line feed.
    line(0, "0123456789abcdef");
    EXPECT_EQ(seam::count(Call::write, 1), 79U);
    for (const seam::Record &r : seam::log()) {
        EXPECT_EQ(r.size, 1U);
    }
    // A one-byte line: each of the 15 empty positions is one three-space write.
    line(0, "x");
    std::size_t fillers = 0;
    for (const seam::Record &r : seam::log()) {
        fillers += r.size == 3 ? 1U : 0U;
    }
    EXPECT_EQ(fillers, 15U);
}

TEST(LuHexdump, OptionTest)
{
    EXPECT_EQ(dump({}), "");
    EXPECT_EQ(dump({"bytedump"}), "");
    for (const char *option : {"a.bin", "-c", "-x", "--C", "-", "", "C"}) {
        EXPECT_EQ(dump({"bytedump", option}), "") << option;
        EXPECT_EQ(g_progname, nullptr);
    }
    for (const char *option : {"-C", "-Cx", "-CC"}) {
        EXPECT_EQ(dump({"bytedump", option}), "00000000  \n") << option;
    }
    EXPECT_EQ(seam::count(Call::write, 1), 11U);
}

TEST(LuHexdump, ProgramNameIsTheBaseName)
{
    TempDir tmp;
    const std::string missing = tmp.path("nofile");
    EXPECT_EQ(dump({"/usr/local/bin/bytedump", "-C", missing}),
              "bytedump: " + missing + ": No such file or directory\n00000000  \n");
}

TEST(LuHexdump, FilesShareOneRunningOffset)
{
    TempDir tmp;
    const std::string a = tmp.file("a", "Hello");
    const std::string b = tmp.file("b", "World");
    const std::string missing = tmp.path("missing");
    const std::string out = dump({"bytedump", "-C", a, missing, b});
    EXPECT_EQ(out, "00000000  48 65 6c 6c 6f" + spaces(36) + "|Hello|\n" + "bytedump: " + missing +
                       ": No such file or directory\n" + "00000010  57 6f 72 6c 64" + spaces(36) +
                       "|World|\n" + "00000020  \n");
}

TEST(LuHexdump, SystemCalls)
{
    TempDir tmp;
    const std::string a = tmp.file("a", std::string(40, 'x'));
    const std::string b = tmp.file("b", "");
    dump({"bytedump", "-C", a, b});
    // Reads of 16 bytes, one file open at a time, each closed after its
    // last read and before the next open.
    std::vector<std::string> calls;
    int open_fd = -1;
    for (const seam::Record &r : seam::log()) {
        if (r.call == Call::open) {
            EXPECT_EQ(open_fd, -1);
            open_fd = r.fd;
            calls.push_back("open");
        } else if (r.call == Call::read) {
            EXPECT_EQ(r.fd, open_fd);
            EXPECT_EQ(r.size, 16U);
            calls.push_back("read " + std::to_string(r.result));
        } else if (r.call == Call::close) {
            EXPECT_EQ(r.fd, open_fd);
            open_fd = -1;
            calls.push_back("close");
        }
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"open", "read 16", "read 16", "read 8", "read 0",
                                               "close", "open", "read 0", "close"}));
    // Two full lines, an eight-byte line (55 writes, as each of its eight
    // empty positions is one write of three spaces), the closing line.
    EXPECT_EQ(seam::count(Call::write, 1), 2 * 79U + 55U + 11U);
}

TEST(LuHexdump, InjectedFailures)
{
    TempDir tmp;
    const std::string a = tmp.file("a", std::string(40, 'a'));
    const std::string b = tmp.file("b", "b");
    const auto data = [](std::uint64_t offset, const std::string &bytes) {
        return line(offset, bytes);
    };
    const std::string la0 = data(0x00, std::string(16, 'a'));
    const std::string la1 = data(0x10, std::string(16, 'a'));
    const std::string la2 = data(0x20, std::string(8, 'a'));
    const std::string error = "bytedump: " + a + ": ";
    struct Case {
        Call call;
        std::size_t nth;
        int err;
        std::string out;
    };
    const Case cases[] = {
        {Call::open, 1, EACCES, error + "Permission denied\n" + data(0, "b") + "00000010  \n"},
        {Call::read, 1, EIO, error + "Input/output error\n" + data(0, "b") + "00000010  \n"},
        {Call::read, 3, EIO,
         la0 + la1 + error + "Input/output error\n" + data(0x20, "b") + "00000030  \n"},
        {Call::close, 1, EIO,
         la0 + la1 + la2 + error + "Input/output error\n" + data(0x30, "b") + "00000040  \n"},
    };
    for (const Case &c : cases) {
        seam::reset();
        seam::fail(c.call, c.nth, c.err);
        EXPECT_EQ(dump({"bytedump", "-C", a, b}), c.out);
        seam::reset();
    }
    // A failing read followed by a failing close: two lines for the file.
    seam::fail(Call::read, 1, EIO);
    seam::fail(Call::close, 1, EBADF);
    EXPECT_EQ(dump({"bytedump", "-C", a}),
              error + "Input/output error\n" + error + "Bad file descriptor\n00000000  \n");
    seam::reset();
}

TEST(LuHexdump, FailingWritesChangeNothingElse)
{
    TempDir tmp;
    const std::string a = tmp.file("a", std::string(20, 'a'));
    dump({"bytedump", "-C", a});
    const std::size_t writes = seam::count(Call::write);
    seam::fail(Call::write, 1, EPIPE, true);
    EXPECT_EQ(dump({"bytedump", "-C", a}), "");
    EXPECT_EQ(seam::count(Call::write), writes);
    seam::reset();
}
