// The drawing routines of one drawer. This file is built once for each of the
// five programs: RECT_PROGRAM names the program whose routines the test
// executable links, and RECT_SUITE gives its tests names of their own.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>

#include "drawings.h"
#include "rect.h"
#include "support.h"

using seam::Call;

namespace
{

constexpr std::int32_t max = INT32_MAX;

const Drawings &expected = drawings_of(RECT_PROGRAM);

// The classes of cell, in the order of the glyphs in Drawings::glyphs.
enum Cell { top_left, top_right, bottom_left, bottom_right, horizontal, vertical, interior };

char glyph(Cell cell)
{
    return expected.glyphs.at(static_cast<std::size_t>(cell));
}

std::string row(Cell first, Cell middle, Cell last, std::size_t width)
{
    return glyph(first) + std::string(width - 2, glyph(middle)) + glyph(last) + "\n";
}

} // namespace

TEST(RECT_SUITE, KnowsItsDrawings)
{
    ASSERT_EQ(expected.program, RECT_PROGRAM);
    ASSERT_EQ(expected.glyphs.size(), 7U);
}

TEST(RECT_SUITE, DisplayWritesTheGlyphOfEachClassOfCell)
{
    const struct {
        std::int32_t width, height, column, row;
        Cell cell;
    } cases[] = {
        // One cell: the top-left corner takes it.
        {1, 1, 1, 1, top_left},
        // One line: its ends are the top corners, never the bottom ones.
        {4, 1, 1, 1, top_left},
        {4, 1, 2, 1, horizontal},
        {4, 1, 3, 1, horizontal},
        {4, 1, 4, 1, top_right},
        // One column: its ends are the left corners, never the right ones.
        {1, 4, 1, 1, top_left},
        {1, 4, 1, 2, vertical},
        {1, 4, 1, 3, vertical},
        {1, 4, 1, 4, bottom_left},
        // Two by two: corners only.
        {2, 2, 1, 1, top_left},
        {2, 2, 2, 1, top_right},
        {2, 2, 1, 2, bottom_left},
        {2, 2, 2, 2, bottom_right},
        // Five by three: every class.
        {5, 3, 1, 1, top_left},
        {5, 3, 3, 1, horizontal},
        {5, 3, 5, 1, top_right},
        {5, 3, 1, 2, vertical},
        {5, 3, 2, 2, interior},
        {5, 3, 4, 2, interior},
        {5, 3, 5, 2, vertical},
        {5, 3, 1, 3, bottom_left},
        {5, 3, 2, 3, horizontal},
        {5, 3, 5, 3, bottom_right},
        // The greatest sizes.
        {max, max, 1, 1, top_left},
        {max, max, max, 1, top_right},
        {max, max, 1, max, bottom_left},
        {max, max, max, max, bottom_right},
        {max, max, max - 1, 1, horizontal},
        {max, max, 2, max, horizontal},
        {max, max, 1, 2, vertical},
        {max, max, max, max - 1, vertical},
        {max, max, 2, 2, interior},
        {max, max, max - 1, max - 1, interior},
    };
    for (const auto &c : cases) {
        const std::string out = capture([&] { display(c.width, c.height, c.column, c.row); });
        EXPECT_EQ(out, std::string(1, glyph(c.cell)))
            << c.width << "x" << c.height << " at column " << c.column << ", row " << c.row;
        ASSERT_EQ(seam::log().size(), 1U);
        EXPECT_EQ(seam::log()[0].call, Call::write);
        EXPECT_EQ(seam::log()[0].fd, 1);
        EXPECT_EQ(seam::log()[0].size, 1U);
    }
}

TEST(RECT_SUITE, RushDrawsTheWorkedDrawings)
{
    EXPECT_EQ(capture([] { rush(1, 1); }), expected.d1x1);
    EXPECT_EQ(capture([] { rush(3, 1); }), expected.d3x1);
    EXPECT_EQ(capture([] { rush(1, 3); }), expected.d1x3);
    EXPECT_EQ(capture([] { rush(2, 2); }), expected.d2x2);
    EXPECT_EQ(capture([] { rush(5, 3); }), expected.d5x3);
}

TEST(RECT_SUITE, RushDrawsRowByRowLeftToRight)
{
    const std::string edge = row(vertical, interior, vertical, 6);
    EXPECT_EQ(capture([] { rush(6, 4); }), row(top_left, horizontal, top_right, 6) + edge + edge +
                                               row(bottom_left, horizontal, bottom_right, 6));
}

TEST(RECT_SUITE, RushMakesOneWriteOfOneBytePerGlyphAndLineFeed)
{
    const struct {
        std::int32_t width, height;
    } sizes[] = {{1, 1}, {7, 1}, {1, 7}, {2, 2}, {5, 3}, {64, 9}};
    for (const auto &s : sizes) {
        const std::string out = capture([&] { rush(s.width, s.height); });
        const auto cells =
            static_cast<std::size_t>(s.height) * (static_cast<std::size_t>(s.width) + 1);
        EXPECT_EQ(out.size(), cells) << s.width << "x" << s.height;
        ASSERT_EQ(seam::log().size(), cells) << s.width << "x" << s.height;
        for (const seam::Record &r : seam::log()) {
            EXPECT_EQ(r.call, Call::write);
            EXPECT_EQ(r.fd, 1);
            EXPECT_EQ(r.size, 1U);
        }
        // Every line holds exactly width glyphs before its line feed.
        for (std::size_t at = static_cast<std::size_t>(s.width); at < out.size();
             at += static_cast<std::size_t>(s.width) + 1) {
            EXPECT_EQ(out[at], '\n') << s.width << "x" << s.height << " at " << at;
        }
    }
}

TEST(RECT_SUITE, RushDrawsNothingForASizeBelowOne)
{
    const struct {
        std::int32_t width, height;
    } sizes[] = {
        {0, 0},         {0, 3},           {3, 0},           {-1, 3},  {3, -1},
        {INT32_MIN, 3}, {3, INT32_MIN},   {0, max},         {max, 0}, {-1, max},
        {max, -1},      {max, INT32_MIN}, {INT32_MIN, max},
    };
    // A drawer that missed the check would walk up to 2^31 - 1 rows or
    // columns here: writes fail and go unrecorded, so that it costs time and
    // not the machine's memory, and the count still shows every attempt.
    for (const auto &s : sizes) {
        seam::reset();
        seam::fail(Call::write, 1, EBADF, true);
        seam::record(false);
        EXPECT_EQ(capture([&] { rush(s.width, s.height); }), "") << s.width << "x" << s.height;
        EXPECT_EQ(seam::count(Call::write), 0U) << s.width << "x" << s.height;
    }
    seam::reset();
}

TEST(RECT_SUITE, RushGoesOnPastFailingWrites)
{
    seam::reset();
    seam::fail(Call::write, 3, EIO);
    std::string out = capture([] { rush(5, 3); });
    EXPECT_EQ(out, std::string(expected.d5x3).erase(2, 1));
    EXPECT_EQ(seam::count(Call::write), 18U);

    seam::fail(Call::write, 1, EBADF, true);
    out = capture([] { rush(5, 3); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(seam::count(Call::write), 18U);
    seam::reset();
}
