#pragma once

#ifdef _WIN32

#include "core/card/card.h"
#include "core/format/windows_text.h"

#include <functional>
#include <string>

#include "platform/windows_api.h"

namespace rosmossel {

// The system calls an eject makes; tests play a card that is busy or gone.
// `control` gives 0 or the system's error for one DeviceIoControl code.
struct VolumeCalls {
    std::function<HANDLE(const std::wstring& device, DWORD& error)> open;
    std::function<DWORD(HANDLE volume, DWORD code)> control;
    std::function<void(HANDLE volume)> close;
};
VolumeCalls SystemVolumeCalls();

// Lock (a program holding a file on the card makes it busy), dismount, then
// eject the medium; after the dismount the card is safe to take out even
// where the reader cannot eject.
EjectResult EjectVolume(const std::wstring& device, const VolumeCalls& calls);

} // namespace rosmossel

#endif
