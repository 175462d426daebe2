#pragma once

#ifdef _WIN32

#include "core/card/card.h"

#include <chrono>
#include <functional>
#include <string>

#include "platform/windows_api.h"

namespace rosmossel {

// The system calls the Windows finder makes, one drive letter at a time;
// tests play card readers, fixed disks on USB and the system's drive.
struct DriveCalls {
    std::function<DWORD()> letters; // GetLogicalDrives
    std::function<UINT(const std::wstring& root)> type;
    std::function<Bus(wchar_t letter)> bus; // the bus of a fixed disk's volume
    std::function<std::wstring()> system;   // letters holding Windows or a page file
    // Label, file system, lock and space of the volume at `root` into
    // `card`; false where the drive holds no medium.
    std::function<bool(const std::wstring& root, Card& card)> volume;
};
DriveCalls SystemDriveCalls();

// The cards among the drive letters: removable drives, and fixed disks on
// a USB or SD bus (card readers that present a card so), never a drive
// holding Windows or a page file. The volume calls run within `limit`.
std::vector<Card> FindCardsWith(const DriveCalls& calls, std::chrono::milliseconds limit);

} // namespace rosmossel

#endif
