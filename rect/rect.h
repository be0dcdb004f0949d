// The rectangle drawer: a width and a height in, a rectangle of glyphs out on
// descriptor 1, one write per glyph and per line feed. The glyphs come from
// the set the drawer was built with (glyphs.h).
#ifndef RECT_H
#define RECT_H

#include <cstdint>

// Draws the rectangle row by row; nothing at all when either size is below 1.
void rush(std::int32_t width, std::int32_t height);

// Writes the glyph of the cell at column and row (both counted from 1) of a
// rectangle of the given size.
void display(std::int32_t width, std::int32_t height, std::int32_t column, std::int32_t row);

#endif
