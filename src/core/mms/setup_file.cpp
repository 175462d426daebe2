#include "core/mms/setup_file.h"

#include "core/mms/operator_presets.h"

#include <algorithm>

namespace rosmossel {
namespace {

constexpr std::uint16_t kInternationalConstant = 18;
constexpr std::size_t kMaxPhoneBytes = 32;

std::array<FileRecord, 11> plainRecords(const MmsSettings& s) {
    std::array<FileRecord, 11> records{};
    records[0] = MmsHeaderRecord(s);
    const auto& fields = MmsTextFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        records[i + 1] = TextRecord(s.*fields[i].member);
    }
    return records;
}

MmsDecoded decode(std::span<const std::uint8_t> bytes, Family family, bool staging) {
    MmsDecoded out;
    MultiRecordImage image = staging
                                 ? ReadMultiRecordFile(bytes, false, {0})
                                 : ReadMultiRecordFile(bytes, true, {0, kInternationalConstant});
    out.verdict = image.verdict;
    if (!image.complete) {
        return out;
    }
    Verdict& v = out.verdict;
    if (!staging && image.matchedK) {
        out.numberKindByCheck = *image.matchedK == kInternationalConstant ? 1 : 0;
    }
    const FileRecord& h = image.records[0];
    MmsSettings s;
    s.family = family;
    const int statusCount = static_cast<int>(MmsStatusList(family).size());
    s.mmsSendMode = ReadHeaderByte(h, 0, "MMS status", 0, statusCount - 1, v);
    ReadHeaderByte(h, 1, "MMS status plus one", s.mmsSendMode + 1, s.mmsSendMode + 1, v);
    s.picturesPerDay = ReadHeaderByte(h, 3, "pictures per day, tens", 0, 9, v) * 10 +
                       ReadHeaderByte(h, 4, "pictures per day, units", 0, 9, v);
    s.languageCode = ReadHeaderByte(h, 5, "language", 1, 9, v);
    s.tvMode = h[6];
    s.internationalNumbers = ReadHeaderByte(h, 7, "number kind", 0, 1, v);
    s.presetCountry = h[8];
    const bool manual = s.presetCountry == kManualCountry;
    if (manual) {
        s.presetOperator = ReadHeaderByte(h, 9, "preset operator (manual mode)", 0, 0, v);
    } else {
        ReadHeaderByte(h, 8, "preset country", 0, kCountryCount - 1, v);
        const int count =
            s.presetCountry < kCountryCount
                ? OperatorPresetTable()[static_cast<std::size_t>(s.presetCountry)].count
                : kSlotsPerCountry;
        s.presetOperator = ReadHeaderByte(h, 9, "preset operator", 0, count - 1, v);
    }
    s.connectionKind = ReadHeaderByte(h, 2, "connection kind", 0, manual ? 1 : 0, v);
    s.smsRemoteControl =
        family == Family::Quill
            ? ReadHeaderByte(h, 10, "SMS remote control", 0, 25, v)
            : ReadHeaderByte(h, 10, "SMS remote control (always 0 on Sedge)", 0, 0, v);
    if (!std::all_of(h.begin() + 11, h.begin() + 58, [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("header bytes 11 to 57 are not all zero");
    }
    if (out.numberKindByCheck && *out.numberKindByCheck != s.internationalNumbers) {
        v.problems.emplace_back("the check value and header byte 7 disagree on the number kind");
    }
    const auto& fields = MmsTextFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        DecodeTextField(image.records[i + 1], i + 1, fields[i].key, fields[i].limit,
                        s.*fields[i].member, v);
    }
    out.settings = s;
    return out;
}

BuildResult build(const MmsSettings& settings, bool staging) {
    std::string error = CheckTextLimits(settings, MmsTextFields());
    if (!error.empty()) {
        return {{}, error};
    }
    const auto records = plainRecords(settings);
    if (staging) {
        return {PlainMultiRecordImage(records), {}};
    }
    return {MultiRecordFrame(records, settings.internationalNumbers == 1 ? kInternationalConstant
                                                                         : std::uint16_t{0}),
            {}};
}

} // namespace

FileRecord MmsHeaderRecord(const MmsSettings& s) {
    FileRecord h = EmptyRecord();
    h[0] = LowByte(s.mmsSendMode);
    h[1] = LowByte(s.mmsSendMode + 1);
    h[2] = LowByte(s.connectionKind);
    h[3] = LowByte(s.picturesPerDay / 10);
    h[4] = LowByte(s.picturesPerDay % 10);
    h[5] = LowByte(s.languageCode);
    h[6] = LowByte(s.tvMode);
    h[7] = LowByte(s.internationalNumbers);
    h[8] = LowByte(s.presetCountry);
    h[9] = LowByte(s.presetOperator);
    h[10] = s.family == Family::Quill ? LowByte(s.smsRemoteControl) : 0;
    return h;
}

const std::array<TextField<MmsSettings>, 10>& MmsTextFields() {
    static const std::array<TextField<MmsSettings>, 10> fields{{
        {"url", 50, &MmsSettings::url},
        {"apn", 30, &MmsSettings::apn},
        {"gateway", 20, &MmsSettings::gateway},
        {"port", 10, &MmsSettings::port},
        {"phone", kMaxPhoneBytes, &MmsSettings::phone},
        {"email", 40, &MmsSettings::email},
        {"account", 30, &MmsSettings::account},
        {"password", 30, &MmsSettings::password},
        {"recipient2", 32, &MmsSettings::recipient2},
        {"recipient3", 32, &MmsSettings::recipient3},
    }};
    return fields;
}

const std::vector<std::string>& MmsStatusList(Family family) {
    static const std::vector<std::string> quill{"Off", "VGA", "SMS"};
    static const std::vector<std::string> sedge{"Off", "VGA", "QVGA", "SMS"};
    return family == Family::Quill ? quill : sedge;
}

int SmsOnlyChoice(Family family) {
    return family == Family::Quill ? 2 : 3;
}

MmsSettings DefaultMmsSettings(Family family) {
    MmsSettings settings;
    settings.family = family;
    settings.smsRemoteControl = family == Family::Quill ? 25 : 0;
    return settings;
}

BuildResult BuildSetupFile(const MmsSettings& settings) {
    return build(settings, false);
}

BuildResult BuildMmsStagingImage(const MmsSettings& settings) {
    return build(settings, true);
}

MmsDecoded DecodeSetupFile(std::span<const std::uint8_t> bytes, Family family) {
    return decode(bytes, family, false);
}

MmsDecoded DecodeMmsStagingFile(std::span<const std::uint8_t> bytes, Family family) {
    return decode(bytes, family, true);
}

} // namespace rosmossel
