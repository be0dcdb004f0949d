// sudoku: a 9 x 9 puzzle read from nine row arguments, solved when it has
// exactly one solution.
//
// A grid is a table of nine row pointers, row 0 at the top, each leading to a
// row of nine cells, column 0 at the left. A cell holds 0 when it is empty and
// 1 to 9 for a digit. Routines that only read a grid take it as
// `const std::int32_t *const *`, which a grid converts to on its own.
#ifndef SUDOKU_H
#define SUDOKU_H

#include <cstdint>

// Reading, copying and printing grids.
std::int32_t **create_tab(char **argv);
void copy_tab(std::int32_t **dst, const std::int32_t *const *src);
void print_tab(const std::int32_t *const *tab);

// The sudoku rule: may `value` stand at (row, col), given the other cells?
// Neither routine reads the cell (row, col) itself.
std::int32_t test(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                  std::int32_t value);
std::int32_t test_case(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                       std::int32_t value);
std::int32_t is_valid(const std::int32_t *const *tab);

// The search: counts complete grids, keeps the first, stops at the second.
std::int32_t solve_sudoku(std::int32_t **tab, std::int32_t **sol, std::int32_t &count,
                          std::int32_t n);
std::int32_t this_is_the_end(std::int32_t **tab, std::int32_t **sol, std::int32_t &count);

// 1 when the grid, with `value` (1 to 9) at (row, col) and its empty cells
// filled, can become a complete grid that the search would reach, else 0.
// Such a grid has every cell that is empty now, and (row, col), differing
// from all its peers; cells that are filled now are not weighed against each
// other, just as the search never weighs them. The cell (row, col) itself is
// not read, whatever it holds. Exact, allocation-free, and fast enough to be
// asked before every candidate that the search enters.
std::int32_t can_complete(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                          std::int32_t value);

// The same check set up once for a cell and then asked value by value: the
// grid with the cell open, its candidate sets narrowed as far as the
// check's rules go. Kept on the caller's stack while it tries the cell's
// candidates, so that one set-up serves them all.
struct CheckFrame {
    bool fixed[81];           // filled in the grid
    std::uint32_t full_units; // bit u: unit u must hold every digit once
};
struct CheckBoard {
    std::uint16_t cand[81]; // candidate digits of each cell, bit d - 1 for d
};
struct CellCheck {
    CheckFrame frame;
    CheckBoard board;
    std::int32_t at;   // the cell, row * 9 + column
    std::int32_t open; // 0 when no value of the cell can complete the grid
};
void check_cell(CellCheck &check, const std::int32_t *const *tab, std::int32_t row,
                std::int32_t col);
// What can_complete answers for the value at the cell of check_cell, as long
// as the grid has not changed but in that cell.
std::int32_t check_value(const CellCheck &check, std::int32_t value);

#endif
