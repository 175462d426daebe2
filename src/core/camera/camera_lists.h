#pragma once

// The camera's own option lists that menu.dat, setup.dat and smtp.dat index,
// in English and in the order the camera reads them; the catalogue translates
// them entry for entry.

#include "core/format/header_fields.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

// The entries stated here are the English column of the catalogue: each list
// is written once, and the catalogue fills its English cells from it.

// "Off": the first entry of the MMS send-mode list, the last of the SMS
// remote-control list.
inline constexpr std::string_view kOffEntry = "Off";
inline constexpr int kSmsRemoteControlOff = 25; // the last entry of the list
// The SMS remote-control list: the hours "0" to "24", then "Off".
inline constexpr std::array<std::string_view, kSmsRemoteControlOff + 1> kSmsRemoteControlEntries = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", kOffEntry};
// The mode list of both dialogs: connection from the presets, or typed.
inline constexpr std::array<std::string_view, 2> kApnModes = {"Auto", "Manual"};
// The MMS send mode (setup.dat's status, smtp.dat's byte 6 on Quill cameras):
// Off, VGA, then QVGA on Sedge cameras only, then SMS.
inline constexpr std::array<std::string_view, 4> kSedgeMmsSendModes = {kOffEntry, "VGA", "QVGA",
                                                                       "SMS"};
inline constexpr std::array<std::string_view, 3> kQuillMmsSendModes = {
    kSedgeMmsSendModes[0], kSedgeMmsSendModes[1], kSedgeMmsSendModes[3]};
// setup.dat's connection kind and number kind.
inline constexpr std::array<std::string_view, 2> kConnectionKinds = {"APN", "CSD"};
inline constexpr std::array<std::string_view, 2> kNumberKinds = {"Domestic", "International"};
// The single entry of the country and operator lists in manual mode.
inline constexpr std::string_view kManualListEntry = "Other";

// The camera menu's lists (menu.dat). Where the families differ, each has its own.
inline constexpr std::array<std::string_view, 3> kCaptureModes = {"Camera", "Video",
                                                                  "Camera+Video"};
inline constexpr std::array<std::string_view, 3> kQuillImageSizes = {"12MP", "5MP", "2MP"};
inline constexpr std::array<std::string_view, 3> kSedgeImageSizes = {"5MP", "12MP", "1.3MP"};
inline constexpr std::array<std::string_view, 3> kQuillVideoSizes = {"1440x1080", "1280x720",
                                                                     "640x480"};
inline constexpr std::array<std::string_view, 2> kSedgeVideoSizes = {"640x480", "320x240"};
inline constexpr std::array<std::string_view, 3> kPicturesPerTrigger = {"01 Photo", "02 Photo",
                                                                        "03 Photo"};
inline constexpr std::array<std::string_view, 3> kSensitivities = {"Normal", "High", "Low"};
inline constexpr std::array<std::string_view, 2> kIntervalUnits = {"Sec", "Min"};
// The switches: side PIR, timer, serial number, beep sound and SD cycle
// list Off first; the time stamp and time lapse list On first.
inline constexpr std::array<std::string_view, 2> kOffOnEntries = {kOffEntry, "On"};
inline constexpr std::array<std::string_view, 2> kOnOffEntries = {kOffOnEntries[1], kOffEntry};
// The serial number's characters: 0 to 9, then A to Z.
inline constexpr auto kSerialCharacterEntries = [] {
    constexpr std::string_view alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::array<std::string_view, alphabet.size()> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i] = alphabet.substr(i, 1);
    }
    return entries;
}();

// A list above as the texts a header field or a list control takes.
std::vector<std::string> EntriesOf(std::span<const std::string_view> entries);

const std::vector<std::string>& ApnModeList();
const std::vector<std::string>& MmsSendModeList(bool quill);
// The SMS remote control at `offset`: the list on Quill cameras, always 0 on Sedge ones.
HeaderField SmsRemoteControlField(std::size_t offset, bool quill);
const std::vector<std::string>& SmsRemoteControlList();

} // namespace rosmossel
