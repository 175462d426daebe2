// Feeds arbitrary bytes to every decoder, as every file kind and for both
// families; whatever a decoder calls valid must come back byte for byte
// through the profile that inspect --json would print.
#include "cli/inspect.h"
#include "core/mms/setup_file.h"
#include "profile/profile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rosmossel;
    using namespace rosmossel::cli;
    using namespace rosmossel::profile;
    const Bytes bytes(data, data + size);
    for (const FileKind kind : {FileKind::Menu, FileKind::Mms, FileKind::Smtp}) {
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
            if (BuildSectionFile(profile, kind).bytes != bytes) {
                std::abort();
            }
        }
    }
    for (const Family family : {Family::Quill, Family::Sedge}) {
        (void)DecodeMmsStagingFile(bytes, family); // what other tools leave beside setup.dat
    }
    (void)InspectBytes(bytes, "fuzz", std::nullopt, std::nullopt);
    return 0;
}
