// Feeds arbitrary bytes to every decoder, as every file kind and for both
// families; whatever a decoder calls valid must come back byte for byte
// through the profile that inspect --json would print.
#include "cli/inspect.h"
#include "core/menu/menu_record.h"
#include "profile/profile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace rosmossel;
using namespace rosmossel::cli;
using namespace rosmossel::profile;

const Bytes* builtBytes(const Profile& profile, FileKind kind, Bytes& storage) {
    switch (kind) {
    case FileKind::Menu: {
        const FileRecord record = BuildMenuRecord(*profile.menu);
        storage.assign(record.begin(), record.end());
        return &storage;
    }
    case FileKind::Setup:
        storage = BuildSetupFile(*profile.mms).bytes;
        return &storage;
    case FileKind::Smtp:
        storage = BuildSmtpFile(*profile.smtp).bytes;
        return &storage;
    case FileKind::Staging:
        return nullptr;
    }
    return nullptr;
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
            Bytes storage;
            if (const Bytes* again = builtBytes(profile, kind, storage); again && *again != bytes) {
                std::abort();
            }
        }
    }
    (void)InspectBytes(bytes, "fuzz", std::nullopt, std::nullopt);
    return 0;
}
