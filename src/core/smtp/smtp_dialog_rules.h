#pragma once

// The rules of the e-mail dialogs that are more than moving a value: what the
// APN mode does to the lists, the GPRS fields and the typed texts, the
// picture-count repair, and what Generate writes from the lists' selections.

#include "core/smtp/smtp_file.h"

#include <array>
#include <string>
#include <vector>

namespace rosmossel {

// The mode list's positions.
enum class ApnMode { Automatic = 0, Manual = 1 };

// The picture count after the user edited it: a count beyond the field's
// range (the range check has just refused it) starts again from 0.
int PictureCountAfterEdit(int count);

// What a mode shows: in automatic mode the 39 preset countries and the
// operators of the first, with the GPRS fields locked (the preset is
// written); in manual mode the single entry "Other" in both lists and the
// GPRS fields open for typing.
struct SmtpModeView {
    bool gprsEditable;
    std::vector<std::string> countries;
    std::vector<std::string> operators;
};
SmtpModeView SmtpModeViewOf(ApnMode mode);

// A mode switch empties every text the file stores; the picture count, the
// header selections and the folder (not part of the settings) stay.
void ClearSmtpTexts(SmtpSettings& settings);

// The GPRS texts a preset supplies in automatic mode.
inline constexpr std::array<std::string SmtpSettings::*, 3> kSmtpPresetTexts = {
    &SmtpSettings::apn, &SmtpSettings::account, &SmtpSettings::gprsPassword};

// The lists' selections at Generate. The Quill lists are ignored on Sedge.
struct SmtpSelections {
    ApnMode mode = ApnMode::Automatic;
    int country = 0, operatorSlot = 0;
    int mmsSendMode = 1, smsRemoteControl = kSmsRemoteControlOff;
};

// The settings Generate checks and writes: the typed texts and count, the
// header from the selections and the file's language code. In automatic mode
// the APN, account and password are the preset of the chosen country and
// operator (an empty slot gives empty texts), whatever the locked fields
// hold; in manual mode the header says so (country 0x80, operator 0).
SmtpSettings SmtpSettingsToWrite(const SmtpSettings& typed, const SmtpSelections& lists,
                                 int languageCode);

// How a card's smtp.dat comes back into the dialog. In automatic mode the
// lists select its country and operator and Generate writes today's preset
// for them; where the card's GPRS texts differ from that preset, the card
// loads in manual mode with its own texts, so nothing it held is lost unless
// the user chooses so.
struct SmtpCardLoad {
    SmtpSelections lists;
    SmtpSettings typed; // what the fields show: no GPRS texts in automatic mode
    bool presetDiffers = false;
};
SmtpCardLoad SmtpLoadFromCard(const SmtpSettings& card);

} // namespace rosmossel
