// The Windows eject's calls, through the seam: lock, dismount, then eject.
#include "platform/card_eject_windows.h"

#include <gtest/gtest.h>

#include <winioctl.h>

#include <map>
#include <vector>

namespace rosmossel {
namespace {

TEST(WindowsEjectTest, LockDismountEject) {
    const struct {
        const char* what;
        DWORD openError;
        std::map<DWORD, DWORD> errors; // control code -> its error
        EjectOutcome outcome;
        std::vector<DWORD> calls;
    } cases[] = {
        {"a card reader",
         0,
         {},
         EjectOutcome::Ejected,
         {FSCTL_LOCK_VOLUME, FSCTL_DISMOUNT_VOLUME, IOCTL_STORAGE_MEDIA_REMOVAL,
          IOCTL_STORAGE_EJECT_MEDIA}},
        {"a reader that cannot eject: dismounted is enough",
         0,
         {{IOCTL_STORAGE_EJECT_MEDIA, ERROR_NOT_SUPPORTED}},
         EjectOutcome::Ejected,
         {FSCTL_LOCK_VOLUME, FSCTL_DISMOUNT_VOLUME, IOCTL_STORAGE_MEDIA_REMOVAL,
          IOCTL_STORAGE_EJECT_MEDIA}},
        {"a program holds a file on the card",
         0,
         {{FSCTL_LOCK_VOLUME, ERROR_ACCESS_DENIED}},
         EjectOutcome::Busy,
         {FSCTL_LOCK_VOLUME, FSCTL_LOCK_VOLUME, FSCTL_LOCK_VOLUME}},
        {"the volume cannot be dismounted",
         0,
         {{FSCTL_DISMOUNT_VOLUME, ERROR_NOT_READY}},
         EjectOutcome::Failed,
         {FSCTL_LOCK_VOLUME, FSCTL_DISMOUNT_VOLUME}},
        {"the card is gone", ERROR_FILE_NOT_FOUND, {}, EjectOutcome::Failed, {}},
        {"another program opened the volume", ERROR_SHARING_VIOLATION, {}, EjectOutcome::Busy, {}},
    };
    for (const auto& c : cases) {
        std::vector<DWORD> calls;
        bool closed = false;
        std::wstring opened;
        const HANDLE volume = reinterpret_cast<HANDLE>(42);
        const VolumeCalls seam{[&](const std::wstring& device, DWORD& error) {
                                   opened = device;
                                   error = c.openError;
                                   return c.openError == 0 ? volume : INVALID_HANDLE_VALUE;
                               },
                               [&](HANDLE, DWORD code) -> DWORD {
                                   calls.push_back(code);
                                   const auto error = c.errors.find(code);
                                   return error == c.errors.end() ? 0 : error->second;
                               },
                               [&](HANDLE) { closed = true; }};
        const EjectResult result = EjectVolume(L"\\\\.\\E:", seam);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.outcome == EjectOutcome::Ejected, result.detail.empty()) << c.what;
        EXPECT_EQ(calls, c.calls) << c.what;
        EXPECT_EQ(opened, L"\\\\.\\E:") << c.what;
        EXPECT_EQ(closed, c.openError == 0) << c.what;
    }
}

} // namespace
} // namespace rosmossel
