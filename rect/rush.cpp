#include "lu.h"
#include "rect.h"

// Each counter is compared with its bound before it is stepped, never after:
// a loop ends on the pass where its counter equals the bound, so a size of
// 2^31 - 1 ends there instead of stepping the counter past the greatest
// 32-bit value.
void rush(std::int32_t width, std::int32_t height)
{
    if (width < 1 || height < 1) {
        return;
    }
    for (std::int32_t row = 1;; ++row) {
        for (std::int32_t column = 1;; ++column) {
            display(width, height, column, row);
            if (column == width) {
                break;
            }
        }
        lu_putchar('\n');
        if (row == height) {
            break;
        }
    }
}
