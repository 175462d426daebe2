#include "core/mms/mms_rules.h"

#include "core/mms/operator_presets.h"

namespace rosmossel {
namespace {

// 1 to 4 bytes are not yet a number or an address.
bool usable(std::string_view text) {
    return text.size() > 4;
}

} // namespace

MmsFieldStates MmsEditableFields(bool manualMode, bool smsOnly, const MmsTypedTexts& typed) {
    MmsFieldStates states{};
    states.connection = manualMode && !smsOnly;
    states.phone = true;
    states.email = !smsOnly;
    const bool emailAddress =
        !smsOnly && usable(typed.email) && typed.email.find('@') != std::string_view::npos;
    states.recipient2 = usable(typed.phone) || emailAddress;
    states.recipient3 = states.recipient2 && usable(typed.recipient2);
    return states;
}

std::vector<std::string> MmsCountryChoices(bool manualMode, int language, bool startUp) {
    if (manualMode) {
        return {std::string(kManualListEntry)};
    }
    return startUp && language == 1 ? CountryListChinese() : CountryList();
}

std::vector<std::string> MmsOperatorChoices(bool manualMode, int country, int language) {
    if (manualMode) {
        return {std::string(kManualListEntry)};
    }
    return OperatorNames(country, language);
}

std::vector<std::string> MmsConnectionKinds(bool manualMode) {
    // Automatic mode offers the first kind only.
    return EntriesOf(std::span(kConnectionKinds).first(manualMode ? kConnectionKinds.size() : 1));
}

MmsSettings WithOperatorPreset(MmsSettings settings, int country, int op) {
    const OperatorPreset* preset = LookUpOperatorPreset(country, op);
    const OperatorPreset none;
    const OperatorPreset& p = preset != nullptr ? *preset : none;
    settings.url = p.url;
    settings.apn = p.apn;
    settings.gateway = p.gateway;
    settings.port = p.port;
    settings.account = p.account;
    settings.password = p.password;
    settings.presetCountry = country;
    settings.presetOperator = op;
    return settings;
}

MmsPresetSelection ManualPresetSelection() {
    return {kManualCountry, 0};
}

void ClearMmsTexts(MmsSettings& settings) {
    for (const auto& field : MmsTextFields()) {
        (settings.*field.member).clear();
    }
}

MmsSettings MmsSettingsToWrite(const MmsSettings& typed, const MmsSelections& lists,
                               const MmsPresetSelection& kept, int languageCode, int tvMode) {
    MmsSettings s = typed;
    s.mmsSendMode = lists.mmsSendMode;
    s.connectionKind = lists.connectionKind;
    s.languageCode = languageCode;
    s.tvMode = tvMode;
    s.internationalNumbers = lists.internationalNumbers;
    s.presetCountry = kept.country;
    s.presetOperator = kept.operatorSlot;
    s.smsRemoteControl = lists.smsRemoteControl;
    if (!lists.manualMode) {
        s = WithOperatorPreset(s, lists.country, lists.operatorSlot);
    }
    return s;
}

int RepairPicturesPerDay(int value) {
    const HeaderField& field = PicturesPerDayField();
    return value < field.min || value > field.max ? 0 : value;
}

MmsCardLoad MmsLoadFromCard(const MmsSettings& card) {
    MmsCardLoad load;
    load.typed = card;
    load.preset = {card.presetCountry, card.presetOperator};
    if (card.presetCountry == kManualCountry) {
        load.manualMode = true;
        return load;
    }
    if (card.connectionKind != 0 ||
        WithOperatorPreset(card, card.presetCountry, card.presetOperator) != card) {
        load.manualMode = true;
        load.presetDiffers = true;
        load.preset = ManualPresetSelection();
        load.typed.presetCountry = load.preset.country;
        load.typed.presetOperator = load.preset.operatorSlot;
        return load;
    }
    for (std::string MmsSettings::*text : kMmsPresetTexts) {
        (load.typed.*text).clear();
    }
    return load;
}

} // namespace rosmossel
