#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "grids.h"
#include "sudoku.h"
#include "support.h"

namespace
{

const std::string sudoku = program_path("sudoku");

// One line of the puzzle table: a name, the expected output ("Error" or the
// 81 digits of the solution) and the arguments after the program name.
struct Case {
    std::string name;
    std::string expected;
    std::vector<std::string> args;
    int line;
};

std::string decode(const std::string &token)
{
    if (token == "\"\"") {
        return "";
    }
    std::string out;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (token.compare(i, 2, "\\x") == 0 && i + 4 <= token.size()) {
            out.push_back(static_cast<char>(std::stoi(token.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(token[i]);
        }
    }
    return out;
}

std::vector<Case> table()
{
    std::ifstream in(SUDOKU_TEST_DIR "/puzzles.txt");
    std::vector<Case> cases;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        Case c{{}, {}, {}, number};
        fields >> c.name >> c.expected;
        for (std::string token; fields >> token;) {
            c.args.push_back(decode(token));
        }
        cases.push_back(c);
    }
    return cases;
}

// What the program prints for an expected output of the table.
std::string printed(const std::string &expected)
{
    if (expected == "Error") {
        return "Error\n";
    }
    std::string out;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        out += expected[i];
        out += i % 9 == 8 ? '\n' : ' ';
    }
    return out;
}

// The grids of a run are never released; under the leak checker the
// program is told so through its environment, which run() passes on.
RunResult solve(const std::vector<std::string> &args)
{
    setenv("LSAN_OPTIONS", "suppressions=" SUDOKU_TEST_DIR "/lsan.supp:print_suppressions=0", 1);
    std::vector<std::string> argv{"sudoku"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(sudoku, argv);
}

} // namespace

// The table itself: every expected solution is a complete, valid grid that
// keeps the puzzle's givens in place.
TEST(SudokuTable, SolutionsKeepTheGivens)
{
    const std::vector<Case> cases = table();
    ASSERT_GT(cases.size(), 40U);
    for (const Case &c : cases) {
        if (c.expected == "Error") {
            continue;
        }
        ASSERT_EQ(c.expected.size(), 81U) << c.name;
        ASSERT_EQ(c.args.size(), 9U) << c.name;
        Board sol(c.expected);
        EXPECT_EQ(sol.text(), c.expected) << c.name;
        EXPECT_EQ(is_valid(sol.tab()), 1) << c.name;
        for (std::size_t i = 0; i < 81; ++i) {
            const char given = c.args[i / 9][i % 9];
            if (given != '.') {
                EXPECT_EQ(given, c.expected[i]) << c.name << " cell " << i;
            }
        }
    }
}

TEST(SudokuProgram, PuzzleTable)
{
    for (const Case &c : table()) {
        const RunResult r = solve(c.args);
        EXPECT_EQ(r.out, printed(c.expected)) << c.name << " (line " << c.line << ")";
        EXPECT_EQ(r.err, "") << c.name;
        EXPECT_EQ(r.status, 0) << c.name;
    }
}

TEST(SudokuProgram, EmptyArgumentVector)
{
    setenv("LSAN_OPTIONS", "suppressions=" SUDOKU_TEST_DIR "/lsan.supp:print_suppressions=0", 1);
    const RunResult r = run(sudoku, {});
    EXPECT_EQ(r.out, "Error\n");
    EXPECT_EQ(r.status, 0);
}
