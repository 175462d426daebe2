#include "platform/cards.h"

#include "core/format/windows_text.h"

#include "platform/windows_api.h"

namespace rosmossel {

std::vector<Card> FindCards(std::chrono::milliseconds) {
    // An empty card reader must not bring up "There is no disk in the drive".
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::vector<Card> cards;
    const DWORD drives = GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring root = std::wstring(1, letter) + L":\\";
        if ((drives & (1u << (letter - L'A'))) == 0 ||
            GetDriveTypeW(root.c_str()) != DRIVE_REMOVABLE) {
            continue;
        }
        wchar_t label[MAX_PATH + 1] = {};
        wchar_t fileSystem[MAX_PATH + 1] = {};
        DWORD flags = 0;
        if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, &flags,
                                   fileSystem, MAX_PATH + 1)) {
            continue; // a reader without a card
        }
        ULARGE_INTEGER freeToUser{}, total{}, totalFree{};
        GetDiskFreeSpaceExW(root.c_str(), &freeToUser, &total, &totalFree);
        Card card;
        card.root = Utf8FromWide(root);
        card.label = Utf8FromWide(label);
        card.fileSystem = Utf8FromWide(fileSystem);
        card.capacity = total.QuadPart;
        card.freeSpace = freeToUser.QuadPart;
        // Windows does not mount a card read-only on its own: the lock switch.
        card.readOnly = ReadOnlyKind((flags & FILE_READ_ONLY_VOLUME) != 0, false);
        card.label = ShownText(card.label);
        card.device = Utf8FromWide(L"\\\\.\\" + root.substr(0, 2));
        cards.push_back(std::move(card));
    }
    SetErrorMode(errorMode);
    return cards;
}

} // namespace rosmossel
