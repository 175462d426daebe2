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

// Which fields may be typed into. They change only with what the user does
// (MmsReact), never with what the texts hold at some moment: a recipient the
// user typed stays as it is until a rule empties it.
struct MmsFieldStates {
    bool connection; // URL, APN, Gateway, Port, Account, Password
    bool phone;
    bool email;
    bool recipient2;
    bool recipient3;
    bool operator==(const MmsFieldStates&) const = default;
};

// As the dialog opens: Phone No and Email only.
inline constexpr MmsFieldStates kMmsOpeningStates{false, true, true, false, false};

// A phone number, e-mail or recipient of up to this many bytes is not yet a
// number or an address: it locks the recipients after it, and the checks
// refuse it unless it is empty.
inline constexpr std::size_t kLongestUnfinishedText = 4;

enum class MmsEvent { ModeChanged, StatusChanged, PhoneEdited, EmailEdited, Recipient2Edited };

// The field states after `event`, in the mode and status selected once it has
// happened; `texts` holds the values as taken after it. Texts are emptied only
// by a mode change (all ten), by an unfinished phone number or e-mail
// (recipients 2 and 3) and by an unfinished recipient 2 (recipient 3); a
// status change only locks. A longer e-mail without "@" changes nothing.
MmsFieldStates MmsReact(MmsEvent event, const MmsFieldStates& states, bool manualMode, bool smsOnly,
                        MmsSettings& texts);

// The states of settings loaded from a card or a profile: those of choosing
// their mode and status and then typing their phone number, e-mail and
// recipient 2, in that order, each that is not empty and where it may be
// typed. Loading empties nothing: a recipient the rules would lock keeps its
// text, as after a status change.
MmsFieldStates MmsLoadedStates(bool manualMode, bool smsOnly, const MmsSettings& texts);

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

// Manual mode uses no preset: header bytes 8 and 9 say so.
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
// day, the header from the selections, the file's language code and TV mode.
// In automatic mode the connection is the chosen operator's preset, whatever
// the locked fields hold, and header bytes 8 and 9 name it; in manual mode
// they say that no preset is used.
MmsSettings MmsSettingsToWrite(const MmsSettings& typed, const MmsSelections& lists,
                               int languageCode, int tvMode);

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
