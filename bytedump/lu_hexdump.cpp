#include <cerrno>
#include <fcntl.h>
#include <libgen.h>
#include <unistd.h>

#include "bytedump.h"
#include "lu.h"

namespace
{

constexpr std::uint32_t line_bytes = 16;

// Lists one open file, a line per read, and reports a failing read at the
// point of the listing where it happened.
void dump_fd(int fd, const char *path, std::uint64_t &offset, const char *digits)
{
    unsigned char buffer[line_bytes];
    for (;;) {
        const ssize_t n = read(fd, buffer, line_bytes);
        if (n == 0) {
            return;
        }
        if (n < 0) {
            lu_display_custom_error(errno, path);
            return;
        }
        lu_print_address(offset, digits);
        lu_print_hex(0, static_cast<std::uint32_t>(n), buffer, digits);
        lu_print_char(0, static_cast<std::uint32_t>(n), buffer);
        lu_putchar('\n');
        offset += line_bytes;
    }
}

} // namespace

// The offset column: at least eight digits, more when the offset needs them,
// then two spaces. The offset counts whole lines, 16 per line, so it is kept
// 64 bits wide and never wraps in practice.
void lu_print_address(std::uint64_t offset, const char *digits)
{
    std::uint32_t values[16];
    std::int32_t count = 0;
    std::int32_t zeros = 8;
    if (offset != 0) {
        while (offset != 0) {
            values[count] = static_cast<std::uint32_t>(offset % 16);
            offset /= 16;
            ++count;
        }
        zeros = 8 - count;
    }
    for (; zeros > 0; --zeros) {
        lu_putchar('0');
    }
    while (count > 0) {
        --count;
        lu_putchar(digits[values[count]]);
    }
    lu_putchar(' ');
    lu_putchar(' ');
}

// The hex column, always 50 characters: the bytes in two groups of eight,
// three spaces for each position the line does not fill, a final space. On
// a line of fewer than eight bytes the group gap comes straight after the
// last byte; it is a space among spaces, so nobody can tell.
void lu_print_hex(std::int32_t start, std::uint32_t count, const unsigned char *bytes,
                  const char *digits)
{
    const auto first = static_cast<std::uint32_t>(start);
    std::uint32_t i = 0;
    for (; i < line_bytes && first + i < count; ++i) {
        const unsigned char b = bytes[first + i];
        lu_putchar(digits[b / 16]);
        lu_putchar(digits[b % 16]);
        lu_putchar(' ');
        if (i == 7) {
            lu_putchar(' ');
        }
    }
    if (i <= 7) {
        lu_putchar(' ');
    }
    for (; i < line_bytes; ++i) {
        lu_putstr("   ");
    }
    lu_putchar(' ');
}

// The character column: printable ASCII as itself, every other byte as a
// full stop, between bars and without padding.
void lu_print_char(std::int32_t start, std::uint32_t count, const unsigned char *bytes)
{
    const auto first = static_cast<std::uint32_t>(start);
    lu_putchar('|');
    for (std::uint32_t i = 0; i < line_bytes && first + i < count; ++i) {
        const unsigned char b = bytes[first + i];
        lu_putchar(b >= 32 && b <= 126 ? static_cast<char>(b) : '.');
    }
    lu_putchar('|');
}

// bytedump -C FILE...: every file in turn feeds one listing under one
// running offset; files that fail are reported where they fail, and the
// closing line always ends an accepted run.
void lu_hexdump(std::int32_t argc, char **argv)
{
    const char digits[] = "0123456789abcdef";
    if (argc <= 1 || argv[1][0] != '-' || argv[1][1] != 'C') {
        return;
    }
    std::uint64_t offset = 0;
    g_progname = basename(argv[0]);
    for (std::int32_t i = 2; i < argc; ++i) {
        const char *path = argv[i];
        const int fd = open(path, O_RDONLY);
        if (fd == -1) {
            lu_display_custom_error(errno, path);
            continue;
        }
        dump_fd(fd, path, offset, digits);
        if (close(fd) != 0) {
            lu_display_custom_error(errno, path);
        }
    }
    lu_print_address(offset, digits);
    lu_putchar('\n');
}
