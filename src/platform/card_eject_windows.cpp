#include "platform/card_eject_windows.h"

#include "platform/cards.h"

#include <winioctl.h>

namespace rosmossel {
namespace {

bool isBusy(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

} // namespace

VolumeCalls SystemVolumeCalls() {
    return {[](const std::wstring& device, DWORD& error) {
                HANDLE volume = CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
                error = volume == INVALID_HANDLE_VALUE ? GetLastError() : 0;
                return volume;
            },
            [](HANDLE volume, DWORD code) -> DWORD {
                DWORD returned = 0;
                PREVENT_MEDIA_REMOVAL allow{FALSE};
                const bool media = code == IOCTL_STORAGE_MEDIA_REMOVAL;
                return DeviceIoControl(volume, code, media ? &allow : nullptr,
                                       media ? sizeof allow : 0, nullptr, 0, &returned, nullptr)
                           ? 0
                           : GetLastError();
            },
            [](HANDLE volume) { CloseHandle(volume); }};
}

EjectResult EjectVolume(const std::wstring& device, const VolumeCalls& calls) {
    DWORD error = 0;
    HANDLE volume = calls.open(device, error);
    if (volume == INVALID_HANDLE_VALUE) {
        return {isBusy(error) ? EjectOutcome::Busy : EjectOutcome::Failed, WindowsErrorText(error)};
    }
    // A program that has just closed its files may need a moment to let go.
    for (int attempt = 0; attempt < 3; ++attempt) {
        error = calls.control(volume, FSCTL_LOCK_VOLUME);
        if (error == 0 || !isBusy(error)) {
            break;
        }
        Sleep(200);
    }
    if (error == 0) {
        error = calls.control(volume, FSCTL_DISMOUNT_VOLUME);
    }
    if (error == 0) {
        calls.control(volume, IOCTL_STORAGE_MEDIA_REMOVAL);
        calls.control(volume,
                      IOCTL_STORAGE_EJECT_MEDIA); // a reader may not eject; dismounted is enough
    }
    calls.close(volume);
    if (error != 0) {
        return {isBusy(error) ? EjectOutcome::Busy : EjectOutcome::Failed, WindowsErrorText(error)};
    }
    return {EjectOutcome::Ejected, {}};
}

EjectResult EjectCard(const Card& card) {
    return EjectVolume(WideFromUtf8(card.device), SystemVolumeCalls());
}

} // namespace rosmossel
