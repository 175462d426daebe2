// Feeds arbitrary bytes to every decoder, as every file kind and for both
// families; whatever a decoder calls valid must come back byte for byte
// through the profile that inspect --json would print.
#include "cli/inspect.h"
#include "core/format/decoded_file.h"
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
            const DecodedFile in = DecodeSettingsFile(SettingsFile(kind).fileName, bytes, family);
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
    // What other tools leave beside setup.dat, and a file under any other
    // name, its family worked out from the bytes.
    for (const std::optional<Family> family :
         {std::optional<Family>{}, std::optional<Family>{Family::Quill},
          std::optional<Family>{Family::Sedge}}) {
        (void)FormatInspection(DecodeSettingsFile("mms.dat", bytes, family));
        (void)FormatInspection(DecodeSettingsFile("", bytes, family));
    }
    return 0;
}
