#pragma once

#include "core/camera/camera_lists.h"
#include "core/format/multi_record.h"
#include "core/session/family.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rosmossel {

// Everything smtp.dat records. Texts are bytes in the system's code page.
struct SmtpSettings {
    Family family = Family::Sedge;
    int operatorIndex = 0;     // 0 in manual mode
    int countryIndex = 0;      // 0..38, or 0x80 in manual mode
    int picturesPerDay = 0;    // 0..99
    int languageCode = 2;      // FileLanguageCode
    int mmsSendMode = 1;       // Quill: Off, VGA, SMS. Sedge: always 1
    int smsRemoteControl = 25; // Quill: hours 0..24, 25 Off. Sedge: always 0
    std::string apn, account, gprsPassword, server, port, senderAddress, senderPassword, recipient;
    bool operator==(const SmtpSettings&) const = default;
};

// The values of record 0, one row each; pictures per day and the language
// are shared with setup.dat (header_fields.h).
struct SmtpHeaderFields {
    HeaderField reserved;
    HeaderField op;      // within the country's operators; 0 in manual mode
    HeaderField country; // or kManualCountry
    HeaderField mmsSendMode;
    HeaderField smsRemoteControl;
};
const SmtpHeaderFields& SmtpHeader(Family family);

// Record 0 before scrambling: the preset indices and mode bytes.
FileRecord SmtpHeaderRecord(const SmtpSettings& settings);

// The text values the user types, in file order, with their limits per family.
// The reserved record and the user name are not among them: the first is
// always empty, the second follows from the sender address.
const std::array<TextField<SmtpSettings>, 8>& SmtpTextFields(Family family);

// The texts by name, in the order of SmtpTextFields: a field's row is found
// by index and never missed.
enum class SmtpText {
    Apn,
    Account,
    GprsPassword,
    Server,
    Port,
    SenderAddress,
    SenderPassword,
    Recipient
};

SmtpSettings DefaultSmtpSettings(Family family);

// The sender address up to its first "@".
std::string_view SenderUserName(std::string_view senderAddress);

// smtp.dat: scrambled records and the check value with K = 15. Refused when a
// text does not fit.
BuildResult BuildSmtpFile(const SmtpSettings& settings);

struct SmtpDecoded {
    std::optional<SmtpSettings> settings;
    Verdict verdict;
};

SmtpDecoded DecodeSmtpFile(std::span<const std::uint8_t> bytes, Family family);

} // namespace rosmossel
