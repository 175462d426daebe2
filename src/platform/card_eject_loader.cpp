// rosmossel-cli's eject on Linux: the UDisks2 module, loaded only now.
#include "platform/cards.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <filesystem>

namespace rosmossel {

EjectResult EjectCard(const Card& card) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    void* module = nullptr;
    for (const std::filesystem::path& folder :
         {program.parent_path(), std::filesystem::path(ROSMOSSEL_MODULE_DIR)}) {
        if (module == nullptr && !folder.empty()) {
            module = ::dlopen((folder / "librosmossel-udisks.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    using Eject = int (*)(const char*, char*, std::size_t);
    const auto eject = module != nullptr
                           ? reinterpret_cast<Eject>(::dlsym(module, "rosmossel_eject_card"))
                           : nullptr;
    if (eject == nullptr) {
        return {EjectOutcome::NoService, "the tool was installed without its D-Bus module"};
    }
    std::array<char, 512> detail{};
    const int outcome = eject(card.device.c_str(), detail.data(), detail.size());
    // The module stays loaded: Qt's threads may still be winding down.
    return {static_cast<EjectOutcome>(outcome), detail.data()};
}

} // namespace rosmossel
