// The rectangle drawer, built once per glyph set like the programs: the
// target is compiled with FUZZ_GLYPHS naming the set of the drawer library
// it links, and holds its own copy of the five sets to check against.
//
// Input: four 32-bit numbers (width, height, column, row; missing bytes read
// as 0).
//
// display, at any width, height, column and row: one write of one byte, the
// glyph of the first class that holds (the four corners, top left first,
// then the horizontal edge, the vertical edge, the inside).
// rush, at sizes folded into -2 to 128: nothing at all when a size is below
// 1, else height lines of width glyphs and a line feed, one write each, with
// every glyph in place (so the corners too); and at the raw sizes, nothing
// whenever one of them is below 1, however large the other.
#include <cstdint>
#include <cstring>
#include <string>

#include "capture.h"
#include "rect.h"

namespace
{

struct Set {
    const char *name;
    char top_left, top_right, bottom_left, bottom_right, horizontal, vertical, inside;
};

constexpr Set sets[] = {
    {"rect_rows", 'A', 'A', 'C', 'C', 'B', 'B', ' '},
    {"rect_line", 'o', 'o', 'o', 'o', '-', '|', ' '},
    {"rect_star", '/', '\\', '\\', '/', '*', '*', ' '},
    {"rect_diag", 'A', 'C', 'C', 'A', 'B', 'B', ' '},
    {"rect_cols", 'A', 'C', 'A', 'C', 'B', 'B', ' '},
};

#define FUZZ_STRINGIFY2(x) #x
#define FUZZ_STRINGIFY(x) FUZZ_STRINGIFY2(x)

const Set &drawer_set()
{
    static const Set *found = [] {
        for (const Set &s : sets) {
            if (std::strcmp(s.name, FUZZ_STRINGIFY(FUZZ_GLYPHS)) == 0) {
                return &s;
            }
        }
        fuzz::fail("no glyph set named %s", FUZZ_STRINGIFY(FUZZ_GLYPHS));
    }();
    return *found;
}

char glyph(std::int32_t width, std::int32_t height, std::int32_t column, std::int32_t row)
{
    const Set &g = drawer_set();
    const bool top = row == 1;
    const bool bottom = row == height;
    const bool left = column == 1;
    const bool right = column == width;
    if (top && left) {
        return g.top_left;
    }
    if (top && right) {
        return g.top_right;
    }
    if (bottom && left) {
        return g.bottom_left;
    }
    if (bottom && right) {
        return g.bottom_right;
    }
    if (top || bottom) {
        return g.horizontal;
    }
    if (left || right) {
        return g.vertical;
    }
    return g.inside;
}

std::int32_t read32(const std::uint8_t *p)
{
    std::uint32_t v = 0;
    for (std::size_t i = 4; i > 0; --i) {
        v = v << 8 | p[i - 1];
    }
    return static_cast<std::int32_t>(v);
}

std::int32_t fold(std::int32_t v)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) % 131U) - 2;
}

void check_rush(std::int32_t width, std::int32_t height)
{
    fuzz::record();
    rush(width, height);
    const std::string out(fuzz::recorded());
    std::string want;
    if (width >= 1 && height >= 1) {
        for (std::int32_t row = 1; row <= height; ++row) {
            for (std::int32_t column = 1; column <= width; ++column) {
                want += glyph(width, height, column, row);
            }
            want += '\n';
        }
    }
    if (out != want) {
        fuzz::fail("rush(%d, %d) drew %zu bytes, not the %zu expected (or not those)", width,
                   height, out.size(), want.size());
    }
    if (fuzz::recorded_writes() != out.size()) {
        fuzz::fail("rush(%d, %d): %zu writes for %zu bytes", width, height, fuzz::recorded_writes(),
                   out.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t bytes[16] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    const std::int32_t width = read32(bytes);
    const std::int32_t height = read32(bytes + 4);
    const std::int32_t column = read32(bytes + 8);
    const std::int32_t row = read32(bytes + 12);

    fuzz::record();
    display(width, height, column, row);
    const std::string cell(fuzz::recorded());
    const char want = glyph(width, height, column, row);
    if (cell.size() != 1 || fuzz::recorded_writes() != 1 || cell[0] != want) {
        fuzz::fail("display(%d, %d, %d, %d) wrote '%s' in %zu writes, want '%c'", width, height,
                   column, row, cell.c_str(), fuzz::recorded_writes(), want);
    }

    check_rush(fold(width), fold(height));
    if (width < 1 || height < 1) {
        check_rush(width, height);
    }
    return 0;
}
