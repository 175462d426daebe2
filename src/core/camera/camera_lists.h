#pragma once

// The camera's own option lists that setup.dat and smtp.dat both index, in
// English and in the order the camera reads them; the catalogue translates
// them entry for entry.

#include "core/format/header_fields.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

inline constexpr int kSmsRemoteControlOff = 25; // the last entry of the list
// The hours of the SMS remote-control list, before its "Off".
inline constexpr std::array<std::string_view, kSmsRemoteControlOff> kSmsRemoteControlHours = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24"};
// The mode list of both dialogs: connection from the presets, or typed.
const std::vector<std::string>& ApnModeList();
// The single entry of the country and operator lists in manual mode.
inline constexpr std::string_view kManualListEntry = "Other";
// The MMS send mode (setup.dat's status, smtp.dat's byte 6 on Quill cameras):
// Off, VGA, then QVGA on Sedge cameras only, then SMS.
const std::vector<std::string>& MmsSendModeList(bool quill);
// The SMS remote control at `offset`: the list on Quill cameras, always 0 on Sedge ones.
HeaderField SmsRemoteControlField(std::size_t offset, bool quill);

// The Quill dialogs' SMS remote-control list: the hours "0" to "24", then "Off".
const std::vector<std::string>& SmsRemoteControlList();

} // namespace rosmossel
