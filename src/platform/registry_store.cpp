#include "platform/registry_store.h"

#ifdef _WIN32

#include <algorithm>
#include <array>

namespace rosmossel {
namespace {

// Read access plus the rights to set values and create sub-keys.
constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
constexpr DWORD kTextBlock = 260;

} // namespace

RegistryPreferenceStore::RegistryPreferenceStore(Location location)
    : location_(std::move(location)) {}

RegistryPreferenceStore::~RegistryPreferenceStore() {
    Close();
}

LSTATUS RegistryPreferenceStore::OpenKey(HKEY hive, const std::wstring& path, REGSAM access,
                                         bool create, HKEY* key) {
    if (create) {
        return RegCreateKeyExW(hive, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                               nullptr, key, nullptr);
    }
    return RegOpenKeyExW(hive, path.c_str(), 0, access, key);
}

// Whether creating the absent machine-wide key would be allowed: its nearest
// existing parent lets us add sub-keys. Asks without creating anything.
bool RegistryPreferenceStore::MachineKeyCanBeCreated() {
    std::wstring path = location_.subKey;
    while (true) {
        const auto slash = path.rfind(L'\\');
        path.resize(slash == std::wstring::npos ? 0 : slash);
        HKEY parent = nullptr;
        const LSTATUS status = OpenKey(location_.machine, path, KEY_CREATE_SUB_KEY, false, &parent);
        if (status == ERROR_SUCCESS) {
            RegCloseKey(parent);
            return true;
        }
        if (status != ERROR_FILE_NOT_FOUND || path.empty()) {
            return false;
        }
    }
}

bool RegistryPreferenceStore::Open() {
    Close();
    const LSTATUS status = OpenKey(location_.machine, location_.subKey, kAccess, false, &key_);
    if (status == ERROR_SUCCESS) {
        hive_ = location_.machine;
        return true;
    }
    key_ = nullptr;
    // An absent key that may be created stays the machine's: Create makes it.
    if (status == ERROR_FILE_NOT_FOUND && MachineKeyCanBeCreated()) {
        return false;
    }
    if (OpenKey(location_.user, location_.subKey, kAccess, false, &key_) == ERROR_SUCCESS) {
        hive_ = location_.user;
        return true;
    }
    key_ = nullptr;
    return false;
}

bool RegistryPreferenceStore::Create() {
    Close();
    for (HKEY hive : {location_.machine, location_.user}) {
        if (OpenKey(hive, location_.subKey, kAccess, true, &key_) == ERROR_SUCCESS) {
            hive_ = hive;
            return true;
        }
        key_ = nullptr;
    }
    return false;
}

void RegistryPreferenceStore::Close() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
    }
    key_ = nullptr;
    hive_ = nullptr;
}

std::optional<std::uint32_t> RegistryPreferenceStore::ReadNumber(std::string_view name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (key_ == nullptr ||
        RegQueryValueExW(key_, WideFromUtf8(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

bool RegistryPreferenceStore::WriteNumber(std::string_view name, std::uint32_t value) {
    const DWORD data = value;
    return key_ != nullptr &&
           RegSetValueExW(key_, WideFromUtf8(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

std::optional<std::string> RegistryPreferenceStore::ReadText(std::string_view name) {
    std::array<wchar_t, kTextBlock / sizeof(wchar_t)> buffer{};
    DWORD size = kTextBlock;
    if (key_ == nullptr ||
        RegQueryValueExW(key_, WideFromUtf8(name).c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring_view text(buffer.data(), size / sizeof(wchar_t));
    return Utf8FromWide(text.substr(0, text.find(L'\0')));
}

bool RegistryPreferenceStore::WriteText(std::string_view name, std::string_view text) {
    // The text with its terminating zero, zero-padded to the block.
    std::array<wchar_t, kTextBlock / sizeof(wchar_t)> block{};
    const std::wstring wide = WideFromUtf8(text);
    std::copy_n(wide.begin(), std::min(wide.size(), block.size() - 1), block.begin());
    return key_ != nullptr &&
           RegSetValueExW(key_, WideFromUtf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(block.data()), kTextBlock) == ERROR_SUCCESS;
}

} // namespace rosmossel

#endif
