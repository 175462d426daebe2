#include "core/menu/menu_clock.h"

#include "core/menu/menu_fields.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace rosmossel {
namespace {

ClockSource& clockSource() {
    static ClockSource source;
    return source;
}

std::string format(const char* pattern, int a, int b, int c, const ClockValue& clock) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b, c, clock.hour, clock.minute, clock.second);
    return text;
}

} // namespace

void SetClockSource(ClockSource source) {
    clockSource() = std::move(source);
}

ClockValue ReadLocalClock() {
    const std::time_t now = std::time(nullptr);
    // std::localtime shares one result between callers; the lock keeps the
    // copy whole on every system.
    static std::mutex shared;
    std::tm local{};
    {
        const std::lock_guard lock(shared);
        if (const std::tm* t = std::localtime(&now)) {
            local = *t;
        }
    }
    // A leap second (60) is not a second the camera knows.
    return ClockValue{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     std::min(local.tm_sec, 59)};
}

ClockValue LimitClockYear(ClockValue clock) {
    const MenuFieldInfo& year = MenuFieldOf(MenuField::ClockYear);
    if (clock.year > year.max) {
        clock.year = year.max;
    } else if (clock.year < year.min) {
        clock.year = year.opening;
    }
    return clock;
}

ClockValue CaptureClock() {
    const ClockSource& source = clockSource();
    return LimitClockYear(source ? source() : ReadLocalClock());
}

std::optional<std::string> FormatClock(const ClockValue& c, int dateFormat) {
    switch (dateFormat) {
    case 0:
        return format("%d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day, c);
    case 1:
        return format("%02d/%02d/%04d %02d:%02d:%02d", c.month, c.day, c.year, c);
    case 2:
        return format("%02d/%02d/%04d %02d:%02d:%02d", c.day, c.month, c.year, c);
    default:
        return std::nullopt;
    }
}

} // namespace rosmossel
