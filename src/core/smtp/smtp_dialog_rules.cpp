#include "core/smtp/smtp_dialog_rules.h"

#include "core/smtp/gprs_presets.h"

namespace rosmossel {
namespace {

const std::vector<std::string> kOther{std::string(kManualListEntry)};

} // namespace

int PictureCountAfterEdit(int count) {
    return count > PicturesPerDayField().max ? 0 : count;
}

SmtpModeView SmtpModeViewOf(ApnMode mode) {
    if (mode == ApnMode::Manual) {
        return {true, kOther, kOther};
    }
    SmtpModeView view{false, {}, GprsOperatorNames(0)};
    for (const auto& row : GprsPresetTable()) {
        view.countries.push_back(row.name);
    }
    return view;
}

void ClearSmtpTexts(SmtpSettings& s) {
    for (const auto& field : SmtpTextFields(s.family)) {
        (s.*field.member).clear();
    }
}

SmtpSettings SmtpSettingsToWrite(const SmtpSettings& typed, const SmtpSelections& lists,
                                 int languageCode) {
    SmtpSettings s = typed;
    s.languageCode = languageCode;
    if (s.family == Family::Quill) {
        s.mmsSendMode = lists.mmsSendMode;
        s.smsRemoteControl = lists.smsRemoteControl;
    } else {
        s.mmsSendMode = 1;
        s.smsRemoteControl = 0;
    }
    if (lists.mode == ApnMode::Manual) {
        s.countryIndex = kManualCountry;
        s.operatorIndex = 0;
        return s;
    }
    s.countryIndex = lists.country;
    s.operatorIndex = lists.operatorSlot;
    const GprsPreset* preset = LookUpGprsPreset(lists.country, lists.operatorSlot);
    s.apn = preset != nullptr ? preset->apn : std::string();
    s.account = preset != nullptr ? preset->account : std::string();
    s.gprsPassword = preset != nullptr ? preset->password : std::string();
    return s;
}

SmtpCardLoad SmtpLoadFromCard(const SmtpSettings& card) {
    SmtpCardLoad load;
    load.typed = card;
    load.lists.mmsSendMode = card.mmsSendMode;
    load.lists.smsRemoteControl = card.smsRemoteControl;
    if (card.countryIndex == kManualCountry) {
        load.lists.mode = ApnMode::Manual;
        return load;
    }
    const GprsPreset* preset = LookUpGprsPreset(card.countryIndex, card.operatorIndex);
    const GprsPreset today = preset != nullptr ? *preset : GprsPreset{};
    if (card.apn != today.apn || card.account != today.account ||
        card.gprsPassword != today.password) {
        load.lists.mode = ApnMode::Manual;
        load.presetDiffers = true;
        return load;
    }
    load.lists.country = card.countryIndex;
    load.lists.operatorSlot = card.operatorIndex;
    for (std::string SmtpSettings::*text : kSmtpPresetTexts) {
        (load.typed.*text).clear();
    }
    return load;
}

} // namespace rosmossel
