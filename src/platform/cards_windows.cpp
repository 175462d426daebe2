#include "platform/cards_windows.h"

#include "core/format/windows_text.h"
#include "platform/cards.h"

#include <winioctl.h>

#include <memory>

namespace rosmossel {
namespace {

Bus busOf(wchar_t letter) {
    const std::wstring device = std::wstring(L"\\\\.\\") + letter + L":";
    // No access asked: the query needs none, and a busy volume answers too.
    HANDLE volume = CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (volume == INVALID_HANDLE_VALUE) {
        return Bus::Other;
    }
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    STORAGE_DEVICE_DESCRIPTOR descriptor{};
    DWORD returned = 0;
    const bool answered =
        DeviceIoControl(volume, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &descriptor,
                        sizeof descriptor, &returned, nullptr) != 0;
    CloseHandle(volume);
    if (!answered) {
        return Bus::Other;
    }
    switch (descriptor.BusType) {
    case BusTypeUsb:
        return Bus::Usb;
    case BusTypeSd:
    case BusTypeMmc:
        return Bus::Sd;
    default:
        return Bus::Other;
    }
}

// The drive of the Windows folder, and those the page files are on
// ("C:\pagefile.sys 0 0"; "?:\pagefile.sys" lets Windows choose: its own).
std::wstring systemLetters() {
    std::wstring letters;
    wchar_t windows[MAX_PATH + 1] = {};
    if (GetSystemWindowsDirectoryW(windows, MAX_PATH + 1) > 0 && windows[1] == L':') {
        letters += static_cast<wchar_t>(towupper(windows[0]));
    }
    wchar_t paging[4096] = {};
    DWORD size = sizeof paging - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                     L"PagingFiles", RRF_RT_REG_MULTI_SZ, nullptr, paging,
                     &size) == ERROR_SUCCESS) {
        for (const wchar_t* entry = paging; *entry != L'\0'; entry += wcslen(entry) + 1) {
            if (entry[0] != L'?' && entry[1] == L':') {
                letters += static_cast<wchar_t>(towupper(entry[0]));
            }
        }
    }
    return letters;
}

bool volumeOf(const std::wstring& root, Card& card) {
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD flags = 0;
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, &flags,
                               fileSystem, MAX_PATH + 1)) {
        return false; // a reader without a card
    }
    ULARGE_INTEGER freeToUser{}, total{}, totalFree{};
    GetDiskFreeSpaceExW(root.c_str(), &freeToUser, &total, &totalFree);
    card.label = Utf8FromWide(label);
    card.fileSystem = Utf8FromWide(fileSystem);
    card.capacity = total.QuadPart;
    card.freeSpace = freeToUser.QuadPart;
    // Windows does not mount a card read-only on its own: the lock switch.
    card.readOnly = ReadOnlyKind((flags & FILE_READ_ONLY_VOLUME) != 0, false);
    return true;
}

} // namespace

DriveCalls SystemDriveCalls() {
    return {[] { return GetLogicalDrives(); },
            [](const std::wstring& root) { return GetDriveTypeW(root.c_str()); }, busOf,
            systemLetters, volumeOf};
}

std::vector<Card> FindCardsWith(const DriveCalls& calls, std::chrono::milliseconds limit) {
    const std::wstring system = calls.system();
    std::vector<std::string> systemDisks;
    for (const wchar_t letter : system) {
        systemDisks.push_back(Utf8FromWide(std::wstring(1, letter)));
    }
    struct Found {
        Card card;
        bool mounted = false;
    };
    std::vector<std::shared_ptr<Found>> found;
    std::vector<std::function<void()>> work;
    const DWORD letters = calls.letters();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if ((letters & (1u << (letter - L'A'))) == 0) {
            continue;
        }
        const std::wstring root = std::wstring(1, letter) + L":\\";
        const UINT type = calls.type(root);
        if (type != DRIVE_REMOVABLE && type != DRIVE_FIXED) {
            continue;
        }
        Volume volume;
        volume.mountPoint = Utf8FromWide(root);
        volume.disk = Utf8FromWide(std::wstring(1, letter));
        volume.removable = type == DRIVE_REMOVABLE;
        volume.bus = type == DRIVE_FIXED ? calls.bus(letter) : Bus::Other;
        if (!IsCardVolume(volume, systemDisks)) {
            continue;
        }
        auto entry = std::make_shared<Found>();
        entry->card.root = volume.mountPoint;
        entry->card.device = Utf8FromWide(L"\\\\.\\" + root.substr(0, 2));
        found.push_back(entry);
        work.push_back([entry, root, volumeCall = calls.volume] {
            entry->mounted = volumeCall(root, entry->card);
        });
    }
    const std::vector<bool> answered = RunAllWithin(limit, std::move(work));
    std::vector<Card> cards;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!answered[i]) {
            Card silent;
            silent.root = found[i]->card.root;
            silent.device = found[i]->card.device;
            silent.responding = false;
            cards.push_back(std::move(silent));
        } else if (found[i]->mounted) {
            Card card = found[i]->card;
            card.label = ShownText(card.label);
            cards.push_back(std::move(card));
        }
    }
    return cards;
}

std::vector<Card> FindCards(std::chrono::milliseconds limit) {
    // An empty card reader must not bring up "There is no disk in the drive".
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::vector<Card> cards = FindCardsWith(SystemDriveCalls(), limit);
    SetErrorMode(errorMode);
    return cards;
}

} // namespace rosmossel
