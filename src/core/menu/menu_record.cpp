#include "core/menu/menu_record.h"

#include "core/text/language_table.h"

#include <algorithm>

namespace rosmossel {
namespace {

// The English column of the dialogs' catalogue: one source for the entries
// and their order, which is what the record stores.
std::vector<std::string> englishEntries(Family family, int listId) {
    for (const OptionListEntry& list : MenuLanguageTable(family).optionLists) {
        if (list.controlId == listId) {
            const std::vector<std::string_view> texts = list.textsIn(kEnglish);
            return {texts.begin(), texts.end()};
        }
    }
    return {};
}

const MenuOptionLists& buildLists(Family family) {
    static const auto make = [](Family f) {
        MenuOptionLists lists;
        lists.cameraMode = englishEntries(f, menu_id::CameraMode);
        lists.imageSize = englishEntries(f, menu_id::ImageSize);
        lists.videoSize = englishEntries(f, menu_id::VideoSize);
        lists.picturesPerTrigger = englishEntries(f, menu_id::Pictures);
        lists.timeStamp = englishEntries(f, menu_id::TimeStamp);
        lists.intervalUnit = englishEntries(f, menu_id::IntervalUnit);
        lists.sensitivity = englishEntries(f, menu_id::Sensitivity);
        lists.onOff = englishEntries(f, menu_id::Timer);
        lists.timeLapse = englishEntries(f, menu_id::TimeLapse);
        lists.serialCharacters = englishEntries(f, menu_id::SerialCharacter1);
        return lists;
    };
    static const MenuOptionLists quill = make(Family::Quill);
    static const MenuOptionLists sedge = make(Family::Sedge);
    return family == Family::Quill ? quill : sedge;
}

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days.at(static_cast<std::size_t>(month - 1));
}

const MenuOptionLists& MenuOptions(Family family) {
    return buildLists(family);
}

MenuSettings DefaultMenuSettings(Family family) {
    MenuSettings settings;
    settings.family = family;
    settings.videoSize = family == Family::Quill ? 1 : 0;
    settings.beepSound = family == Family::Quill ? 1 : 0;
    return settings;
}

std::uint8_t EncodeInterval(int value, int unit) {
    return unit == 0 ? static_cast<std::uint8_t>((value + 128) & 0xFF) : LowByte(value);
}

FileRecord BuildMenuRecord(const MenuSettings& s) {
    std::array<std::uint8_t, kPayloadSize> p{};
    p[0] = LowByte(s.cameraMode);
    p[1] = LowByte(s.imageSize);
    p[2] = LowByte(s.videoSize);
    p[3] = LowByte(s.picturesPerTrigger);
    p[4] = LowByte(s.videoLengthSeconds - 1);
    p[5] = LowByte(s.timeStamp);
    p[6] = EncodeInterval(s.intervalValue, s.intervalUnit);
    p[7] = LowByte(s.sensitivity);
    p[8] = LowByte(s.timer);
    p[9] = LowByte(s.sidePir);
    p[10] = LowByte(s.timeLapse);
    p[11] = LowByte(s.timeLapseHours);
    p[12] = LowByte(s.timeLapseMinutes);
    p[13] = LowByte(s.timeLapseSeconds);
    p[14] = LowByte(std::clamp(s.clock.year, 2010, 2031) - 2010);
    p[15] = LowByte(s.clock.month);
    p[16] = LowByte(s.clock.day);
    p[17] = LowByte(s.clock.hour);
    p[18] = LowByte(s.clock.minute);
    p[19] = LowByte(s.clock.second);
    p[20] = LowByte(s.timerStartHour);
    p[21] = LowByte(s.timerStartMinute);
    p[22] = LowByte(s.timerStopHour);
    p[23] = LowByte(s.timerStopMinute);
    p[24] = LowByte(s.serialNumber);
    for (std::size_t i = 0; i < 4; ++i) {
        p[25 + i] = LowByte(s.serialCharacters[i]);
    }
    p[29] = LowByte(s.languageCode);
    p[30] = LowByte(s.tvMode);
    if (s.family == Family::Quill) {
        p[31] = LowByte(s.beepSound);
        p[32] = LowByte(s.sdCycle);
    }
    return SingleRecordFrame(p);
}

FileRecord BuildFactoryMenuRecord() {
    std::array<std::uint8_t, kPayloadSize> p{};
    std::fill_n(p.begin(), 4, 0xFF);
    return SingleRecordFrame(p);
}

} // namespace rosmossel
