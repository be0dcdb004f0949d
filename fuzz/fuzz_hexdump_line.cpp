// The three column formatters of bytedump on arbitrary lines.
//
// Input: a mode byte, eight bytes of offset, four bytes of start position,
// then the line's bytes (missing header bytes read as 0). In listing mode the
// line is what the listing passes (start 0, at most 16 bytes) and the whole
// line is checked; otherwise the formatters get an arbitrary start over a
// buffer of exactly the remaining bytes, and must show the positions from
// start that lie below the count, at most 16 of them, and read nothing else.
//
// Invariants: the offset column is the offset in lower-case hex, at least
// eight digits, and two spaces; the hex column is 50 characters, its digit
// pairs sit at 3k (3k + 1 from the ninth byte on), read back to the bytes,
// and everything else in it is a space; the character column is the bytes
// between bars, printable ASCII as itself and "." for the rest; in a listing
// line with an eight-digit offset the opening bar is in column 61; every
// character is one write() but the three-space fillers.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "bytedump.h"
#include "capture.h"

namespace
{

const char digits[] = "0123456789abcdef";

std::uint64_t little_endian(const std::uint8_t *p, std::size_t n)
{
    std::uint64_t v = 0;
    for (std::size_t i = n; i > 0; --i) {
        v = v << 8 | p[i - 1];
    }
    return v;
}

int hex_value(char c)
{
    const char *p = std::strchr(digits, c);
    return c != '\0' && p != nullptr ? static_cast<int>(p - digits) : -1;
}

std::string check_address(std::uint64_t offset)
{
    fuzz::record();
    lu_print_address(offset, digits);
    const std::string out(fuzz::recorded());
    char want[32];
    std::snprintf(want, sizeof want, "%08" PRIx64 "  ", offset);
    if (out != want) {
        fuzz::fail("offset %" PRIu64 ": column '%s', want '%s'", offset, out.c_str(), want);
    }
    if (fuzz::recorded_writes() != out.size()) {
        fuzz::fail("offset column: %zu writes for %zu characters", fuzz::recorded_writes(),
                   out.size());
    }
    return out;
}

std::string check_hex(std::int32_t start, std::uint32_t count, const unsigned char *bytes,
                      std::uint32_t shown)
{
    fuzz::record();
    lu_print_hex(start, count, bytes, digits);
    const std::string out(fuzz::recorded());
    if (out.size() != 50) {
        fuzz::fail("hex column of %u bytes is %zu wide", shown, out.size());
    }
    if (fuzz::recorded_writes() != 2 * shown + 18) {
        fuzz::fail("hex column of %u bytes took %zu writes", shown, fuzz::recorded_writes());
    }
    const auto first = static_cast<std::uint32_t>(start);
    std::string expected_spaces(50, ' ');
    std::string layout = out;
    for (std::uint32_t k = 0; k < shown; ++k) {
        const std::size_t at = 3 * k + (k >= 8 ? 1 : 0);
        const int high = hex_value(out[at]);
        const int low = hex_value(out[at + 1]);
        if (high < 0 || low < 0 || high * 16 + low != bytes[first + k]) {
            fuzz::fail("hex column byte %u reads '%.2s', the byte is %02x", k, &out[at],
                       bytes[first + k]);
        }
        layout[at] = ' ';
        layout[at + 1] = ' ';
    }
    if (layout != expected_spaces) {
        fuzz::fail("hex column '%s' has something other than spaces between its pairs",
                   out.c_str());
    }
    return out;
}

std::string check_char(std::int32_t start, std::uint32_t count, const unsigned char *bytes,
                       std::uint32_t shown)
{
    fuzz::record();
    lu_print_char(start, count, bytes);
    const std::string out(fuzz::recorded());
    std::string want = "|";
    const auto first = static_cast<std::uint32_t>(start);
    for (std::uint32_t k = 0; k < shown; ++k) {
        const unsigned char b = bytes[first + k];
        want += b >= 0x20 && b <= 0x7e ? static_cast<char>(b) : '.';
    }
    want += '|';
    if (out != want) {
        fuzz::fail("character column '%s', want '%s'", out.c_str(), want.c_str());
    }
    if (fuzz::recorded_writes() != out.size()) {
        fuzz::fail("character column: %zu writes for %zu characters", fuzz::recorded_writes(),
                   out.size());
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t header[13] = {};
    const std::size_t header_size = size < sizeof header ? size : sizeof header;
    std::memcpy(header, data, header_size);
    const std::uint8_t mode = header[0];
    const std::uint64_t offset = little_endian(header + 1, 8);
    const auto raw_start = static_cast<std::uint32_t>(little_endian(header + 9, 4));

    // The line's bytes, copied to a buffer of exactly their size so that the
    // address sanitizer sees any read past them.
    const std::size_t rest = size - header_size;
    const bool listing = (mode & 1) == 0;
    const std::size_t count = listing && rest > 16 ? 16 : rest;
    auto *bytes = static_cast<unsigned char *>(std::malloc(count == 0 ? 1 : count));
    std::memcpy(bytes, data + header_size, count);

    std::int32_t start = 0;
    if (!listing) {
        // Half the time a start inside or just past the buffer, else any.
        start = static_cast<std::int32_t>((mode & 2) != 0 ? raw_start % (count + 2) : raw_start);
    }
    const auto first = static_cast<std::uint32_t>(start);
    const auto n = static_cast<std::uint32_t>(count);
    const std::uint32_t shown = first < n ? (n - first < 16 ? n - first : 16) : 0;

    const std::string address = check_address(offset);
    const std::string hex = check_hex(start, n, bytes, shown);
    const std::string chars = check_char(start, n, bytes, shown);
    if (listing && address.size() == 10) {
        const std::string line = address + hex + chars + "\n";
        if (line[60] != '|' || line.size() != 63 + count) {
            fuzz::fail("listing line of %zu bytes: bar not in column 61, or %zu long", count,
                       line.size());
        }
    }
    std::free(bytes);
    return 0;
}
