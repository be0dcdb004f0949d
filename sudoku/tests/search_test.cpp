#include <gtest/gtest.h>

#include <cerrno>
#include <random>

#include "grids.h"
#include "sudoku.h"
#include "support.h"

using seam::Call;

// The program's entry routine, built into the tests under this name.
int sudoku_main(int argc, char **argv);

namespace
{

const std::string puzzle = ".495.1.....6.......2..7.9.3...7...9.....4.3.."
                           "8.....5.....8.5.6..94......53...6.1.";
const std::string solved = "349581627786329154125674983461753298952148376"
                           "873962541217835469694217835538496712";

struct Search {
    Board work;
    Board sol;
    std::int32_t count = 0;
    std::int32_t stopped = 0;
};

Search search(const std::string &text)
{
    Search s{Board(text), Board(text)};
    s.stopped = solve_sudoku(s.work.tab(), s.sol.tab(), s.count, 0);
    return s;
}

// The printed form of a complete grid given as 81 digits.
std::string printed(const std::string &digits)
{
    std::string out;
    for (std::size_t i = 0; i < 81; ++i) {
        out += digits[i];
        out += i % 9 == 8 ? '\n' : ' ';
    }
    return out;
}

std::string run_main(std::vector<std::string> rows)
{
    rows.insert(rows.begin(), "sudoku");
    Argv argv(std::move(rows));
    const KeptAllocations kept;
    return capture([&] { static_cast<void>(sudoku_main(argv.count(), argv.data())); });
}

std::int32_t pick(std::mt19937 &rng, std::int32_t n)
{
    return static_cast<std::int32_t>(rng() % static_cast<std::uint32_t>(n));
}

// A random solution with about `keep` of its 81 cells kept, then fewer than
// `strays` cells set to random digits, which may well conflict.
Board partial_grid(std::mt19937 &rng, std::int32_t keep, std::int32_t strays)
{
    Board grid = random_solution(rng);
    for (std::int32_t cell = 0; cell < 81; ++cell) {
        if (pick(rng, 81) >= keep) {
            grid.cells[cell / 9][cell % 9] = 0;
        }
    }
    for (std::int32_t k = pick(rng, strays); k > 0; --k) {
        const std::int32_t cell = pick(rng, 81);
        grid.cells[cell / 9][cell % 9] = pick(rng, 9) + 1;
    }
    return grid;
}

} // namespace

TEST(ThisIsTheEnd, KeepsTheFirstStopsAtTheSecond)
{
    Board work(solved);
    Board sol(puzzle);
    std::int32_t count = 0;
    EXPECT_EQ(this_is_the_end(work.tab(), sol.tab(), count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sol.text(), solved);
    work.cells[0][0] = 9;
    EXPECT_EQ(this_is_the_end(work.tab(), sol.tab(), count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(sol.text(), solved) << "the second grid is not copied";
}

TEST(SolveSudoku, UniqueSolutionWalksToTheEnd)
{
    const Search s = search(puzzle);
    EXPECT_EQ(s.stopped, 0);
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.sol.text(), solved);
    EXPECT_EQ(s.work.text(), puzzle) << "the working grid is as it was read";
}

TEST(SolveSudoku, CompleteGridIsOneSolution)
{
    const Search s = search(solved);
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.sol.text(), solved);
    EXPECT_EQ(s.work.text(), solved);
}

// The givens do not conflict, but the last cell can only be 9 and its
// column holds one already; the plain walk would try every filling of the
// first eight rows before finding that out.
TEST(SolveSudoku, NoSolutionLeavesBothGridsAsRead)
{
    const std::string text = "........9" + std::string(63, '.') + "12345678.";
    const Search s = search(text);
    EXPECT_EQ(s.stopped, 0);
    EXPECT_EQ(s.count, 0);
    EXPECT_EQ(s.work.text(), text);
    EXPECT_EQ(s.sol.text(), text);
}

// Stopped at the second solution: the solution grid holds the least
// solution in row-major order, the working grid the next one.
TEST(SolveSudoku, StoppedSearchHoldsTheTwoLeastSolutions)
{
    const std::string empty(81, '.');
    const Search s = search(empty);
    EXPECT_EQ(s.stopped, 1);
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.sol.text(), "123456789456789123789123456214365897365897214897214365"
                            "531642978642978531978531642");
    EXPECT_EQ(s.work.text(), "123456789456789123789123456214365897365897214897214365"
                             "531642978648971532972538641");

    // Two solutions only, differing in four cells: the same two, in order.
    std::string two = solved;
    for (const std::size_t i : {1U, 2U, 64U, 65U}) {
        two[i] = '.';
    }
    Board a(two);
    Board b(two);
    const PlainResult plain = plain_search(a, b, 1000000);
    ASSERT_TRUE(plain.finished);
    ASSERT_EQ(plain.count, 2);
    const Search t = search(two);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.sol.text(), b.text());
    EXPECT_EQ(t.work.text(), a.text());
}

// On random partial grids, givens in conflict included, the bounded search
// and the plain walk end in the same states: the same result and counter,
// the same solution grid and the same working grid.
TEST(SolveSudoku, SameStatesAsThePlainWalk)
{
    std::mt19937 rng(20240611);
    std::int32_t compared = 0;
    std::int32_t counts[3] = {};
    for (std::int32_t round = 0; round < 400; ++round) {
        const Board grid = partial_grid(rng, pick(rng, 40) + 28, 4);
        Board pwork = grid;
        Board psol = grid;
        const PlainResult plain = plain_search(pwork, psol, 200000);
        if (!plain.finished) {
            continue;
        }
        Board work = grid;
        Board sol = grid;
        std::int32_t count = 0;
        const std::int32_t stopped = solve_sudoku(work.tab(), sol.tab(), count, 0);
        ASSERT_EQ(stopped, plain.stopped) << grid.text();
        ASSERT_EQ(count, plain.count) << grid.text();
        ASSERT_EQ(sol.text(), psol.text()) << grid.text();
        ASSERT_EQ(work.text(), pwork.text()) << grid.text();
        ++compared;
        ++counts[count];
    }
    EXPECT_GT(compared, 300);
    EXPECT_GT(counts[0], 20) << "puzzles without a solution";
    EXPECT_GT(counts[1], 20) << "puzzles with one";
    EXPECT_GT(counts[2], 20) << "puzzles with more";
}

