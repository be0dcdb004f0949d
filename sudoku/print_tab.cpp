#include "lu.h"
#include "sudoku.h"

// Nine lines of nine digits with single blanks between them; one write per
// character, so a complete grid costs 162 writes.
void print_tab(const std::int32_t *const *tab)
{
    for (std::int32_t r = 0; r < 9; ++r) {
        for (std::int32_t c = 0; c < 9; ++c) {
            lu_putchar(static_cast<char>('0' + tab[r][c]));
            if (c < 8) {
                lu_putchar(' ');
            }
        }
        lu_putchar('\n');
    }
}
