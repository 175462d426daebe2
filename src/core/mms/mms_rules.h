#pragma once

// The rules of the MMS dialogs that are not checks: which fields may be
// typed into, what the country, operator and connection lists offer, and
// what automatic mode writes.

#include "core/mms/setup_file.h"
#include "core/session/mms_preset_selection.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

// The texts, as stored, that decide whether the recipients may be typed.
struct MmsTypedTexts {
    std::string_view phone, email, recipient2;
};

struct MmsFieldStates {
    bool connection; // URL, APN, Gateway, Port, Account, Password
    bool phone;
    bool email;
    bool recipient2;
    bool recipient3;
    bool operator==(const MmsFieldStates&) const = default;
};

// Editable fields for a mode, a status and what is typed. A recipient opens
// once a usable first phone number (or, unless SMS only, an e-mail address)
// is there, and recipient 3 only after recipient 2; a recipient that is not
// editable must be empty, or Generate would write text the user cannot see
// change.
MmsFieldStates MmsEditableFields(bool manualMode, bool smsOnly, const MmsTypedTexts& typed);

// The country list. Only the start-up fill of a Chinese dialog names China
// in Chinese; a refill after manual mode uses the plain list in every language.
std::vector<std::string> MmsCountryChoices(bool manualMode, int language, bool startUp);
std::vector<std::string> MmsOperatorChoices(bool manualMode, int country, int language);
// The list in front of the APN field: CSD exists only in manual mode.
std::vector<std::string> MmsConnectionKinds(bool manualMode);

// The six connection texts an operator preset supplies, in file order.
inline constexpr std::array<std::string MmsSettings::*, 6> kMmsPresetTexts = {
    &MmsSettings::url,  &MmsSettings::apn,     &MmsSettings::gateway,
    &MmsSettings::port, &MmsSettings::account, &MmsSettings::password};

// Automatic mode writes the chosen operator's six connection strings, never
// what the (empty, read-only) fields hold. An unknown slot leaves them empty.
MmsSettings WithOperatorPreset(MmsSettings settings, int country, int op);

// Manual mode uses no preset: header bytes 8 and 9 say so until the next
// automatic Generate.
MmsPresetSelection ManualPresetSelection();

// A mode switch empties every text the file stores; the lists and the
// pictures per day stay.
void ClearMmsTexts(MmsSettings& settings);

// The lists' selections at Generate. The remote-control hours exist on Quill only.
struct MmsSelections {
    bool manualMode = false;
    int country = 0, operatorSlot = 0; // automatic mode's preset
    int mmsSendMode = 0, connectionKind = 0, internationalNumbers = 0, smsRemoteControl = 0;
};

// The settings Generate checks and writes: the typed texts and pictures per
// day, the header from the selections, the file's language code and TV mode,
// and the preset selection the session keeps (header bytes 8 and 9). In
// automatic mode the connection is the chosen operator's preset, whatever the
// locked fields hold.
MmsSettings MmsSettingsToWrite(const MmsSettings& typed, const MmsSelections& lists,
                               const MmsPresetSelection& kept, int languageCode, int tvMode);

// Pictures per day after an edit: out of 0..99 (the range message has been
// shown) it starts again from 0, unlimited.
int RepairPicturesPerDay(int value);

// How a card's setup.dat comes back into the dialog. In automatic mode the
// lists select its country and operator and Generate writes today's preset
// for them; where the card's connection differs from that preset (or uses
// CSD, which automatic mode does not offer), the card loads in manual mode
// with its own texts, so nothing it held is lost unless the user chooses so.
struct MmsCardLoad {
    bool manualMode = false;
    MmsSettings typed;         // what the fields show: no connection in automatic mode
    MmsPresetSelection preset; // the lists' selection; header bytes 8 and 9
    bool presetDiffers = false;
};
MmsCardLoad MmsLoadFromCard(const MmsSettings& card);

} // namespace rosmossel
