#include <gtest/gtest.h>

#include <cerrno>

#include "grids.h"
#include "sudoku.h"
#include "support.h"

using seam::Call;

namespace
{

const std::string solved = "349581627786329154125674983461753298952148376"
                           "873962541217835469694217835538496712";

// Nine rows, the program name first.
Argv rows_of(std::vector<std::string> rows)
{
    rows.insert(rows.begin(), "sudoku");
    return Argv(std::move(rows));
}

std::int32_t **read_rows(std::vector<std::string> rows)
{
    Argv argv = rows_of(std::move(rows));
    std::int32_t **tab = nullptr;
    capture([&] { tab = read_tab(argv.data()); });
    return tab;
}

std::vector<std::size_t> malloc_sizes()
{
    std::vector<std::size_t> sizes;
    for (const seam::Record &r : seam::log()) {
        if (r.call == Call::malloc) {
            sizes.push_back(r.size);
        }
    }
    return sizes;
}

} // namespace

TEST(CreateTab, ReadsDigitsAndFullStops)
{
    std::vector<std::string> rows = row_args(solved);
    rows[0] = "53..7....";
    rows[8] = ".........";
    std::int32_t **tab = read_rows(rows);
    ASSERT_NE(tab, nullptr);
    const std::int32_t first[9] = {5, 3, 0, 0, 7, 0, 0, 0, 0};
    for (std::int32_t c = 0; c < 9; ++c) {
        EXPECT_EQ(tab[0][c], first[c]);
        EXPECT_EQ(tab[8][c], 0);
    }
    EXPECT_EQ(tab_text(tab).substr(9, 63), solved.substr(9, 63));
    EXPECT_TRUE(malloc_sizes() == std::vector<std::size_t>({9 * sizeof(std::int32_t *), 36, 36, 36,
                                                            36, 36, 36, 36, 36, 36}));
    EXPECT_EQ(seam::count(Call::write), 0U);
}

TEST(CreateTab, RefusesMalformedRows)
{
    const char *const bad[] = {
        "12345678",        "1234567890", "",          "1234.6780", "1234 6789", " 23456789",
        "12345678 ",       "1234a6789",  "A........", "-12345678", "+12345678", "........\t",
        "\xc3\xa9.......", // nine characters, ten bytes
        "........\xff",    ".:.......",  "/........",
    };
    for (const char *row : bad) {
        for (const std::size_t at : {0U, 4U, 8U}) {
            std::vector<std::string> rows(9, ".........");
            rows[at] = row;
            EXPECT_EQ(read_rows(rows), nullptr) << "row " << at << ": \"" << row << '"';
            EXPECT_EQ(seam::count(Call::write), 0U);
        }
    }
}

// A bad byte in row 2 and a wrong length in row 5: the reading stops in row
// 2, after the table and rows 0 to 2 were allocated, and the rows after 5
// (null here) are never touched.
TEST(CreateTab, StopsAtTheFirstFault)
{
    Argv argv = rows_of({"1........", ".2.......", "..x......", ".........", ".........",
                         "........", "x", "x", "x"});
    argv.ptrs[7] = nullptr;
    argv.ptrs[8] = nullptr;
    argv.ptrs[9] = nullptr;
    std::int32_t **tab = nullptr;
    capture([&] { tab = read_tab(argv.data()); });
    EXPECT_EQ(tab, nullptr);
    EXPECT_TRUE(malloc_sizes() ==
                std::vector<std::size_t>({9 * sizeof(std::int32_t *), 36, 36, 36}));
}

TEST(CreateTab, EachFailedAllocationGivesNull)
{
    for (std::size_t nth = 1; nth <= 10; ++nth) {
        seam::reset();
        seam::fail(Call::malloc, nth, ENOMEM);
        EXPECT_EQ(read_rows(row_args(solved)), nullptr) << "allocation " << nth;
        EXPECT_EQ(seam::count(Call::malloc), nth) << "no allocation after the failed one";
        EXPECT_EQ(seam::count(Call::write), 0U);
    }
    seam::reset();
}

