#include "sudoku.h"

void copy_tab(std::int32_t **dst, const std::int32_t *const *src)
{
    for (std::int32_t r = 0; r < 9; ++r) {
        for (std::int32_t c = 0; c < 9; ++c) {
            dst[r][c] = src[r][c];
        }
    }
}
