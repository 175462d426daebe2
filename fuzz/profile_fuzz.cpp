// Feeds arbitrary text to the profile reader, as the CLI's generate and the
// dialogs' Open and Save do: a profile is read or refused with a message,
// never anything else, and whatever is read builds its files or says why not.
#include "core/mms/setup_file.h"
#include "profile/profile.h"

#include <cstdint>
#include <string_view>

using namespace rosmossel;
using namespace rosmossel::profile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const Profile profile = ParseProfile(text, ClockValue{2026, 12, 9, 8, 0, 0});
        (void)CheckProfile(profile);
        for (const SectionKind kind : {SectionKind::Menu, SectionKind::Mms, SectionKind::Smtp}) {
            if (profile.holds(kind)) {
                (void)BuildSectionFile(profile, kind);
            }
        }
        if (profile.mms) { // saving the section a dialog builds keeps the profile readable
            const std::string saved =
                ProfileWithSection(text, profile.model, SectionKind::Mms,
                                   BuildSetupFile(*profile.mms).bytes, profile.codePage);
            (void)ParseProfile(saved, ClockValue{});
        }
    } catch (const ProfileError&) {
    }
    return 0;
}
