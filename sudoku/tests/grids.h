// Helpers shared by the routine tests of sudoku: grids that live on the
// test's stack, grids read through create_tab, and the plain search as an
// oracle for the bounded one.
#ifndef SUDOKU_TEST_GRIDS_H
#define SUDOKU_TEST_GRIDS_H

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A grid in one block of storage, shaped like the program's: a table of nine
// row pointers. Written and read as 81 characters, "." or "0" for empty.
struct Board {
    std::int32_t cells[9][9] = {};
    std::int32_t *rows[9] = {};

    Board();
    explicit Board(const std::string &text);
    Board(const Board &other);
    Board &operator=(const Board &other);
    ~Board() = default;

    std::int32_t **tab() { return rows; }
    std::string text() const; // 81 characters, "." for empty cells
};

// The nine row arguments of a puzzle given as 81 characters.
std::vector<std::string> row_args(const std::string &text);

// The argument vector of a run: the program name, then the given texts.
struct Argv {
    explicit Argv(std::vector<std::string> args);
    std::vector<std::string> texts;
    std::vector<char *> ptrs;
    char **data() { return ptrs.data(); }
    std::int32_t count() const { return static_cast<std::int32_t>(texts.size()); }
};

// Grids are never released, in the program as in the tests: while one of
// these lives, the leak checker lets the allocations made be.
struct KeptAllocations {
    KeptAllocations();
    ~KeptAllocations();
    KeptAllocations(const KeptAllocations &) = delete;
    KeptAllocations &operator=(const KeptAllocations &) = delete;
};

// create_tab on an argument vector, its allocations kept.
std::int32_t **read_tab(char **argv);

// The grid text of a grid made by create_tab.
std::string tab_text(const std::int32_t *const *tab);

// The plain search: row-major order, candidates 1 to 9 through test, no
// pruning. The oracle for solve_sudoku; gives up (returning -1) after
// `budget` candidates, so that a slow case can be skipped instead of hanging.
struct PlainResult {
    std::int32_t stopped = 0; // what the search returned
    std::int32_t count = 0;
    bool finished = true;
};
PlainResult plain_search(Board &work, Board &sol, long budget);

// A random complete grid.
Board random_solution(std::mt19937 &rng);

#endif
