#include "core/smtp/smtp_file.h"

#include "core/format/preset_table.h"
#include "core/smtp/gprs_presets.h"

#include <algorithm>

namespace rosmossel {
namespace {

constexpr std::uint16_t kSmtpConstant = 15;
constexpr std::size_t kReservedRecord = 8;
constexpr std::size_t kUserNameRecord = 9;

// Record number of each typed text: 1..7 and 10 (8 is reserved, 9 the user name).
constexpr std::array<std::size_t, 8> kTextRecords{1, 2, 3, 4, 5, 6, 7, 10};

} // namespace

static_assert(static_cast<std::size_t>(SmtpText::Recipient) + 1 == 8, "one name per text");

const std::array<TextField<SmtpSettings>, 8>& SmtpTextFields(Family family) {
    static const auto make = [](std::size_t longField) {
        return std::array<TextField<SmtpSettings>, 8>{{
            {"gprs_apn", 32, &SmtpSettings::apn},
            {"gprs_account", 32, &SmtpSettings::account},
            {"gprs_password", 32, &SmtpSettings::gprsPassword},
            {"smtp_server", 40, &SmtpSettings::server},
            {"smtp_port", 10, &SmtpSettings::port},
            {"sender_address", longField, &SmtpSettings::senderAddress},
            {"sender_password", 32, &SmtpSettings::senderPassword},
            {"recipient", longField, &SmtpSettings::recipient},
        }};
    };
    static const auto quill = make(40);
    static const auto sedge = make(32);
    return family == Family::Quill ? quill : sedge;
}

SmtpSettings DefaultSmtpSettings(Family family) {
    SmtpSettings settings;
    settings.family = family;
    settings.mmsSendMode = 1;
    settings.smsRemoteControl = family == Family::Quill ? kSmsRemoteControlOff : 0;
    return settings;
}

std::string_view SenderUserName(std::string_view senderAddress) {
    return senderAddress.substr(0, senderAddress.find('@'));
}

const SmtpHeaderFields& SmtpHeader(Family family) {
    static const auto make = [](Family f) {
        const bool quill = f == Family::Quill;
        const std::vector<std::string>& status = MmsSendModeList(true);
        return SmtpHeaderFields{
            {0, "reserved", "reserved", 0, 0},
            {1, "operator", "operator", 0, kSlotsPerCountry - 1},
            {2, "country", "country", 0, kCountryCount - 1},
            // The Sedge camera sends VGA pictures and has no remote control.
            quill ? HeaderField{6, "mms_send_mode", "MMS send mode", 0,
                                static_cast<int>(status.size()) - 1, &status}
                  : HeaderField{6, "mms_send_mode", "MMS send mode (always 1 on Sedge)", 1, 1},
            SmsRemoteControlField(7, quill),
        };
    };
    static const SmtpHeaderFields quill = make(Family::Quill);
    static const SmtpHeaderFields sedge = make(Family::Sedge);
    return family == Family::Quill ? quill : sedge;
}

FileRecord SmtpHeaderRecord(const SmtpSettings& s) {
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    const bool quill = s.family == Family::Quill;
    FileRecord h = EmptyRecord();
    h[f.op.offset] = LowByte(s.operatorIndex);
    h[f.country.offset] = LowByte(s.countryIndex);
    WritePicturesPerDay(h, s.picturesPerDay);
    h[HeaderLanguageField().offset] = LowByte(s.languageCode);
    h[f.mmsSendMode.offset] = quill ? LowByte(s.mmsSendMode) : LowByte(f.mmsSendMode.min);
    h[f.smsRemoteControl.offset] = quill ? LowByte(s.smsRemoteControl) : 0;
    return h;
}

namespace {

// The ranges the decoder reads record 0 with, by key.
std::string checkHeader(const SmtpSettings& s) {
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    const bool quill = s.family == Family::Quill;
    std::string error =
        CheckPresetChoice(f.country, f.op, s.countryIndex, s.operatorIndex, GprsPresetTable());
    if (error.empty()) {
        error = CheckHeaderValues({
            WithinField(PicturesPerDayField(), s.picturesPerDay),
            WithinField(HeaderLanguageField(), s.languageCode),
            WithinField(f.mmsSendMode, quill ? s.mmsSendMode : f.mmsSendMode.min),
            WithinField(f.smsRemoteControl, quill ? s.smsRemoteControl : f.smsRemoteControl.min),
        });
    }
    return error;
}

} // namespace

BuildResult BuildSmtpFile(const SmtpSettings& s) {
    const auto& fields = SmtpTextFields(s.family);
    std::string error = checkHeader(s);
    if (error.empty()) {
        error = CheckTextLimits(s, fields);
    }
    if (!error.empty()) {
        return {{}, error};
    }
    std::array<FileRecord, 11> records{};
    records[0] = SmtpHeaderRecord(s);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        records[kTextRecords[i]] = TextRecord(s.*fields[i].member);
    }
    records[kReservedRecord] = TextRecord({});
    records[kUserNameRecord] = TextRecord(SenderUserName(s.senderAddress));
    return {MultiRecordFrame(records, kSmtpConstant), {}};
}

SmtpDecoded DecodeSmtpFile(std::span<const std::uint8_t> bytes, Family family) {
    SmtpDecoded out;
    const MultiRecordImage image = ReadMultiRecordFile(bytes, true, {kSmtpConstant});
    out.verdict = image.verdict;
    if (!image.complete) {
        return out;
    }
    Verdict& v = out.verdict;
    const FileRecord& h = image.records[0];
    const SmtpHeaderFields& f = SmtpHeader(family);
    SmtpSettings s;
    s.family = family;
    ReadHeaderField(h, f.reserved, v);
    s.countryIndex = h[f.country.offset];
    if (s.countryIndex == kManualCountry) {
        s.operatorIndex =
            ReadHeaderField(h, f.op, 0, 0, v, std::string(f.op.label) + " (manual mode)");
    } else {
        ReadHeaderField(h, f.country, v);
        const int count = s.countryIndex < kCountryCount
                              ? GprsPresetTable()[static_cast<std::size_t>(s.countryIndex)].count
                              : kSlotsPerCountry;
        s.operatorIndex = ReadHeaderField(h, f.op, 0, count - 1, v);
    }
    s.picturesPerDay = ReadPicturesPerDay(h, v);
    s.languageCode = ReadHeaderField(h, HeaderLanguageField(), v);
    s.mmsSendMode = ReadHeaderField(h, f.mmsSendMode, v);
    s.smsRemoteControl = ReadHeaderField(h, f.smsRemoteControl, v);
    if (!std::all_of(h.begin() + 8, h.begin() + 58, [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("header bytes 8 to 57 are not all zero");
    }
    const auto& fields = SmtpTextFields(family);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        DecodeTextField(image.records[kTextRecords[i]], kTextRecords[i], fields[i].name,
                        fields[i].limit, s.*fields[i].member, v);
    }
    std::string reserved;
    std::string userName;
    DecodeTextField(image.records[kReservedRecord], kReservedRecord, "reserved", 0, reserved, v);
    DecodeTextField(image.records[kUserNameRecord], kUserNameRecord, "user name", fields[5].limit,
                    userName, v);
    if (userName != SenderUserName(s.senderAddress)) {
        v.problems.emplace_back(
            "record 9 (user name) is not the sender address up to its first \"@\"");
    }
    out.settings = s;
    return out;
}

} // namespace rosmossel
