// rosmossel-cli's eject on Linux: the UDisks2 module, loaded only now.
#include "platform/cards.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <filesystem>

namespace rosmossel {

EjectResult EjectCard(const Card& card) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error).parent_path();
    // Beside the program in the build tree; where the package put it,
    // relative to the program; where this build installs it.
    const fs::path folders[] = {program, program / ROSMOSSEL_MODULE_FROM_PROGRAM,
                                fs::path(ROSMOSSEL_MODULE_DIR)};
    void* module = nullptr;
    std::string reason = "librosmossel-udisks.so was not found";
    for (const fs::path& folder : folders) {
        const fs::path file = folder / "librosmossel-udisks.so";
        if (module == nullptr && !folder.empty() && fs::exists(file, error)) {
            module = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (module == nullptr) {
                const char* why = ::dlerror();
                reason = why != nullptr ? why : file.string() + " could not be loaded";
            }
        }
    }
    using Eject = int (*)(const char*, char*, std::size_t);
    const auto eject = module != nullptr
                           ? reinterpret_cast<Eject>(::dlsym(module, "rosmossel_eject_card"))
                           : nullptr;
    if (eject == nullptr) {
        // Not the disk service's fault: the owner hears what is missing.
        return {EjectOutcome::Failed, "rosmossel-cli's D-Bus module is missing: " + reason};
    }
    std::array<char, 512> detail{};
    const int outcome = eject(card.device.c_str(), detail.data(), detail.size());
    // The module stays loaded: Qt's threads may still be winding down.
    return {static_cast<EjectOutcome>(outcome), detail.data()};
}

} // namespace rosmossel
