// The sudoku grid routines and search on arbitrary rows.
//
// Input: up to nine texts separated by NUL bytes, the row arguments (missing
// rows are empty texts).
//
// Reading: create_tab returns null exactly when a row is not nine bytes of
// "." and "1" to "9"; it allocates the row table and then each row just
// before reading it, so a row of the wrong length stops it before its own
// allocation and a bad byte just after; a grid it returns holds the rows'
// digits, 0 for ".".
//
// Checking: is_valid is 1 exactly when no two peers (same row, column or
// box) hold the same digit, as a plain comparison of all pairs tells.
//
// Searching, for grids that pass: the count that solve_sudoku leaves is that
// of an independent solver (one with the fewest candidates first, counting
// up to two), and after a count of 1 or 2 the solution grid holds the least
// solution in row-major order, found here cell by cell.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "allocations.h"
#include "capture.h"
#include "sudoku.h"

namespace
{

using Grid = std::int32_t **;

bool well_formed(const char *row)
{
    if (std::strlen(row) != 9) {
        return false;
    }
    for (std::size_t c = 0; c < 9; ++c) {
        if (row[c] != '.' && (row[c] < '1' || row[c] > '9')) {
            return false;
        }
    }
    return true;
}

// The allocations create_tab makes before it stops at the first faulty row,
// or all ten when there is none.
std::size_t allocations_expected(char **argv)
{
    for (std::size_t r = 0; r < 9; ++r) {
        if (std::strlen(argv[r + 1]) != 9) {
            return 1 + r;
        }
        if (!well_formed(argv[r + 1])) {
            return 2 + r;
        }
    }
    return 10;
}

bool peers(std::int32_t a, std::int32_t b)
{
    const std::int32_t ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
    return a != b && (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3));
}

// An exact solution counter, up to a limit, on a flat board of 81 cells.
struct Board {
    std::int32_t cell[81];
};

std::uint32_t candidates(const Board &b, std::int32_t i)
{
    std::uint32_t used = 0;
    for (std::int32_t j = 0; j < 81; ++j) {
        if (b.cell[j] != 0 && peers(i, j)) {
            used |= 1U << b.cell[j];
        }
    }
    return ~used & 0x3FEU;
}

std::int32_t count_solutions(Board &b, std::int32_t limit)
{
    std::int32_t best = -1;
    std::int32_t best_options = 10;
    std::uint32_t best_set = 0;
    for (std::int32_t i = 0; i < 81; ++i) {
        if (b.cell[i] != 0) {
            continue;
        }
        const std::uint32_t set = candidates(b, i);
        const auto options = static_cast<std::int32_t>(__builtin_popcount(set));
        if (options < best_options) {
            best = i;
            best_options = options;
            best_set = set;
        }
    }
    if (best < 0) {
        return 1;
    }
    std::int32_t found = 0;
    for (std::int32_t v = 1; v <= 9 && found < limit; ++v) {
        if ((best_set & (1U << v)) != 0) {
            b.cell[best] = v;
            found += count_solutions(b, limit - found);
        }
    }
    b.cell[best] = 0;
    return found;
}

// The least solution in row-major order: each empty cell takes the smallest
// digit with which the board can still be completed.
Board least_solution(Board b)
{
    for (std::int32_t i = 0; i < 81; ++i) {
        if (b.cell[i] != 0) {
            continue;
        }
        for (std::int32_t v = 1; v <= 9; ++v) {
            if ((candidates(b, i) & (1U << v)) == 0) {
                continue;
            }
            b.cell[i] = v;
            if (count_solutions(b, 1) == 1) {
                break;
            }
            b.cell[i] = 0;
        }
    }
    return b;
}

void check_search(Grid tab, Grid sol, const Board &puzzle)
{
    Board b = puzzle;
    const std::int32_t want = count_solutions(b, 2);
    std::int32_t count = 0;
    const std::int32_t stopped = solve_sudoku(tab, sol, count, 0);
    if (count != want) {
        fuzz::fail("the search counted %d solutions, there are %d%s", count, want,
                   want == 2 ? " or more" : "");
    }
    if (stopped != (count == 2 ? 1 : 0)) {
        fuzz::fail("solve_sudoku returned %d after counting %d", stopped, count);
    }
    if (count == 0) {
        return;
    }
    const Board least = least_solution(puzzle);
    for (std::int32_t i = 0; i < 81; ++i) {
        if (sol[i / 9][i % 9] != least.cell[i]) {
            fuzz::fail("cell %d of the solution grid is %d; the least solution has %d", i,
                       sol[i / 9][i % 9], least.cell[i]);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The rows, each its own NUL-terminated text.
    const std::string input(reinterpret_cast<const char *>(data), size);
    std::string rows[9];
    std::size_t at = 0;
    for (std::string &row : rows) {
        if (at > input.size()) {
            break;
        }
        const std::size_t end = std::min(input.find('\0', at), input.size());
        row = input.substr(at, end - at);
        at = end + 1;
    }
    char name[] = "sudoku";
    char *argv[11] = {name};
    for (std::size_t r = 0; r < 9; ++r) {
        argv[r + 1] = rows[r].data();
    }
    argv[10] = nullptr;

    bool formed = true;
    for (std::size_t r = 0; r < 9; ++r) {
        formed = formed && well_formed(argv[r + 1]);
    }

    fuzz::track_allocations();
    const Grid tab = create_tab(argv);
    const std::size_t made = fuzz::tracked_allocations();
    if ((tab != nullptr) != formed) {
        fuzz::fail("create_tab gave %s for %s rows", tab != nullptr ? "a grid" : "null",
                   formed ? "well-formed" : "malformed");
    }
    if (made != allocations_expected(argv)) {
        fuzz::fail("create_tab made %zu allocations, expected %zu", made,
                   allocations_expected(argv));
    }
    for (std::size_t i = 0; i < made; ++i) {
        const std::size_t want = i == 0 ? 9 * sizeof(std::int32_t *) : 9 * sizeof(std::int32_t);
        if (fuzz::tracked_size(i) != want) {
            fuzz::fail("allocation %zu of create_tab asks for %zu bytes", i, fuzz::tracked_size(i));
        }
    }
    if (tab == nullptr) {
        fuzz::free_tracked();
        return 0;
    }

    Board puzzle{};
    for (std::int32_t i = 0; i < 81; ++i) {
        const char b = argv[i / 9 + 1][i % 9];
        puzzle.cell[i] = b == '.' ? 0 : b - '0';
        if (tab[i / 9][i % 9] != puzzle.cell[i]) {
            fuzz::fail("cell %d holds %d, the row says '%c'", i, tab[i / 9][i % 9], b);
        }
    }

    bool conflict = false;
    for (std::int32_t a = 0; a < 81 && !conflict; ++a) {
        for (std::int32_t b = a + 1; b < 81 && !conflict; ++b) {
            conflict = puzzle.cell[a] != 0 && puzzle.cell[a] == puzzle.cell[b] && peers(a, b);
        }
    }
    const std::int32_t valid = is_valid(tab);
    if (valid != (conflict ? 0 : 1)) {
        fuzz::fail("is_valid gave %d for a grid %s conflicting givens", valid,
                   conflict ? "with" : "without");
    }

    if (valid == 1) {
        fuzz::track_allocations();
        const Grid sol = create_tab(argv);
        fuzz::tracked_allocations();
        check_search(tab, sol, puzzle);
    }
    fuzz::free_tracked();
    return 0;
}
