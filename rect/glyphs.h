// The glyph sets of the five rectangle drawers. Each program is the same
// drawer compiled with one of these sets: its build names the set in the
// compile definition RECT_GLYPHS, so the choice is fixed in the executable
// and nothing at run time can change it.
#ifndef RECT_GLYPHS_H
#define RECT_GLYPHS_H

// The glyph of each class of cell, one byte each.
struct glyph_set {
    char top_left;
    char top_right;
    char bottom_left;
    char bottom_right;
    char horizontal; // the top and bottom lines between their corners
    char vertical;   // the first and last columns between their corners
    char interior;
};

// One set per program, under the program's name. These are constants
// resolved by the compiler, not variables: a drawer reads its set at compile
// time and the others never reach its executable.
namespace glyphs
{

inline constexpr glyph_set rect_rows = {'A', 'A', 'C', 'C', 'B', 'B', ' '};
inline constexpr glyph_set rect_line = {'o', 'o', 'o', 'o', '-', '|', ' '};
inline constexpr glyph_set rect_star = {'/', '\\', '\\', '/', '*', '*', ' '};
inline constexpr glyph_set rect_diag = {'A', 'C', 'C', 'A', 'B', 'B', ' '};
inline constexpr glyph_set rect_cols = {'A', 'C', 'A', 'C', 'B', 'B', ' '};

} // namespace glyphs

#endif