TEST(CopyTab, CopiesEveryCell)
{
    Board src(solved);
    src.cells[4][4] = 0;
    Board dst(std::string(81, '9'));
    copy_tab(dst.tab(), src.tab());
    EXPECT_EQ(dst.text(), src.text());
}

TEST(PrintTab, NineLinesOneWritePerCharacter)
{
    Board b(solved);
    const std::string out = capture([&] { print_tab(b.tab()); });
    std::string expected;
    for (std::size_t i = 0; i < 81; ++i) {
        expected += solved[i];
        expected += i % 9 == 8 ? '\n' : ' ';
    }
    EXPECT_EQ(out, expected);
    EXPECT_EQ(out.substr(0, 18), "3 4 9 5 8 1 6 2 7\n");
    ASSERT_EQ(seam::log().size(), 162U);
    for (const seam::Record &r : seam::log()) {
        EXPECT_EQ(r.call, Call::write);
        EXPECT_EQ(r.fd, 1);
        EXPECT_EQ(r.size, 1U);
    }
}

TEST(PrintTab, FailingWritesAreNotLookedAt)
{
    Board b(solved);
    seam::reset();
    seam::fail(Call::write, 1, EBADF, true);
    capture([&] { print_tab(b.tab()); });
    EXPECT_EQ(seam::count(Call::write), 162U);
    seam::reset();
}

// The value is put in each cell of the grid in turn: test_case at (4, 4)
// sees it only in the four box corners off the row and the column.
TEST(TestCase, ReadsTheFourBoxCellsOffRowAndColumn)
{
    for (std::int32_t cell = 0; cell < 81; ++cell) {
        Board b;
        b.cells[cell / 9][cell % 9] = 7;
        const bool corner = cell == 30 || cell == 32 || cell == 48 || cell == 50;
        EXPECT_EQ(test_case(b.tab(), 4, 4, 7), corner ? 0 : 1) << "cell " << cell;
    }
}

// The same sweep for test: it refuses the value exactly when a peer holds
// it, and the cell itself never counts.
TEST(Test, RefusesAValueHeldByAPeerOnly)
{
    const std::int32_t at[][2] = {{0, 0}, {4, 4}, {8, 8}, {2, 6}, {7, 1}, {3, 5}};
    for (const auto &p : at) {
        for (std::int32_t cell = 0; cell < 81; ++cell) {
            const std::int32_t r = cell / 9;
            const std::int32_t c = cell % 9;
            const bool peer = (r == p[0]) != (c == p[1]) ||
                              (r / 3 == p[0] / 3 && c / 3 == p[1] / 3 && cell != p[0] * 9 + p[1]);
            Board b;
            b.cells[r][c] = 3;
            EXPECT_EQ(test(b.tab(), p[0], p[1], 3), peer ? 0 : 1)
                << "at (" << p[0] << ", " << p[1] << "), value in " << cell;
        }
    }
    Board full(solved);
    for (std::int32_t cell = 0; cell < 81; ++cell) {
        const std::int32_t r = cell / 9;
        const std::int32_t c = cell % 9;
        EXPECT_EQ(test(full.tab(), r, c, full.cells[r][c]), 1) << "cell " << cell;
    }
}

TEST(IsValid, FindsTheRepeatedDigit)
{
    EXPECT_EQ(is_valid(Board().tab()), 1);
    EXPECT_EQ(is_valid(Board(solved).tab()), 1);
    Board row;
    row.cells[2][1] = 6;
    row.cells[2][7] = 6;
    EXPECT_EQ(is_valid(row.tab()), 0);
    Board col;
    col.cells[0][5] = 9;
    col.cells[8][5] = 9;
    EXPECT_EQ(is_valid(col.tab()), 0);
    Board box; // same box, neither the same row nor the same column
    box.cells[6][3] = 4;
    box.cells[8][5] = 4;
    EXPECT_EQ(is_valid(box.tab()), 0);
    Board apart; // same digit, no shared unit
    apart.cells[0][0] = 4;
    apart.cells[4][4] = 4;
    apart.cells[8][8] = 4;
    EXPECT_EQ(is_valid(apart.tab()), 1);
    Board one(solved);
    one.cells[5][5] = one.cells[5][6];
    EXPECT_EQ(is_valid(one.tab()), 0);
}
