#pragma once

// Random settings of the kinds the dialogs can produce, for round-trip tests.
#include "core/menu/menu_record.h"
#include "core/mms/operator_presets.h"
#include "core/mms/setup_file.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_file.h"

#include <random>
#include <string>

namespace rosmossel::testing {

class RandomSettings {
  public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    int pick(int max) { return static_cast<int>(random_() % static_cast<unsigned>(max + 1)); }

    // Any bytes but zero, which no one can type.
    std::string text(std::size_t limit) {
        std::string value(static_cast<std::size_t>(pick(static_cast<int>(limit))), ' ');
        for (char& c : value) {
            c = static_cast<char>(1 + pick(254));
        }
        return value;
    }

    MenuSettings menu(Family family) {
        const MenuOptionLists& lists = MenuOptions(family);
        MenuSettings s;
        s.family = family;
        s.cameraMode = pick(2);
        s.imageSize = pick(2);
        s.videoSize = pick(static_cast<int>(lists.videoSize.size()) - 1);
        s.picturesPerTrigger = pick(2);
        s.videoLengthSeconds = 1 + pick(59);
        s.timeStamp = pick(1);
        s.intervalUnit = pick(1);
        s.intervalValue = s.intervalUnit == 0 ? pick(60) : 1 + pick(59);
        s.sensitivity = pick(2);
        s.timer = pick(1);
        s.sidePir = pick(1);
        s.timeLapse = pick(1);
        s.timeLapseHours = pick(23);
        s.timeLapseMinutes = pick(59);
        s.timeLapseSeconds = pick(59);
        s.clock = {2010 + pick(21), 1 + pick(11), 1, pick(23), pick(59), pick(59)};
        s.clock.day = 1 + pick(DaysInMonth(s.clock.year, s.clock.month) - 1);
        s.timerStartHour = pick(23);
        s.timerStartMinute = pick(59);
        s.timerStopHour = pick(23);
        s.timerStopMinute = pick(59);
        s.serialNumber = pick(1);
        for (auto& c : s.serialCharacters) {
            c = pick(35);
        }
        s.languageCode = 1 + pick(8);
        s.tvMode = pick(255);
        if (family == Family::Quill) {
            s.beepSound = pick(1);
            s.sdCycle = pick(1);
        }
        return s;
    }

    MmsSettings mms(Family family) {
        MmsSettings s = DefaultMmsSettings(family);
        s.mmsSendMode = pick(static_cast<int>(MmsStatusList(family).size()) - 1);
        s.picturesPerDay = pick(99);
        s.languageCode = 1 + pick(8);
        s.tvMode = pick(255);
        s.internationalNumbers = pick(1);
        if (pick(3) == 0) {
            s.presetCountry = kManualCountry;
            s.connectionKind = pick(1);
        } else {
            s.presetCountry = pick(kCountryCount - 1);
            s.presetOperator =
                pick(OperatorPresetTable()[static_cast<std::size_t>(s.presetCountry)].count - 1);
        }
        if (family == Family::Quill) {
            s.smsRemoteControl = pick(25);
        }
        for (const auto& field : MmsTextFields()) {
            s.*field.member = text(field.limit);
        }
        return s;
    }

    SmtpSettings smtp(Family family) {
        SmtpSettings s = DefaultSmtpSettings(family);
        if (pick(2) == 0) {
            s.countryIndex = kManualCountry;
        } else {
            s.countryIndex = pick(kCountryCount - 1);
            s.operatorIndex =
                pick(GprsPresetTable()[static_cast<std::size_t>(s.countryIndex)].count - 1);
        }
        s.picturesPerDay = pick(99);
        s.languageCode = 1 + pick(8);
        if (family == Family::Quill) {
            s.mmsSendMode = pick(2);
            s.smsRemoteControl = pick(25);
        }
        for (const auto& field : SmtpTextFields(family)) {
            s.*field.member = text(field.limit);
        }
        return s;
    }

  private:
    std::mt19937 random_;
};

} // namespace rosmossel::testing