// The check against an exhaustive search: a grid with `value` at (row, col)
// can be completed exactly when the plain walk, from that grid, reaches a
// complete grid. Whatever the cell holds beforehand is not looked at. The
// check set up once for the cell and asked value by value agrees with it.
TEST(CanComplete, AgreesWithExhaustiveSearch)
{
    std::mt19937 rng(7);
    std::int32_t answers[2] = {};
    for (std::int32_t round = 0; round < 300; ++round) {
        const Board grid = partial_grid(rng, pick(rng, 35) + 30, 3);
        std::int32_t at = pick(rng, 81);
        while (grid.cells[at / 9][at % 9] != 0) {
            at = (at + 1) % 81;
        }
        const std::int32_t row = at / 9;
        const std::int32_t col = at % 9;
        std::int32_t known = 0;     // values the plain walk settled
        std::int32_t completes = 0; // those among them that complete
        for (std::int32_t v = 1; v <= 9; ++v) {
            Board probe = grid;
            bool expected = test(probe.tab(), row, col, v) == 1;
            if (expected) {
                probe.cells[row][col] = v;
                Board sol = probe;
                const PlainResult plain = plain_search(probe, sol, 200000);
                if (!plain.finished) {
                    continue;
                }
                expected = plain.count > 0;
            }
            Board asked = grid;
            asked.cells[row][col] = pick(rng, 10);
            EXPECT_EQ(can_complete(asked.tab(), row, col, v), expected ? 1 : 0)
                << grid.text() << " value " << v << " at (" << row << ", " << col << ")";
            ++answers[expected ? 1 : 0];
            known |= 1 << (v - 1);
            completes |= expected ? 1 << (v - 1) : 0;
        }
        // The check set up once for the cell gives the same answers.
        Board asked = grid;
        asked.cells[row][col] = pick(rng, 10);
        CellCheck check;
        check_cell(check, asked.tab(), row, col);
        std::int32_t answered = 0;
        for (std::int32_t v = 1; v <= 9; ++v) {
            answered |= check_value(check, v) << (v - 1);
        }
        EXPECT_EQ(answered & known, completes)
            << grid.text() << " at (" << row << ", " << col << ")";
    }
    EXPECT_GT(answers[0], 300);
    EXPECT_GT(answers[1], 100);
}

// A puzzle whose only candidate cells open onto no completion at once: the
// check answers without branching to the end of every row.
TEST(CanComplete, SeesThroughDeepContradictions)
{
    // Column 8 holds an 8 and column 7 too, so the last two cells of the
    // bottom row both need the 9.
    Board b;
    b.cells[0][7] = 8;
    b.cells[3][8] = 8;
    for (std::int32_t c = 0; c < 7; ++c) {
        b.cells[8][c] = c + 1;
    }
    for (std::int32_t v = 1; v <= 9; ++v) {
        EXPECT_EQ(can_complete(b.tab(), 0, 0, v), 0) << v;
    }
    Board empty;
    for (std::int32_t v = 1; v <= 9; ++v) {
        EXPECT_EQ(can_complete(empty.tab(), 4, 4, v), 1) << v;
    }
}

TEST(SudokuMain, SolutionIs162WritesOfOneByte)
{
    const std::string out = run_main(row_args(puzzle));
    EXPECT_EQ(out, printed(solved));
    ASSERT_EQ(seam::count(Call::write), 162U);
    for (const seam::Record &r : seam::log()) {
        if (r.call == Call::write) {
            EXPECT_EQ(r.fd, 1);
            EXPECT_EQ(r.size, 1U);
        }
    }
    EXPECT_EQ(seam::count(Call::malloc), 20U) << "two grids of ten allocations";
}

TEST(SudokuMain, ErrorIsOneWriteOfSixBytes)
{
    const std::vector<std::vector<std::string>> cases = {
        {},                                        // no rows: nothing is read
        std::vector<std::string>(8, "........."),  // eight
        std::vector<std::string>(10, "........."), // ten
        std::vector<std::string>(9, "........."),  // many solutions
        row_args("5" + puzzle.substr(1)),          // conflicting givens
    };
    const std::size_t allocations[] = {0, 0, 0, 20, 20};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(run_main(cases[i]), "Error\n") << i;
        ASSERT_EQ(seam::count(Call::write), 1U) << i;
        EXPECT_EQ(seam::log().back().fd, 1);
        EXPECT_EQ(seam::log().back().size, 6U);
        EXPECT_EQ(seam::count(Call::malloc), allocations[i]) << i;
    }
}

// Either grid failing to be allocated, at any of its ten allocations, ends
// in the same six bytes.
TEST(SudokuMain, FailedAllocationIsAnError)
{
    for (std::size_t nth = 1; nth <= 20; ++nth) {
        seam::reset();
        seam::fail(Call::malloc, nth, ENOMEM);
        EXPECT_EQ(run_main(row_args(puzzle)), "Error\n") << nth;
        EXPECT_EQ(seam::count(Call::malloc), nth) << "no allocation after the failed one";
        EXPECT_EQ(seam::count(Call::write), 1U);
    }
    seam::reset();
}
