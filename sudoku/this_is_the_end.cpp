#include "sudoku.h"

// The first complete grid is kept; the second ends the search, since two
// solutions are as bad as a hundred.
std::int32_t this_is_the_end(std::int32_t **tab, std::int32_t **sol, std::int32_t &count)
{
    if (count == 0) {
        copy_tab(sol, tab);
    }
    ++count;
    return count == 2 ? 1 : 0;
}
