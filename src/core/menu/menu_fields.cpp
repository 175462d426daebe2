#include "core/menu/menu_fields.h"

#include <algorithm>
#include <stdexcept>

namespace rosmossel {
namespace {

// Read and write access to one value of the settings.
#define MENU_VALUE(expr)                                                                           \
    [](MenuSettings& s) -> int& { return s.expr; }, [](const MenuSettings& s) { return s.expr; }

std::vector<MenuFieldInfo> rowsOf(Family family) {
    const MenuOptionLists& l = MenuOptions(family);
    const auto list = [](const std::vector<std::string>& entries) {
        return static_cast<int>(entries.size()) - 1;
    };
    using F = MenuField;
    const bool quill = family == Family::Quill;
    constexpr ClockValue kStart{}; // the clock a dialog holds before it reads the time
    constexpr std::optional<int> kKept;
    // The four serial characters differ only in their byte and member.
    const auto serial = [&](F field, std::size_t offset, int& (*value)(MenuSettings&),
                            int (*of)(const MenuSettings&)) {
        // clang-format off
        return MenuFieldInfo{field, offset, "serial_characters", "serial character", 0,
                             list(l.serialCharacters), 0, 0, 0, 0, &l.serialCharacters, value, of};
        // clang-format on
    };
    std::vector<MenuFieldInfo> rows = {
        {F::CameraMode, 0, "camera_mode", "camera mode", 0, list(l.cameraMode), 0, 0, 0, 0,
         &l.cameraMode, MENU_VALUE(cameraMode)},
        {F::ImageSize, 1, "image_size", "image size", 0, list(l.imageSize), 0, 0, 0, 0,
         &l.imageSize, MENU_VALUE(imageSize)},
        {F::VideoSize, 2, "video_size", "video size", 0, list(l.videoSize), 0, 0, quill ? 1 : 0, 0,
         &l.videoSize, MENU_VALUE(videoSize)},
        {F::PicturesPerTrigger, 3, "pictures_per_trigger", "pictures per trigger", 0,
         list(l.picturesPerTrigger), 0, 0, 0, 0, &l.picturesPerTrigger,
         MENU_VALUE(picturesPerTrigger)},
        // Stored as seconds minus one.
        {F::VideoLength, 4, "video_length_seconds", "video length", 1, 60, 10, -1, 10, 10, nullptr,
         MENU_VALUE(videoLengthSeconds)},
        {F::TimeStamp, 5, "time_stamp", "time stamp", 0, list(l.timeStamp), 0, 0, 0, 0,
         &l.timeStamp, MENU_VALUE(timeStamp)},
        // Stored with its unit in one byte; EncodeInterval says how.
        {F::Interval, 6, "interval", "interval", 0, 60, 1, 0, 1, kKept, nullptr,
         MENU_VALUE(intervalValue)},
        {F::IntervalUnit, 6, "interval_unit", "interval unit", 0, list(l.intervalUnit), 0, 0, 1, 1,
         &l.intervalUnit, MENU_VALUE(intervalUnit)},
        {F::Sensitivity, 7, "sense_level", "sensitivity", 0, list(l.sensitivity), 0, 0, 0, 0,
         &l.sensitivity, MENU_VALUE(sensitivity)},
        {F::SidePir, 9, "side_pir", "side PIR", 0, list(l.onOff), 0, 0, 1, 1, &l.onOff,
         MENU_VALUE(sidePir)},
        {F::Timer, 8, "timer", "timer", 0, list(l.onOff), 0, 0, 0, 0, &l.onOff, MENU_VALUE(timer)},
        {F::TimerStartHour, 20, "timer_start_hour", "timer start hour", 0, 23, 0, 0, 0, 0, nullptr,
         MENU_VALUE(timerStartHour)},
        {F::TimerStartMinute, 21, "timer_start_minute", "timer start minute", 0, 59, 0, 0, 0, 0,
         nullptr, MENU_VALUE(timerStartMinute)},
        {F::TimerStopHour, 22, "timer_stop_hour", "timer stop hour", 0, 23, 0, 0, 0, 0, nullptr,
         MENU_VALUE(timerStopHour)},
        {F::TimerStopMinute, 23, "timer_stop_minute", "timer stop minute", 0, 59, 0, 0, 0, 0,
         nullptr, MENU_VALUE(timerStopMinute)},
        {F::SerialNumber, 24, "serial_number", "serial number", 0, list(l.onOff), 0, 0, 0, 0,
         &l.onOff, MENU_VALUE(serialNumber)},
        serial(F::SerialCharacter1, 25, MENU_VALUE(serialCharacters[0])),
        serial(F::SerialCharacter2, 26, MENU_VALUE(serialCharacters[1])),
        serial(F::SerialCharacter3, 27, MENU_VALUE(serialCharacters[2])),
        serial(F::SerialCharacter4, 28, MENU_VALUE(serialCharacters[3])),
        {F::TimeLapse, 10, "time_lapse", "time lapse", 0, list(l.timeLapse), 0, 0, 1, 1,
         &l.timeLapse, MENU_VALUE(timeLapse)},
        {F::TimeLapseHours, 11, "time_lapse_hours", "time-lapse hours", 0, 23, 0, 0, 0, 0, nullptr,
         MENU_VALUE(timeLapseHours)},
        {F::TimeLapseMinutes, 12, "time_lapse_minutes", "time-lapse minutes", 0, 59, 0, 0, 0, 0,
         nullptr, MENU_VALUE(timeLapseMinutes)},
        {F::TimeLapseSeconds, 13, "time_lapse_seconds", "time-lapse seconds", 0, 59, 0, 0, 0, 0,
         nullptr, MENU_VALUE(timeLapseSeconds)},
        // The camera counts years from 2010.
        {F::ClockYear, 14, "clock", "clock year", 2010, 2031, 2010, -2010, kStart.year, kKept,
         nullptr, MENU_VALUE(clock.year)},
        {F::ClockMonth, 15, "clock", "clock month", 1, 12, 1, 0, kStart.month, kKept, nullptr,
         MENU_VALUE(clock.month)},
        {F::ClockDay, 16, "clock", "clock day", 1, 31, 1, 0, kStart.day, kKept, nullptr,
         MENU_VALUE(clock.day)},
        {F::ClockHour, 17, "clock", "clock hour", 0, 23, 0, 0, kStart.hour, kKept, nullptr,
         MENU_VALUE(clock.hour)},
        {F::ClockMinute, 18, "clock", "clock minute", 0, 59, 0, 0, kStart.minute, kKept, nullptr,
         MENU_VALUE(clock.minute)},
        {F::ClockSecond, 19, "clock", "clock second", 0, 59, 0, 0, kStart.second, kKept, nullptr,
         MENU_VALUE(clock.second)},
        {F::BeepSound, 31, "beep_sound", "beep sound", 0, list(l.onOff), 0, 0, 1, kKept, &l.onOff,
         MENU_VALUE(beepSound)},
        {F::SdCycle, 32, "sd_cycle", "SD cycle", 0, list(l.onOff), 0, 0, 0, kKept, &l.onOff,
         MENU_VALUE(sdCycle)},
        {F::Language, 29, "language", "language", 1, 9, 2, 0, 2, kKept, nullptr,
         MENU_VALUE(languageCode)},
        // Any byte: the tool only copies it.
        {F::TvMode, 30, "tv_mode", "TV mode", 0, 255, 0, 0, 0, kKept, nullptr, MENU_VALUE(tvMode)},
    };
    if (!quill) {
        std::erase_if(rows, [](const MenuFieldInfo& row) {
            return row.field == F::BeepSound || row.field == F::SdCycle;
        });
    }
    return rows;
}

#undef MENU_VALUE

} // namespace

std::span<const MenuFieldInfo> MenuFields(Family family) {
    static const std::vector<MenuFieldInfo> quill = rowsOf(Family::Quill);
    static const std::vector<MenuFieldInfo> sedge = rowsOf(Family::Sedge);
    return family == Family::Quill ? quill : sedge;
}

const MenuFieldInfo& MenuFieldOf(MenuField field, Family family) {
    for (const std::span<const MenuFieldInfo> rows :
         {MenuFields(family), MenuFields(Family::Quill)}) {
        const auto it = std::find_if(rows.begin(), rows.end(), [field](const MenuFieldInfo& row) {
            return row.field == field;
        });
        if (it != rows.end()) {
            return *it;
        }
    }
    throw std::logic_error("menu field without a row");
}

bool SharesKeyWithPreviousRow(MenuField field) {
    using F = MenuField;
    return (field > F::SerialCharacter1 && field <= F::SerialCharacter4) ||
           (field > F::ClockYear && field <= F::ClockSecond);
}

NumberBoxRange MenuNumberBox(MenuField field) {
    const MenuFieldInfo& row = MenuFieldOf(field);
    return {row.min, row.max, row.resetTo};
}

MenuSettings MenuSettingsAfterDefault(MenuSettings s) {
    for (const MenuFieldInfo& row : MenuFields(s.family)) {
        if (row.afterDefault) {
            row.value(s) = *row.afterDefault;
        }
    }
    return s;
}

int MinimumInterval(int unit) {
    return unit == 1 ? 1 : MenuFieldOf(MenuField::Interval).min;
}

} // namespace rosmossel
