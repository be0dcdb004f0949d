// What each of the five drawers must draw, written out by hand: the glyph of
// every class of cell, and the drawings of a few small rectangles. Every line
// of a drawing, the last one included, ends in a line feed.
#ifndef RECT_DRAWINGS_H
#define RECT_DRAWINGS_H

#include <string>
#include <vector>

struct Drawings {
    std::string program;
    // top-left, top-right, bottom-left, bottom-right corners, horizontal edge,
    // vertical edge, interior
    std::string glyphs;
    std::string d1x1; // width 1, height 1
    std::string d3x1; // width 3, height 1
    std::string d1x3; // width 1, height 3
    std::string d2x2;
    std::string d5x3;
};

inline const std::vector<Drawings> &all_drawings()
{
    static const std::vector<Drawings> table = {
        {"rect_rows", "AACCBB ", "A\n", "ABA\n", "A\nB\nC\n", "AA\nCC\n", "ABBBA\nB   B\nCBBBC\n"},
        {"rect_line", "oooo-| ", "o\n", "o-o\n", "o\n|\no\n", "oo\noo\n", "o---o\n|   |\no---o\n"},
        {"rect_star", "/\\\\/** ", "/\n", "/*\\\n", "/\n*\n\\\n", "/\\\n\\/\n",
         "/***\\\n*   *\n\\***/\n"},
        {"rect_diag", "ACCABB ", "A\n", "ABC\n", "A\nB\nC\n", "AC\nCA\n", "ABBBC\nB   B\nCBBBA\n"},
        {"rect_cols", "ACACBB ", "A\n", "ABC\n", "A\nB\nA\n", "AC\nAC\n", "ABBBC\nB   B\nABBBC\n"},
    };
    return table;
}

inline const Drawings &drawings_of(const std::string &program)
{
    for (const Drawings &d : all_drawings()) {
        if (d.program == program) {
            return d;
        }
    }
    static const Drawings none{};
    return none;
}

#endif
