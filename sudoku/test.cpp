#include "sudoku.h"

// The column first, then the row, then what is left of the box. The cell
// itself is never read, so the search may leave a stale candidate in it
// while it tries the next one.
std::int32_t test(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                  std::int32_t value)
{
    for (std::int32_t i = 0; i < 9; ++i) {
        if (i != row && tab[i][col] == value) {
            return 0;
        }
    }
    for (std::int32_t j = 0; j < 9; ++j) {
        if (j != col && tab[row][j] == value) {
            return 0;
        }
    }
    return test_case(tab, row, col, value);
}

// Only the four box cells that share neither the row nor the column: the
// other four were read by test already. On its own this is not a box test.
std::int32_t test_case(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                       std::int32_t value)
{
    const std::int32_t top = row - row % 3;
    const std::int32_t left = col - col % 3;
    for (std::int32_t i = 0; i < 3; ++i) {
        for (std::int32_t j = 0; j < 3; ++j) {
            if (top + i == row || left + j == col) {
                continue;
            }
            if (tab[top + i][left + j] == value) {
                return 0;
            }
        }
    }
    return 1;
}
