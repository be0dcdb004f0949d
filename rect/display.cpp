#include "glyphs.h"
#include "lu.h"
#include "rect.h"

#ifndef RECT_GLYPHS
#error "RECT_GLYPHS must name the glyph set this drawer is built with"
#endif

namespace
{

constexpr glyph_set drawer_glyphs = glyphs::RECT_GLYPHS;

// The corners are tried before the edges, and the top before the bottom, so
// a rectangle one line high or one column wide shows its top-left corner
// first and never the corners it shares with it.
char glyph_of(std::int32_t width, std::int32_t height, std::int32_t column, std::int32_t row)
{
    if (row == 1 && column == 1) {
        return drawer_glyphs.top_left;
    }
    if (row == 1 && column == width) {
        return drawer_glyphs.top_right;
    }
    if (row == height && column == 1) {
        return drawer_glyphs.bottom_left;
    }
    if (row == height && column == width) {
        return drawer_glyphs.bottom_right;
    }
    if (row == 1 || row == height) {
        return drawer_glyphs.horizontal;
    }
    if (column == 1 || column == width) {
        return drawer_glyphs.vertical;
    }
    return drawer_glyphs.interior;
}

} // namespace

void display(std::int32_t width, std::int32_t height, std::int32_t column, std::int32_t row)
{
    lu_putchar(glyph_of(width, height, column, row));
}
