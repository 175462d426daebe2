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
    const SetupHeaderFields& f = SetupHeader(family);
    MmsSettings s;
    s.family = family;
    s.mmsSendMode = ReadHeaderField(h, f.mmsStatus, v);
    HeaderField plusOne = f.mmsStatus;
    plusOne.offset += 1;
    ReadHeaderField(h, plusOne, s.mmsSendMode + 1, s.mmsSendMode + 1, v,
                    std::string(f.mmsStatus.label) + " plus one");
    s.picturesPerDay = ReadPicturesPerDay(h, v);
    s.languageCode = ReadHeaderField(h, HeaderLanguageField(), v);
    s.tvMode = h[f.tvMode.offset];
    s.internationalNumbers = ReadHeaderField(h, f.numberKind, v);
    s.presetCountry = h[f.country.offset];
    const bool manual = s.presetCountry == kManualCountry;
    if (manual) {
        s.presetOperator =
            ReadHeaderField(h, f.op, 0, 0, v, std::string(f.op.label) + " (manual mode)");
    } else {
        ReadHeaderField(h, f.country, v);
        const int count =
            s.presetCountry < kCountryCount
                ? OperatorPresetTable()[static_cast<std::size_t>(s.presetCountry)].count
                : kSlotsPerCountry;
        s.presetOperator = ReadHeaderField(h, f.op, 0, count - 1, v);
    }
    s.connectionKind =
        ReadHeaderField(h, f.connectionKind, 0, manual ? f.connectionKind.max : 0, v);
    s.smsRemoteControl = ReadHeaderField(h, f.smsRemoteControl, v);
    if (!std::all_of(h.begin() + 11, h.begin() + 58, [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("header bytes 11 to 57 are not all zero");
    }
    if (out.numberKindByCheck && *out.numberKindByCheck != s.internationalNumbers) {
        v.problems.emplace_back("the check value and header byte 7 disagree on the number kind");
    }
    const auto& fields = MmsTextFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        DecodeTextField(image.records[i + 1], i + 1, fields[i].name, fields[i].limit,
                        s.*fields[i].member, v);
    }
    out.settings = s;
    return out;
}

// The ranges the decoder reads record 0 with, by key.
std::string checkHeader(const MmsSettings& s) {
    const SetupHeaderFields& f = SetupHeader(s.family);
    const bool manual = s.presetCountry == kManualCountry;
    const int remote = s.family == Family::Quill ? s.smsRemoteControl : f.smsRemoteControl.min;
    std::string error = CheckPresetChoice(f.country, f.op, s.presetCountry, s.presetOperator,
                                          OperatorPresetTable());
    if (error.empty()) {
        error = CheckHeaderValues({
            WithinField(f.mmsStatus, s.mmsSendMode),
            {f.connectionKind.name, s.connectionKind, 0, manual ? f.connectionKind.max : 0},
            WithinField(PicturesPerDayField(), s.picturesPerDay),
            WithinField(HeaderLanguageField(), s.languageCode),
            WithinField(f.tvMode, s.tvMode),
            WithinField(f.numberKind, s.internationalNumbers),
            WithinField(f.smsRemoteControl, remote),
        });
    }
    return error;
}

BuildResult build(const MmsSettings& settings, bool staging) {
    std::string error = checkHeader(settings);
    if (error.empty()) {
        error = CheckTextLimits(settings, MmsTextFields());
    }
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
    const SetupHeaderFields& f = SetupHeader(s.family);
    FileRecord h = EmptyRecord();
    h[f.mmsStatus.offset] = LowByte(s.mmsSendMode);
    h[f.mmsStatus.offset + 1] = LowByte(s.mmsSendMode + 1);
    h[f.connectionKind.offset] = LowByte(s.connectionKind);
    WritePicturesPerDay(h, s.picturesPerDay);
    h[HeaderLanguageField().offset] = LowByte(s.languageCode);
    h[f.tvMode.offset] = LowByte(s.tvMode);
    h[f.numberKind.offset] = LowByte(s.internationalNumbers);
    h[f.country.offset] = LowByte(s.presetCountry);
    h[f.op.offset] = LowByte(s.presetOperator);
    h[f.smsRemoteControl.offset] = s.family == Family::Quill ? LowByte(s.smsRemoteControl) : 0;
    return h;
}

const SetupHeaderFields& SetupHeader(Family family) {
    static const auto make = [](Family f) {
        const std::vector<std::string>& status = MmsStatusList(f);
        return SetupHeaderFields{
            {0, "mms_status", "MMS status", 0, static_cast<int>(status.size()) - 1, &status},
            {2, "connection_kind", "connection kind", 0, 1, &ConnectionKindList()},
            {6, "tv_mode", "TV mode", 0, 255},
            {7, "number_kind", "number kind", 0, 1, &NumberKindList()},
            {8, "country", "preset country", 0, kCountryCount - 1},
            {9, "operator", "preset operator", 0, kSlotsPerCountry - 1},
            SmsRemoteControlField(10, f == Family::Quill),
        };
    };
    static const SetupHeaderFields quill = make(Family::Quill);
    static const SetupHeaderFields sedge = make(Family::Sedge);
    return family == Family::Quill ? quill : sedge;
}

const std::vector<std::string>& ConnectionKindList() {
    static const std::vector<std::string> list = EntriesOf(kConnectionKinds);
    return list;
}

const std::vector<std::string>& NumberKindList() {
    static const std::vector<std::string> list = EntriesOf(kNumberKinds);
    return list;
}

static_assert(static_cast<std::size_t>(MmsText::Recipient3) + 1 == 10, "one name per text");

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
    return MmsSendModeList(family == Family::Quill);
}

int SmsOnlyChoice(Family family) {
    return family == Family::Quill ? 2 : 3;
}

MmsSettings DefaultMmsSettings(Family family) {
    MmsSettings settings;
    settings.family = family;
    settings.smsRemoteControl = family == Family::Quill ? kSmsRemoteControlOff : 0;
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
