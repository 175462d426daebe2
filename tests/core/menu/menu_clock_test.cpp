#include "core/menu/menu_clock.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(MenuClock, YearIsHeldToTheCamerasRange) {
    const std::pair<int, int> cases[] = {{2009, 2011}, {1970, 2011}, {2010, 2010},
                                         {2024, 2024}, {2031, 2031}, {2032, 2031}};
    for (const auto& [year, expected] : cases) {
        SetClockSource([year = year] { return ClockValue{year, 2, 29, 23, 59, 58}; });
        EXPECT_EQ(CaptureClock(), (ClockValue{expected, 2, 29, 23, 59, 58})) << year;
    }
    SetClockSource({});
}

TEST(MenuClock, ThreeDateFormats) {
    const ClockValue clock{2012, 3, 4, 5, 6, 7};
    EXPECT_EQ(FormatClock(clock, 0), "2012/03/04 05:06:07");
    EXPECT_EQ(FormatClock(clock, 1), "03/04/2012 05:06:07");
    EXPECT_EQ(FormatClock(clock, 2), "04/03/2012 05:06:07");
    EXPECT_EQ(FormatClock(clock, -1), std::nullopt);
    EXPECT_EQ(FormatClock({2031, 12, 31, 23, 59, 59}, 0), "2031/12/31 23:59:59");
}

TEST(MenuClock, LocalClockIsPlausible) {
    SetClockSource({});
    const ClockValue now = CaptureClock();
    EXPECT_GE(now.year, 2010);
    EXPECT_LE(now.year, 2031);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

} // namespace
} // namespace rosmossel
