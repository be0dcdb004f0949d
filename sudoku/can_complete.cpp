#include "sudoku.h"

// The completability check. Each cell is a set of candidate digits, one bit
// per digit, kept in arrays on the stack. Two rules narrow the sets until
// nothing changes: a cell left with one digit takes it from all its open
// peers (naked single), and a digit with one place left in a unit goes there
// (hidden single). When neither settles the grid, the check branches on the
// choice with the fewest options: the open cell with the fewest candidates,
// or the digit with the fewest places in one unit. Both rules and both kinds
// of branch only drop fillings that break the rule, so the answer is exact.
//
// Cells filled in the grid are fixed and never weighed against each other, as
// the search never weighs them. A unit whose fixed digits are all different
// must end up holding every digit once, so hidden singles and digit branches
// use such units only; a unit with a repeated fixed digit keeps just the
// pairwise rule. The search calls the check only on grids without repeats,
// where every unit qualifies.
namespace
{

using Set = std::uint16_t;

constexpr Set all_digits = 0x1FF;
constexpr std::int32_t cells = 81;
constexpr std::int32_t unit_count = 27;

struct Geometry {
    std::uint8_t unit[unit_count][9]; // rows 0-8, columns 9-17, boxes 18-26
    std::uint8_t peers[cells][20];
};

constexpr Geometry make_geometry()
{
    Geometry g{};
    for (std::int32_t i = 0; i < 9; ++i) {
        for (std::int32_t j = 0; j < 9; ++j) {
            g.unit[i][j] = static_cast<std::uint8_t>(i * 9 + j);
            g.unit[9 + i][j] = static_cast<std::uint8_t>(j * 9 + i);
            g.unit[18 + i][j] =
                static_cast<std::uint8_t>((i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3);
        }
    }
    for (std::int32_t a = 0; a < cells; ++a) {
        std::int32_t n = 0;
        for (std::int32_t b = 0; b < cells; ++b) {
            const bool same_row = a / 9 == b / 9;
            const bool same_col = a % 9 == b % 9;
            const bool same_box = a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3;
            if (a != b && (same_row || same_col || same_box)) {
                g.peers[a][n++] = static_cast<std::uint8_t>(b);
            }
        }
    }
    return g;
}

constexpr Geometry geo = make_geometry();

// What stays the same for the whole check (CheckFrame: fixed cells, units
// that must hold every digit once), and the candidate sets of one node of
// the check's search (CheckBoard: a fixed cell holds the bit of its digit).
using Frame = CheckFrame;
using Board = CheckBoard;

bool single(Set s)
{
    return (s & (s - 1U)) == 0;
}

// The number of digits in a set, from a table: the build does not assume the
// processor's population-count instruction, and without it std::popcount is
// a library call that counts bit by bit.
struct DigitCounts {
    std::uint8_t of[all_digits + 1];
};

constexpr DigitCounts make_digit_counts()
{
    DigitCounts t{};
    for (std::uint32_t s = 1; s <= all_digits; ++s) {
        t.of[s] = static_cast<std::uint8_t>(t.of[s >> 1] + (s & 1U));
    }
    return t;
}

constexpr DigitCounts digit_counts = make_digit_counts();

// Applies both rules until nothing changes. `pending` holds the open cells
// that have come down to one digit and not yet taken it from their peers;
// each cell comes down to one digit once, so 81 places are enough.
bool settle(Board &b, const Frame &f, std::uint8_t *pending, std::int32_t n)
{
    for (;;) {
        while (n > 0) {
            const std::uint8_t cell = pending[--n];
            const Set bit = b.cand[cell];
            for (const std::uint8_t p : geo.peers[cell]) {
                if (f.fixed[p] || (b.cand[p] & bit) == 0) {
                    continue;
                }
                b.cand[p] = static_cast<Set>(b.cand[p] & ~bit);
                if (b.cand[p] == 0) {
                    return false;
                }
                if (single(b.cand[p])) {
                    pending[n++] = p;
                }
            }
        }
        for (std::int32_t u = 0; u < unit_count; ++u) {
            if ((f.full_units >> u & 1U) == 0) {
                continue;
            }
            Set once = 0;
            Set twice = 0;
            Set decided = 0; // digits that a cell of the unit holds alone
            for (const std::uint8_t cell : geo.unit[u]) {
                const Set c = b.cand[cell];
                twice = static_cast<Set>(twice | (once & c));
                once = static_cast<Set>(once | c);
                if (single(c)) {
                    decided = static_cast<Set>(decided | c);
                }
            }
            if (once != all_digits) {
                return false;
            }
            // A digit with one place that a cell already holds alone needs
            // nothing more; once most digits are placed, most units are
            // passed over here.
            const Set lone = static_cast<Set>(once & ~twice & ~decided);
            if (lone == 0) {
                continue;
            }
            for (const std::uint8_t cell : geo.unit[u]) {
                const Set m = static_cast<Set>(b.cand[cell] & lone);
                if (m == 0 || f.fixed[cell]) {
                    continue;
                }
                if (!single(m)) {
                    return false; // two digits that both have only this cell
                }
                if (b.cand[cell] != m) {
                    b.cand[cell] = m;
                    pending[n++] = cell;
                }
            }
        }
        if (n == 0) {
            return true;
        }
    }
}

// Tries each option of one choice on a copy of the board.
bool complete(const Board &b, const Frame &f);

bool try_option(const Board &b, const Frame &f, std::uint8_t cell, Set bit)
{
    Board next = b;
    next.cand[cell] = bit;
    std::uint8_t pending[cells];
    pending[0] = cell;
    return settle(next, f, pending, 1) && complete(next, f);
}

// A settled board: finds a choice to branch on, or a complete grid.
bool complete(const Board &b, const Frame &f)
{
    std::int32_t best = 10;
    std::int32_t best_cell = -1;
    for (std::int32_t cell = 0; cell < cells && best > 2; ++cell) {
        const std::int32_t n = digit_counts.of[b.cand[cell]];
        if (n > 1 && n < best) {
            best = n;
            best_cell = cell;
        }
    }
    if (best_cell < 0) {
        return true; // every cell down to one digit, each apart from its peers
    }
    // The digit with the fewest places in a unit, when that beats the cell.
    // After settling, an unplaced digit has at least two places.
    std::int32_t best_unit = -1;
    std::int32_t best_digit = 0;
    if (best > 2) {
        for (std::int32_t u = 0; u < unit_count && best > 2; ++u) {
            if ((f.full_units >> u & 1U) == 0) {
                continue;
            }
            std::int32_t places[9] = {};
            for (const std::uint8_t cell : geo.unit[u]) {
                const Set s = b.cand[cell];
                if (!single(s)) {
                    for (std::int32_t d = 0; d < 9; ++d) {
                        places[d] += static_cast<std::int32_t>(s >> d & 1);
                    }
                }
            }
            for (std::int32_t d = 0; d < 9; ++d) {
                if (places[d] > 1 && places[d] < best) {
                    best = places[d];
                    best_unit = u;
                    best_digit = d;
                }
            }
        }
    }
    if (best_unit >= 0) {
        const auto bit = static_cast<Set>(1U << best_digit);
        for (const std::uint8_t cell : geo.unit[best_unit]) {
            if (!single(b.cand[cell]) && (b.cand[cell] & bit) != 0 && try_option(b, f, cell, bit)) {
                return true;
            }
        }
        return false;
    }
    const auto cell = static_cast<std::uint8_t>(best_cell);
    for (Set rest = b.cand[cell]; rest != 0; rest = static_cast<Set>(rest & (rest - 1U))) {
        if (try_option(b, f, cell, static_cast<Set>(rest & -rest))) {
            return true;
        }
    }
    return false;
}

// The board of the grid with the cell `at` open: the fixed cells, the units
// that must hold every digit once, and the open cells' candidates. The fixed
// digits of every unit, and whether one repeats there, come from one pass
// over the grid; the open cells then take their candidates from the three
// units they lie in, instead of each walking its twenty peers. False when an
// open cell is left without a candidate; open cells down to one digit are
// put in `pending`.
bool prepare(const std::int32_t *const *tab, std::int32_t at, Frame &f, Board &b,
             std::uint8_t *pending, std::int32_t &n)
{
    Set seen[unit_count] = {};
    std::uint32_t repeated = 0;
    for (std::int32_t cell = 0; cell < cells; ++cell) {
        const std::int32_t v = cell == at ? 0 : tab[cell / 9][cell % 9];
        f.fixed[cell] = v != 0;
        if (v == 0) {
            continue;
        }
        const auto bit = static_cast<Set>(1U << (v - 1));
        b.cand[cell] = bit;
        const std::int32_t units[3] = {cell / 9, 9 + cell % 9, 18 + cell / 27 * 3 + cell % 9 / 3};
        for (const std::int32_t u : units) {
            if ((seen[u] & bit) != 0) {
                repeated |= 1U << u;
            }
            seen[u] = static_cast<Set>(seen[u] | bit);
        }
    }
    f.full_units = ~repeated & ((1U << unit_count) - 1U);
    n = 0;
    for (std::int32_t cell = 0; cell < cells; ++cell) {
        if (f.fixed[cell]) {
            continue;
        }
        const auto s = static_cast<Set>(all_digits & ~(seen[cell / 9] | seen[9 + cell % 9] |
                                                       seen[18 + cell / 27 * 3 + cell % 9 / 3]));
        if (s == 0) {
            return false;
        }
        b.cand[cell] = s;
        if (single(s)) {
            pending[n++] = static_cast<std::uint8_t>(cell);
        }
    }
    return true;
}

} // namespace

std::int32_t can_complete(const std::int32_t *const *tab, std::int32_t row, std::int32_t col,
                          std::int32_t value)
{
    const std::int32_t at = row * 9 + col;
    const auto bit = static_cast<Set>(1U << (value - 1));
    Frame f{};
    Board b{};
    std::uint8_t pending[cells];
    std::int32_t n = 0;
    if (!prepare(tab, at, f, b, pending, n) || (b.cand[at] & bit) == 0) {
        return 0;
    }
    if (b.cand[at] != bit) {
        b.cand[at] = bit;
        pending[n++] = static_cast<std::uint8_t>(at);
    }
    return settle(b, f, pending, n) && complete(b, f) ? 1 : 0;
}

void check_cell(CellCheck &check, const std::int32_t *const *tab, std::int32_t row,
                std::int32_t col)
{
    check.at = row * 9 + col;
    check.frame = Frame{};
    check.board = Board{};
    std::uint8_t pending[cells];
    std::int32_t n = 0;
    check.open = prepare(tab, check.at, check.frame, check.board, pending, n) &&
                         settle(check.board, check.frame, pending, n)
                     ? 1
                     : 0;
}

std::int32_t check_value(const CellCheck &check, std::int32_t value)
{
    const auto bit = static_cast<Set>(1U << (value - 1));
    if (check.open == 0 || (check.board.cand[check.at] & bit) == 0) {
        return 0;
    }
    // A cell that the set-up left with this one digit adds nothing to the
    // settled board: it completes as the board does.
    if (single(check.board.cand[check.at])) {
        return complete(check.board, check.frame) ? 1 : 0;
    }
    return try_option(check.board, check.frame, static_cast<std::uint8_t>(check.at), bit) ? 1 : 0;
}
