#include "core/format/utf8_path.h"
#include "core/operators/operator_sources.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>

namespace rosmossel {

std::string OwnerConfigFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || *appData == L'\0') {
        return {};
    }
    return PathText(std::filesystem::path(appData) / L"Ros Mossel");
}

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return PathText(std::filesystem::path(path).parent_path());
        }
        path.resize(path.size() * 2); // cut short: a longer buffer
    }
}

// Windows keeps no carrier database of its own; the packages put one beside
// the program.
std::vector<const char*> SystemOperatorDatabases() {
    return {};
}

} // namespace rosmossel
