#include "core/menu/menu_record.h"

#include "core/camera/camera_lists.h"
#include "core/format/multi_record.h"
#include "core/menu/menu_fields.h"

#include <algorithm>

namespace rosmossel {
namespace {

// The lists in English, in the order the camera reads their indices.
MenuOptionLists listsOf(Family family) {
    const bool quill = family == Family::Quill;
    MenuOptionLists lists;
    lists.cameraMode = EntriesOf(kCaptureModes);
    lists.imageSize = quill ? EntriesOf(kQuillImageSizes) : EntriesOf(kSedgeImageSizes);
    lists.videoSize = quill ? EntriesOf(kQuillVideoSizes) : EntriesOf(kSedgeVideoSizes);
    lists.picturesPerTrigger = EntriesOf(kPicturesPerTrigger);
    lists.timeStamp = EntriesOf(kOnOffEntries);
    lists.intervalUnit = EntriesOf(kIntervalUnits);
    lists.sensitivity = EntriesOf(kSensitivities);
    lists.onOff = EntriesOf(kOffOnEntries);
    lists.timeLapse = EntriesOf(kOnOffEntries);
    lists.serialCharacters = EntriesOf(kSerialCharacterEntries);
    return lists;
}

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days.at(static_cast<std::size_t>(month - 1));
}

const MenuOptionLists& MenuOptions(Family family) {
    static const MenuOptionLists quill = listsOf(Family::Quill);
    static const MenuOptionLists sedge = listsOf(Family::Sedge);
    return family == Family::Quill ? quill : sedge;
}

MenuSettings DefaultMenuSettings(Family family) {
    MenuSettings settings;
    settings.family = family;
    for (const MenuFieldInfo& row : MenuFields(family)) {
        row.value(settings) = row.opening;
    }
    return settings;
}

std::uint8_t EncodeInterval(int value, int unit) {
    return unit == 0 ? static_cast<std::uint8_t>((value + 128) & 0xFF) : LowByte(value);
}

FileRecord BuildMenuRecord(const MenuSettings& s) {
    std::array<std::uint8_t, kPayloadSize> p{};
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        int value = field.of(s);
        if (field.field == MenuField::ClockYear) {
            value = std::clamp(value, field.min, field.max);
        }
        p[field.offset] = LowByte(value + field.bias);
    }
    // The interval and its unit share a byte.
    p[MenuFieldOf(MenuField::Interval).offset] = EncodeInterval(s.intervalValue, s.intervalUnit);
    return SingleRecordFrame(p);
}

std::string CheckMenuSettings(const MenuSettings& s) {
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        if (field.field == MenuField::ClockYear) {
            continue; // the builder keeps the year within the camera's range
        }
        const int min =
            field.field == MenuField::Interval ? MinimumInterval(s.intervalUnit) : field.min;
        const MenuFieldInfo& year = MenuFieldOf(MenuField::ClockYear);
        const int max =
            field.field == MenuField::ClockDay && s.clock.month >= 1 && s.clock.month <= 12
                ? DaysInMonth(std::clamp(s.clock.year, year.min, year.max), s.clock.month)
                : field.max;
        const std::string problem = CheckHeaderValues({{field.name, field.of(s), min, max}});
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

FileRecord BuildFactoryMenuRecord() {
    std::array<std::uint8_t, kPayloadSize> p{};
    std::fill_n(p.begin(), 4, 0xFF);
    return SingleRecordFrame(p);
}

} // namespace rosmossel
