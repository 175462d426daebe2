#include "core/format/utf8_path.h"
#include "core/operators/operator_sources.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace rosmossel {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

} // namespace

std::string OwnerConfigFolder() {
    // A relative XDG_CONFIG_HOME is to be ignored.
    std::string base = environment("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) {
            return {};
        }
        base = PathText(Utf8Path(home) / ".config");
    }
    return PathText(Utf8Path(base) / "rosmossel");
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : PathText(self.parent_path());
}

std::vector<const char*> SystemOperatorDatabases() {
    return {"/usr/share/mobile-broadband-provider-info/serviceproviders.xml"};
}

} // namespace rosmossel
