#include <unistd.h>

#include "sudoku.h"

// Every fault, whichever it is, ends in the same six bytes; the grids are
// left to the end of the process.
int main(int argc, char **argv)
{
    if (argc == 10) {
        std::int32_t **tab = create_tab(argv);
        std::int32_t **sol = tab == nullptr ? nullptr : create_tab(argv);
        if (sol != nullptr && is_valid(tab) == 1) {
            std::int32_t count = 0;
            static_cast<void>(solve_sudoku(tab, sol, count, 0));
            if (count == 1) {
                print_tab(sol);
                return 0;
            }
        }
    }
    static_cast<void>(write(1, "Error\n", 6));
    return 0;
}
