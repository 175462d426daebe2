// Feeds arbitrary bytes to every decoder, as every file kind and for both
// families; whatever a decoder calls valid must come back byte for byte
// through the profile that inspect --json would print.
#include "cli/inspect.h"
#include "profile/profile.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using namespace rosmossel;
using namespace rosmossel::cli;
using namespace rosmossel::profile;

// The profile section that writes a file of `kind`; a staging image has none.
std::optional<SectionKind> sectionOf(FileKind kind) {
    switch (kind) {
    case FileKind::Menu:
        return SectionKind::Menu;
    case FileKind::Setup:
        return SectionKind::Mms;
    case FileKind::Smtp:
        return SectionKind::Smtp;
    case FileKind::Staging:
        break;
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes bytes(data, data + size);
    for (const FileKind kind :
         {FileKind::Menu, FileKind::Setup, FileKind::Smtp, FileKind::Staging}) {
        for (const Family family : {Family::Quill, Family::Sedge}) {
            const Inspection in = InspectBytes(bytes, "fuzz", kind, family);
            (void)FormatInspection(in);
            if (!in.valid()) {
                continue;
            }
            std::vector<std::string> notes;
            const auto profileJson = ProfileOf({in}, family == Family::Quill ? 4 : 3, notes);
            if (profileJson.empty()) {
                continue; // the factory record or a staging image
            }
            const Profile profile = ParseProfile(profileJson.dump(), ClockValue{});
            if (const auto section = sectionOf(kind);
                section && BuildSectionFile(profile, *section).bytes != bytes) {
                std::abort();
            }
        }
    }
    (void)InspectBytes(bytes, "fuzz", std::nullopt, std::nullopt);
    return 0;
}
