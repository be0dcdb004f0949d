#include "sudoku.h"

// Depth-first in row-major order, candidates in ascending order, so complete
// grids are reached in ascending order of their 81 digits and the first one
// kept is the least. A candidate is entered only when the grid with it can
// still be completed: the subtrees skipped hold no complete grid, so the
// grids reached, their order and every state left behind are those of the
// plain walk, which on some well-formed puzzles would run for hours. The
// plain walk is kept for measurement, built with SUDOKU_PLAIN_SEARCH.
std::int32_t solve_sudoku(std::int32_t **tab, std::int32_t **sol, std::int32_t &count,
                          std::int32_t n)
{
    if (n == 81) {
        return this_is_the_end(tab, sol, count);
    }
    const std::int32_t row = n / 9;
    const std::int32_t col = n % 9;
    if (tab[row][col] != 0) {
        return solve_sudoku(tab, sol, count, n + 1);
    }
#ifndef SUDOKU_PLAIN_SEARCH
    // The cells before this one stay as they are while its candidates are
    // tried, so the check is set up once, at the first candidate that test
    // allows, and then asked for each one in turn.
    CellCheck check;
    bool checked = false;
#endif
    for (std::int32_t v = 1; v <= 9; ++v) {
        if (test(tab, row, col, v) == 0) {
            continue;
        }
#ifndef SUDOKU_PLAIN_SEARCH
        if (!checked) {
            check_cell(check, tab, row, col);
            checked = true;
        }
        if (check_value(check, v) == 0) {
            continue;
        }
#endif
        tab[row][col] = v;
        if (solve_sudoku(tab, sol, count, n + 1) == 1) {
            return 1;
        }
    }
    tab[row][col] = 0;
    return 0;
}
