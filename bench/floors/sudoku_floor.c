// The floor of `sudoku` on the benchmark's puzzle: its output, the solution
// known before the build, one byte per write, and nothing else but one
// allocation, which makes the same calls for the heap as the program's
// grids. Built with CHUNK set, the solution in one write: the buffered
// equivalent.
#include <stdlib.h>
#include <unistd.h>

static const char solution[] = "2 1 8 6 7 3 5 4 9\n"
                               "5 4 9 8 1 2 3 7 6\n"
                               "3 7 6 9 4 5 2 1 8\n"
                               "9 5 7 4 2 8 6 3 1\n"
                               "8 2 4 1 3 6 9 5 7\n"
                               "6 3 1 7 5 9 8 2 4\n"
                               "1 6 2 3 9 7 4 8 5\n"
                               "7 9 3 5 8 4 1 6 2\n"
                               "4 8 5 2 6 1 7 9 3\n";

int main(void)
{
    void *grid = malloc(9 * sizeof(int *));
#ifndef CHUNK
    for (size_t i = 0; i + 1 < sizeof solution; ++i) {
        write(1, &solution[i], 1);
    }
#else
    write(1, solution, sizeof solution - 1);
#endif
    return grid == NULL;
}
