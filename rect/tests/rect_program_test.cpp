// The five drawers as built, run with real argument vectors; every byte of
// their output and their exit status are compared.
#include <gtest/gtest.h>

#include "drawings.h"
#include "support.h"

namespace
{

RunResult draw(const std::string &program, const std::vector<std::string> &args)
{
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(program_path(program), argv, {.input = "standard input is never read"});
}

void expect_drawing(const std::string &program, const std::vector<std::string> &args,
                    const std::string &out)
{
    const RunResult r = draw(program, args);
    EXPECT_EQ(r.out, out) << program << " " << testing::PrintToString(args);
    EXPECT_EQ(r.err, "") << program << " " << testing::PrintToString(args);
    EXPECT_EQ(r.status, 0) << program << " " << testing::PrintToString(args);
}

} // namespace

TEST(RectProgram, WorkedDrawings)
{
    for (const Drawings &d : all_drawings()) {
        expect_drawing(d.program, {"1", "1"}, d.d1x1);
        expect_drawing(d.program, {"3", "1"}, d.d3x1);
        expect_drawing(d.program, {"1", "3"}, d.d1x3);
        expect_drawing(d.program, {"2", "2"}, d.d2x2);
        expect_drawing(d.program, {"5", "3"}, d.d5x3);
    }
    // The whole output of one drawer, spelled out byte for byte.
    EXPECT_EQ(draw("rect_rows", {"5", "3"}).out, "ABBBA\nB   B\nCBBBC\n");
}

TEST(RectProgram, OnlyExactlyTwoArgumentsDraw)
{
    for (const Drawings &d : all_drawings()) {
        expect_drawing(d.program, {}, "");
        expect_drawing(d.program, {"5"}, "");
        expect_drawing(d.program, {"5", "3", "1"}, "");
        expect_drawing(d.program, {"5", "3", "5", "3"}, "");

        // No argument vector at all: not even a program name.
        const RunResult r = run(program_path(d.program), {});
        EXPECT_EQ(r.out, "") << d.program;
        EXPECT_EQ(r.status, 0) << d.program;
    }
}

TEST(RectProgram, SizesAreReadAsNumbers)
{
    const std::vector<std::string> five_by_three[] = {
        {" +5", "3xyz"},     {"\t5", "3"},  {"5", " \t\n\v\f\r3"},
        {"+5", "+3"},        {"005", "03"}, {"4294967301", "3"}, // 2^32 + 5 wraps to 5
        {"5", "4294967299"},                                     // 2^32 + 3 wraps to 3
    };
    for (const Drawings &d : all_drawings()) {
        for (const auto &args : five_by_three) {
            expect_drawing(d.program, args, d.d5x3);
        }
    }
}

TEST(RectProgram, NothingForASizeThatIsNotAtLeastOne)
{
    const std::vector<std::string> nothing[] = {
        {"0", "3"},
        {"5", "0"},
        {"0", "0"},
        {"-5", "3"},
        {"5", "-3"},
        {"-0", "3"},
        {"abc", "3"},
        {"5", "abc"},
        {"", "3"},
        {"5", ""},
        {"--5", "3"},
        {"+-5", "3"},
        {"5", "--3"},
        {"- 5", "3"},
        {"x5", "3"},
        {"2147483648", "3"}, // 2^31 wraps to the most negative value
        {"5", "2147483648"},
        {"4294967295", "3"}, // 2^32 - 1 wraps to -1
        {"4294967296", "3"}, // 2^32 wraps to 0
        {"2147483647", "0"}, // the greatest width, drawn on no line
        {"-2147483648", "2147483647"},
    };
    for (const Drawings &d : all_drawings()) {
        for (const auto &args : nothing) {
            expect_drawing(d.program, args, "");
        }
    }
}

TEST(RectProgram, LargerDrawingsKeepTheirShape)
{
    // rect_diag and rect_cols differ in their last line alone.
    const RunResult diag = draw("rect_diag", {"4", "4"});
    const RunResult cols = draw("rect_cols", {"4", "4"});
    EXPECT_EQ(diag.out, "ABBC\nB  B\nB  B\nCBBA\n");
    EXPECT_EQ(cols.out, "ABBC\nB  B\nB  B\nABBC\n");

    // 200 by 100: one line of 200 glyphs and a line feed per row.
    constexpr std::size_t line = 201;
    const RunResult big = draw("rect_star", {"200", "100"});
    ASSERT_EQ(big.out.size(), 100 * line);
    const std::string middle = "*" + std::string(198, ' ') + "*\n";
    EXPECT_EQ(big.out.substr(0, line), "/" + std::string(198, '*') + "\\\n");
    for (std::size_t n = 1; n < 99; ++n) {
        EXPECT_EQ(big.out.substr(n * line, line), middle) << "line " << n;
    }
    EXPECT_EQ(big.out.substr(99 * line), "\\" + std::string(198, '*') + "/\n");
}
