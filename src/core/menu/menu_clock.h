#pragma once

#include "core/menu/menu_record.h"

#include <functional>
#include <optional>
#include <string>

namespace rosmossel {

// Where the clock is read from; tests install a fixed one. An empty source
// restores the local time of the machine.
using ClockSource = std::function<ClockValue()>;
void SetClockSource(ClockSource source);
ClockValue ReadLocalClock();

// The camera counts only the years of its clock-year row (menu_fields.h). A
// clock set before them is taken to be a machine that lost its clock, and
// lands in the row's opening year.
ClockValue LimitClockYear(ClockValue clock);

// The clock a camera-menu dialog writes: read from the source, the year
// limited. A dialog captures it when it opens, by Get Time and by a change of
// the date format, never when the file is generated, so the file holds the
// time the user saw.
ClockValue CaptureClock();

// The clock as the dialog shows it: 0 year/month/day, 1 month/day/year,
// 2 day/month/year. Any other format leaves the display as it was.
std::optional<std::string> FormatClock(const ClockValue& clock, int dateFormat);

} // namespace rosmossel
