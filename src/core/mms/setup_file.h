#pragma once

#include "core/camera/camera_lists.h"
#include "core/format/multi_record.h"
#include "core/session/family.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rosmossel {

// Everything setup.dat records. Texts are bytes in the system's code page.
struct MmsSettings {
    Family family = Family::Sedge;
    int mmsSendMode = 1; // the "MMS Status" list. Quill: Off, VGA, SMS. Sedge: Off, VGA, QVGA, SMS
    int connectionKind = 0; // 0 APN, 1 CSD (manual mode only)
    int picturesPerDay = 0; // 0..99, 0 unlimited
    int languageCode = 2;   // FileLanguageCode
    int tvMode = 0;
    int internationalNumbers = 0;
    int presetCountry = 0; // 0..38, or kManualCountry
    int presetOperator = 0;
    int smsRemoteControl = 25; // Quill: hours 0..24, 25 Off. Sedge: always 0
    std::string url, apn, gateway, port, phone, email, account, password, recipient2, recipient3;
    bool operator==(const MmsSettings&) const = default;
};

// The values of record 0 (the mode bytes), one row each. The MMS status
// plus one follows the status; pictures per day and the language are shared
// with smtp.dat (header_fields.h).
struct SetupHeaderFields {
    HeaderField mmsStatus;
    HeaderField connectionKind; // CSD only in manual mode
    HeaderField tvMode;
    HeaderField numberKind;
    HeaderField country; // or kManualCountry
    HeaderField op;      // within the country's operators; 0 in manual mode
    HeaderField smsRemoteControl;
};
const SetupHeaderFields& SetupHeader(Family family);

// The list beside the APN field and the number kinds, in English.
const std::vector<std::string>& ConnectionKindList();
const std::vector<std::string>& NumberKindList();

// Record 0 before scrambling: the mode bytes.
FileRecord MmsHeaderRecord(const MmsSettings& settings);

// The ten text records in file order, with the most bytes each may hold.
const std::array<TextField<MmsSettings>, 10>& MmsTextFields();
// The texts by name, in the order of MmsTextFields: a field's row is found by
// index and never missed.
enum class MmsText {
    Url,
    Apn,
    Gateway,
    Port,
    Phone,
    Email,
    Account,
    Password,
    Recipient2,
    Recipient3
};

// The "MMS Status" list in English, per family, and the index of its SMS-only entry.
const std::vector<std::string>& MmsStatusList(Family family);
int SmsOnlyChoice(Family family);

MmsSettings DefaultMmsSettings(Family family);

// setup.dat: the scrambled records and the check value (K = 18 with
// international numbers, else 0). Refused when a text does not fit.
BuildResult BuildSetupFile(const MmsSettings& settings);

// The plain staging image (mms.dat) of the same settings, check value with K = 0.
BuildResult BuildMmsStagingImage(const MmsSettings& settings);

struct MmsDecoded {
    std::optional<MmsSettings> settings;
    // For setup.dat: 0 when the check value fits Domestic numbers (K = 0),
    // 1 when it fits International ones (K = 18).
    std::optional<int> numberKindByCheck;
    Verdict verdict;
};

MmsDecoded DecodeSetupFile(std::span<const std::uint8_t> bytes, Family family);
MmsDecoded DecodeMmsStagingFile(std::span<const std::uint8_t> bytes, Family family);

} // namespace rosmossel
