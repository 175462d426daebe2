#include "core/menu/menu_decode.h"

#include "core/format/crc16.h"

#include <algorithm>
#include <string>

namespace rosmossel {
namespace {

class FieldReader {
  public:
    FieldReader(const FileRecord& record, Verdict& verdict) : record_(record), verdict_(verdict) {}

    // The byte at `offset`, reported as a problem when outside min..max.
    int field(std::size_t offset, const char* name, int min, int max) {
        const int value = record_[offset];
        if (value < min || value > max) {
            verdict_.problems.push_back("byte " + std::to_string(offset) + " (" + name + ") is " +
                                        std::to_string(value) + ", expected " +
                                        std::to_string(min) + " to " + std::to_string(max));
        }
        return value;
    }

    int option(std::size_t offset, const char* name, const std::vector<std::string>& list) {
        return field(offset, name, 0, static_cast<int>(list.size()) - 1);
    }

  private:
    const FileRecord& record_;
    Verdict& verdict_;
};

} // namespace

MenuDecoded DecodeMenuFile(std::span<const std::uint8_t> bytes, Family family) {
    MenuDecoded out;
    Verdict& v = out.verdict;
    v.length = bytes.size();
    v.expectedLength = kRecordSize;
    if (bytes.size() != kRecordSize) {
        v.problems.push_back("the file is " + std::to_string(bytes.size()) +
                             " bytes long, a camera-menu file is 60");
        return out;
    }
    const FileRecord record = RecordAt(bytes, 0);
    v.lineEndsOk = record[58] == 0x0D && record[59] == 0x0A;
    v.storedCheck = StoredCheck(record);
    v.computedCheck = SettingsCrc16(std::span(record).first(kPayloadSize));
    v.checkOk = v.storedCheck == v.computedCheck;
    if (!v.lineEndsOk) {
        v.problems.emplace_back("bytes 58 and 59 are not a carriage return and a line feed");
    }
    if (!v.checkOk) {
        v.problems.emplace_back("the check value does not match the contents");
    }
    if (!std::all_of(record.begin() + 33, record.begin() + 56,
                     [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("bytes 33 to 55 are not all zero");
    }
    if (record == BuildFactoryMenuRecord()) {
        out.factory = true;
        return out;
    }

    const MenuOptionLists& lists = MenuOptions(family);
    FieldReader r(record, v);
    MenuSettings s;
    s.family = family;
    s.cameraMode = r.option(0, "camera mode", lists.cameraMode);
    s.imageSize = r.option(1, "image size", lists.imageSize);
    s.videoSize = r.option(2, "video size", lists.videoSize);
    s.picturesPerTrigger = r.option(3, "pictures per trigger", lists.picturesPerTrigger);
    s.videoLengthSeconds = r.field(4, "video length", 0, 59) + 1;
    s.timeStamp = r.option(5, "time stamp", lists.timeStamp);
    const int interval = record[6];
    if (interval >= 128) {
        s.intervalUnit = 0;
        s.intervalValue = r.field(6, "interval", 128, 188) - 128;
    } else {
        s.intervalUnit = 1;
        s.intervalValue = r.field(6, "interval", 1, 60);
    }
    s.sensitivity = r.option(7, "sensitivity", lists.sensitivity);
    s.timer = r.option(8, "timer", lists.onOff);
    s.sidePir = r.option(9, "side PIR", lists.onOff);
    s.timeLapse = r.option(10, "time lapse", lists.timeLapse);
    s.timeLapseHours = r.field(11, "time-lapse hours", 0, 23);
    s.timeLapseMinutes = r.field(12, "time-lapse minutes", 0, 59);
    s.timeLapseSeconds = r.field(13, "time-lapse seconds", 0, 59);
    s.clock.year = r.field(14, "clock year", 0, 21) + 2010;
    s.clock.month = r.field(15, "clock month", 1, 12);
    s.clock.day = r.field(16, "clock day", 1, 31);
    if (s.clock.month >= 1 && s.clock.month <= 12 &&
        s.clock.day > DaysInMonth(s.clock.year, s.clock.month)) {
        v.problems.push_back("the clock's day " + std::to_string(s.clock.day) +
                             " does not exist in month " + std::to_string(s.clock.month) + " of " +
                             std::to_string(s.clock.year));
    }
    s.clock.hour = r.field(17, "clock hour", 0, 23);
    s.clock.minute = r.field(18, "clock minute", 0, 59);
    s.clock.second = r.field(19, "clock second", 0, 59);
    s.timerStartHour = r.field(20, "timer start hour", 0, 23);
    s.timerStartMinute = r.field(21, "timer start minute", 0, 59);
    s.timerStopHour = r.field(22, "timer stop hour", 0, 23);
    s.timerStopMinute = r.field(23, "timer stop minute", 0, 59);
    s.serialNumber = r.option(24, "serial number", lists.onOff);
    for (std::size_t i = 0; i < 4; ++i) {
        s.serialCharacters[i] = r.option(25 + i, "serial character", lists.serialCharacters);
    }
    s.languageCode = r.field(29, "language", 1, 9);
    s.tvMode = record[30];
    if (family == Family::Quill) {
        s.beepSound = r.option(31, "beep sound", lists.onOff);
        s.sdCycle = r.option(32, "SD cycle", lists.onOff);
    } else {
        r.field(31, "beep sound (always 0 on Sedge)", 0, 0);
        r.field(32, "SD cycle (always 0 on Sedge)", 0, 0);
    }
    out.settings = s;
    return out;
}

} // namespace rosmossel
