#include "core/mms/mms_rules.h"

#include "core/mms/operator_presets.h"

namespace rosmossel {
namespace {

bool usable(std::string_view text) {
    return text.size() > kLongestUnfinishedText;
}

void lockRecipients(MmsFieldStates& states, MmsSettings& texts) {
    texts.recipient2.clear();
    texts.recipient3.clear();
    states.recipient2 = states.recipient3 = false;
}

} // namespace

MmsFieldStates MmsReact(MmsEvent event, const MmsFieldStates& states, bool manualMode, bool smsOnly,
                        MmsSettings& texts) {
    MmsFieldStates next = states;
    switch (event) {
    case MmsEvent::ModeChanged:
        ClearMmsTexts(texts);
        [[fallthrough]];
    case MmsEvent::StatusChanged:
        // A status change locks without emptying: the texts come back with
        // the next edit of the phone number or e-mail.
        next = {manualMode && !smsOnly, true, !smsOnly, false, false};
        break;
    case MmsEvent::PhoneEdited:
        if (usable(texts.phone)) {
            next.recipient2 = true;
        } else {
            lockRecipients(next, texts);
        }
        break;
    case MmsEvent::EmailEdited:
        if (!usable(texts.email)) {
            lockRecipients(next, texts);
        } else if (texts.email.find('@') != std::string::npos) {
            next.recipient2 = true;
        }
        break;
    case MmsEvent::Recipient2Edited:
        next.recipient3 = usable(texts.recipient2);
        if (!next.recipient3) {
            texts.recipient3.clear();
        }
        break;
    }
    return next;
}

MmsFieldStates MmsLoadedStates(bool manualMode, bool smsOnly, const MmsSettings& texts) {
    MmsSettings typed = texts; // the rules' emptying is not applied to what was loaded
    // Choosing the mode and then the status leaves the states a status change gives.
    MmsFieldStates states =
        MmsReact(MmsEvent::StatusChanged, kMmsOpeningStates, manualMode, smsOnly, typed);
    const struct {
        const std::string& text;
        bool MmsFieldStates::*editable;
        MmsEvent event;
    } typing[] = {{texts.phone, &MmsFieldStates::phone, MmsEvent::PhoneEdited},
                  {texts.email, &MmsFieldStates::email, MmsEvent::EmailEdited},
                  {texts.recipient2, &MmsFieldStates::recipient2, MmsEvent::Recipient2Edited}};
    for (const auto& [text, editable, event] : typing) {
        if (!text.empty() && states.*editable) {
            states = MmsReact(event, states, manualMode, smsOnly, typed);
        }
    }
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
                               int languageCode, int tvMode) {
    MmsSettings s = typed;
    s.mmsSendMode = lists.mmsSendMode;
    s.connectionKind = lists.connectionKind;
    s.languageCode = languageCode;
    s.tvMode = tvMode;
    s.internationalNumbers = lists.internationalNumbers;
    const MmsPresetSelection manual = ManualPresetSelection();
    s.presetCountry = manual.country;
    s.presetOperator = manual.operatorSlot;
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
