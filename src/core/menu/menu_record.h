#pragma once

#include "core/format/file_record.h"
#include "core/session/family.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rosmossel {

struct ClockValue {
    int year = 2011;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ClockValue&) const = default;
};

// The values of a camera-menu dialog. Option values are list positions
// (model dependent where the lists differ); numbers are as the user typed them.
// What a dialog opens with is DefaultMenuSettings, from the field rows.
struct MenuSettings {
    Family family = Family::Sedge;
    int cameraMode = 0;
    int imageSize = 0;
    int videoSize = 0;
    int picturesPerTrigger = 0;
    int videoLengthSeconds = 0; // 1..60, stored minus one
    int timeStamp = 0;
    int intervalValue = 0; // 0..60
    int intervalUnit = 0;  // 0 seconds, 1 minutes
    int sensitivity = 0;
    int timer = 0;
    int sidePir = 0;
    int timeLapse = 0; // 0 On, 1 Off
    int timeLapseHours = 0;
    int timeLapseMinutes = 0;
    int timeLapseSeconds = 0;
    ClockValue clock;
    int timerStartHour = 0;
    int timerStartMinute = 0;
    int timerStopHour = 0;
    int timerStopMinute = 0;
    int serialNumber = 0;
    std::array<int, 4> serialCharacters{};
    int languageCode = 0; // FileLanguageCode
    int tvMode = 0;       // only the low byte is stored
    int beepSound = 0;    // Quill only
    int sdCycle = 0;      // Quill only
    bool operator==(const MenuSettings&) const = default;
};

int DaysInMonth(int year, int month);

// The option lists of the record in English, per family, in list order.
struct MenuOptionLists {
    std::vector<std::string> cameraMode, imageSize, videoSize, picturesPerTrigger, timeStamp,
        intervalUnit, sensitivity, onOff, timeLapse, serialCharacters;
};
const MenuOptionLists& MenuOptions(Family family);

// What the dialog shows when it opens: each field row's opening value.
MenuSettings DefaultMenuSettings(Family family);

// Settings record: 60 bytes, framed with the CRC of bytes 0..49.
FileRecord BuildMenuRecord(const MenuSettings& settings);

// Empty when every value is one the decoder accepts, else a message naming
// the first value that is not; BuildMenuRecord would store its low byte.
std::string CheckMenuSettings(const MenuSettings& settings);

// Asks the camera to return to its factory settings; the same for every model.
FileRecord BuildFactoryMenuRecord();

// The interval byte: bit 7 set means seconds.
std::uint8_t EncodeInterval(int value, int unit);

} // namespace rosmossel
