// A size of 2^31 - 1, the greatest 32-bit value, draws that many columns or
// rows and stops there. Such a drawing is billions of writes: every write is
// made to fail, so nothing is printed, and the seams count the calls without
// keeping a log of them. The count is exact, so a loop that stopped early or
// went on past its bound is caught; under the sanitizers, a counter stepped
// past the greatest value is caught as well.
//
// The drawing code is the same for every glyph set, so one set serves.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>

#include "rect.h"
#include "support.h"

using seam::Call;

namespace
{

std::size_t writes_of(std::int32_t width, std::int32_t height)
{
    seam::reset();
    seam::fail(Call::write, 1, EBADF, true);
    seam::record(false);
    const std::string out = capture([&] { rush(width, height); });
    const std::size_t writes = seam::count(Call::write);
    seam::reset();
    EXPECT_EQ(out, "");
    return writes;
}

} // namespace

TEST(RushBounds, GreatestWidth)
{
    // 2^31 - 1 glyphs and one line feed.
    EXPECT_EQ(writes_of(INT32_MAX, 1), 2147483648U);
}

TEST(RushBounds, GreatestHeight)
{
    // 2^31 - 1 lines of one glyph and a line feed.
    EXPECT_EQ(writes_of(1, INT32_MAX), 4294967294U);
}
