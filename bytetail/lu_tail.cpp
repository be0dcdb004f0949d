#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <libgen.h>
#include <unistd.h>

#include "bytetail.h"
#include "lu.h"

namespace
{

// The name under which standard input appears in error lines.
constexpr const char *stdin_name = "standard input";

// Standard input is kept in blocks taken as it arrives: the first of 4 KiB,
// each later one as large as all before it, and none past the count. A
// large count on a short input so costs about what the input needs, never a
// block of the count's size taken on trust; a short count costs the count.
// The blocks are never moved or copied: once they hold count bytes they are
// reused as one ring, the newest byte overwriting the oldest.
constexpr std::uint32_t first_block = 4096;
constexpr std::int32_t max_blocks = 32;
static_assert((std::uint64_t{first_block} << (max_blocks - 1)) >= INT32_MAX,
              "enough blocks for the largest count");

struct Ring {
    unsigned char *block[max_blocks];
    std::uint32_t size[max_blocks];
    std::int32_t blocks;    // blocks taken so far
    std::uint32_t capacity; // their sizes added up, at most the count
    std::uint32_t held;     // bytes held, at most the capacity
    std::int32_t at;        // block that received the last byte
    std::uint32_t offset;   // the place after that byte in its block
};

// Stores one byte, taking a new block when the last one is full and the
// count allows more; false when the memory for it cannot be had.
bool keep(Ring &ring, unsigned char byte, std::uint32_t count)
{
    if (ring.blocks == 0 || ring.offset == ring.size[ring.at]) {
        if (ring.at + 1 < ring.blocks) {
            ++ring.at;
        } else if (ring.capacity < count) {
            std::uint32_t size = ring.blocks == 0 ? first_block : ring.capacity;
            if (size > count - ring.capacity) {
                size = count - ring.capacity;
            }
            auto *block = static_cast<unsigned char *>(std::malloc(size));
            if (block == nullptr) {
                return false;
            }
            ring.block[ring.blocks] = block;
            ring.size[ring.blocks] = size;
            ring.capacity += size;
            ring.at = ring.blocks;
            ++ring.blocks;
        } else {
            ring.at = 0;
        }
        ring.offset = 0;
    }
    ring.block[ring.at][ring.offset] = byte;
    ++ring.offset;
    if (ring.held < ring.capacity) {
        ++ring.held;
    }
    return true;
}

// Writes what the ring holds, oldest byte first, one write per byte. Until
// the blocks have all been filled the bytes lie in order from the start;
// after that the oldest is the one after the newest.
void show(const Ring &ring)
{
    std::int32_t at = 0;
    std::uint32_t offset = 0;
    if (ring.blocks > 0 && ring.held == ring.capacity) {
        at = ring.at;
        offset = ring.offset;
    }
    for (std::uint32_t i = 0; i < ring.held; ++i) {
        if (offset == ring.size[at]) {
            at = at + 1 == ring.blocks ? 0 : at + 1;
            offset = 0;
        }
        static_cast<void>(write(1, &ring.block[at][offset], 1));
        ++offset;
    }
}

// The last count bytes of standard input. Nothing can be shown before the
// input ends, so a failing read or a failing allocation reports itself and
// shows nothing, as a failing skip does for a file.
void tail_stdin(std::int32_t count)
{
    if (count <= 0) {
        return;
    }
    Ring ring{};
    unsigned char byte = 0;
    for (;;) {
        const ssize_t n = read(0, &byte, 1);
        if (n == 0) {
            show(ring);
            break;
        }
        if (n < 0) {
            lu_display_custom_error(errno, stdin_name);
            break;
        }
        if (!keep(ring, byte, static_cast<std::uint32_t>(count))) {
            lu_display_custom_error(ENOMEM, stdin_name);
            break;
        }
    }
    for (std::int32_t i = 0; i < ring.blocks; ++i) {
        std::free(ring.block[i]);
    }
}

} // namespace

// bytetail -c N [FILE]...: the last N bytes of each file, in the order
// named, or of standard input when no file is named. A file that cannot be
// opened is reported and passed over; the others keep their header lines,
// since the header rule counts the names given, not the files found.
void lu_tail(std::int32_t argc, char **argv)
{
    g_progname = "bytetail";
    if (argc > 0 && argv[0][0] != '\0') {
        g_progname = basename(argv[0]);
    }
    if (argc < 3 || argv[1][0] != '-' || (argv[1][1] != 'c' && argv[1][1] != 'C')) {
        lu_putstr("usage: ");
        lu_putstr(g_progname);
        lu_putstr(" -c N [FILE]...\n");
        return;
    }
    if (argc == 3) {
        tail_stdin(lu_atoi(argv[2]));
        return;
    }
    for (std::int32_t i = 3; i < argc; ++i) {
        const int fd = open(argv[i], O_RDONLY);
        if (fd == -1) {
            lu_display_custom_error(errno, argv[i]);
            continue;
        }
        lu_display_file(i, fd, argc, argv);
        if (close(fd) != 0) {
            lu_display_custom_error(errno, argv[i]);
        }
    }
}
