#pragma once

#include "core/menu/menu_record.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rosmossel {

// Every value of menu.dat, one byte each (the interval and its unit share one).
enum class MenuField {
    CameraMode,
    ImageSize,
    VideoSize,
    PicturesPerTrigger,
    VideoLength,
    TimeStamp,
    Interval,
    IntervalUnit,
    Sensitivity,
    SidePir,
    Timer,
    TimerStartHour,
    TimerStartMinute,
    TimerStopHour,
    TimerStopMinute,
    SerialNumber,
    SerialCharacter1,
    SerialCharacter2,
    SerialCharacter3,
    SerialCharacter4,
    TimeLapse,
    TimeLapseHours,
    TimeLapseMinutes,
    TimeLapseSeconds,
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    ClockSecond,
    BeepSound, // Quill only
    SdCycle,   // Quill only
    Language,
    TvMode,
};

// One row of the menu.dat table: where the value lives, what it is called,
// and which values the dialogs accept.
struct MenuFieldInfo {
    MenuField field;
    std::size_t offset;
    const char* name;  // in a builder's message; the serial characters share one
    const char* label; // the value's name in a decoder's problem
    int min;           // accepted values as the dialog holds them; a list's are its indices
    int max;
    int resetTo; // number boxes: what the dialog puts back for an entry out of range
    int bias;    // the byte stored is the value plus bias
    int opening; // what the dialog shows when it opens
    std::optional<int> afterDefault; // what Default puts back; none: Default keeps the value
    const std::vector<std::string>* entries; // a list's English entries; null for numbers
    int& (*value)(MenuSettings&);
    int (*of)(const MenuSettings&);

    bool isList() const { return entries != nullptr; }
};

// The family's rows in the order of a profile's keys; the Quill-only rows
// are absent from the Sedge table.
std::span<const MenuFieldInfo> MenuFields(Family family);

// The row of one field; the Quill table's row for a Quill-only field.
const MenuFieldInfo& MenuFieldOf(MenuField field, Family family = Family::Quill);

// The serial characters and the clock parts are one profile value each; the
// first row of such a group stands for the rows after it.
bool SharesKeyWithPreviousRow(MenuField field);

// What a number box accepts and what an entry out of range becomes.
struct NumberBoxRange {
    int min;
    int max;
    int resetTo;
};
NumberBoxRange MenuNumberBox(MenuField field);

// `s` as Default leaves it: each value Default resets put back.
MenuSettings MenuSettingsAfterDefault(MenuSettings s);

// The smallest interval for a unit: the camera has no interval of 0 minutes.
int MinimumInterval(int unit);

} // namespace rosmossel
