#include "sudoku.h"

// A digit given twice among peers is found at whichever of its two cells
// comes first in row-major order.
std::int32_t is_valid(const std::int32_t *const *tab)
{
    for (std::int32_t r = 0; r < 9; ++r) {
        for (std::int32_t c = 0; c < 9; ++c) {
            if (tab[r][c] != 0 && test(tab, r, c, tab[r][c]) == 0) {
                return 0;
            }
        }
    }
    return 1;
}
