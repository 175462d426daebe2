#include "core/menu/menu_rules.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(MenuRules, SwitchesDecideWhichBoxesMayChange) {
    const struct {
        int timer, timeLapse, serial;
        MenuEditStates expected;
    } cases[] = {
        // The states the dialog opens with: every switch off.
        {0, 1, 0, {false, false, false}},
        {1, 1, 0, {true, false, false}},
        // Time lapse runs "On", "Off": entry 0 is on.
        {0, 0, 0, {false, true, false}},
        {0, 1, 1, {false, false, true}},
        // No selection counts as on, as the dialog's handlers compare with "Off".
        {-1, -1, -1, {true, true, true}},
    };
    for (const auto& c : cases) {
        const MenuEditStates s = MenuEditStatesFor(c.timer, c.timeLapse, c.serial);
        EXPECT_EQ(s.timerEditable, c.expected.timerEditable) << c.timer;
        EXPECT_EQ(s.timeLapseEditable, c.expected.timeLapseEditable) << c.timeLapse;
        EXPECT_EQ(s.serialCharactersEnabled, c.expected.serialCharactersEnabled) << c.serial;
    }
}

TEST(MenuRules, NumberBoxesPutBackWhatIsOutOfRange) {
    constexpr int kSec = 0;
    constexpr int kMin = 1;
    const struct {
        MenuField box;
        int value;
        int unit;
        std::optional<int> expected;
    } cases[] = {
        {MenuField::VideoLength, 0, -1, 10},
        {MenuField::VideoLength, 61, -1, 10},
        {MenuField::VideoLength, 1, -1, std::nullopt},
        {MenuField::VideoLength, 60, -1, std::nullopt},
        {MenuField::Interval, 0, kSec, std::nullopt}, // stored as 128
        {MenuField::Interval, 0, kMin, 1},
        {MenuField::Interval, 75, kSec, 1},
        {MenuField::Interval, 61, kMin, 1},
        {MenuField::Interval, 60, kMin, std::nullopt},
        {MenuField::Interval, 75, -1, std::nullopt},
        {MenuField::TimerStartHour, 24, -1, 0},
        {MenuField::TimerStopHour, 23, -1, std::nullopt},
        {MenuField::TimeLapseHours, 25, -1, 0},
        {MenuField::TimerStartMinute, 60, -1, 0},
        {MenuField::TimerStopMinute, 59, -1, std::nullopt},
        {MenuField::TimeLapseMinutes, 75, -1, 0},
        {MenuField::TimeLapseSeconds, 60, -1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CorrectMenuNumber(c.box, c.value, c.unit), c.expected)
            << MenuFieldOf(c.box).name << " " << c.value << " unit " << c.unit;
    }
}

} // namespace
} // namespace rosmossel
