#include "profile/profile.h"

#include "core/menu/menu_decode.h"

namespace rosmossel::profile {

using ordered_json = nlohmann::ordered_json;

namespace {

void refuseOtherFamily(CameraModel model, Family family) {
    if (model.family() != family) {
        throw ProfileError(std::string("model: \"") + model.displayName() + "\" is a " +
                           FamilyName(model.family()) + " camera; this set-up is for a " +
                           FamilyName(family) + " camera");
    }
}

// The section of a file the dialog built, its language and TV mode.
struct BuiltSection {
    ordered_json section;
    int language;
    std::optional<int> tvMode;
};
template <typename Settings> BuiltSection built(const std::optional<Settings>& s, int codePage) {
    if (!s) {
        throw ProfileError("profile: the set-up could not be read back");
    }
    BuiltSection b{Section<Settings>{*s, codePage}, s->languageCode, std::nullopt};
    if constexpr (requires { s->tvMode; }) {
        b.tvMode = s->tvMode;
    }
    return b;
}

} // namespace

Profile ProfileForDialog(std::string_view text, Family family, SectionKind kind,
                         const ClockValue& now) {
    Profile profile = ParseProfile(text, now);
    refuseOtherFamily(profile.model, family);
    const bool present[] = {profile.menu.has_value(), profile.mms.has_value(),
                            profile.smtp.has_value()};
    if (!present[static_cast<int>(kind)]) {
        throw ProfileError(std::string(SectionKey(kind)) +
                           ": missing; the profile holds no set-up for this dialog");
    }
    return profile;
}

std::string ProfileWithSection(std::string_view existing, CameraModel model, SectionKind kind,
                               const Bytes& file) {
    const Family family = model.family();
    ordered_json profile = ordered_json::object();
    int codePage = SystemCodePage();
    int language = 2;
    int tvMode = 0;
    if (!existing.empty()) {
        const Profile old = ParseProfile(existing, {}); // refuses a malformed one by its key
        refuseOtherFamily(old.model, family);
        model = ModelOf(family, model.hasEmail() || old.model.hasEmail());
        codePage = old.codePage;
        profile = ordered_json::parse(existing);
        language = old.language;
        tvMode = old.tvMode;
    }
    BuiltSection b =
        kind == SectionKind::Menu  ? built(DecodeMenuFile(file, family).settings, codePage)
        : kind == SectionKind::Mms ? built(DecodeSetupFile(file, family).settings, codePage)
                                   : built(DecodeSmtpFile(file, family).settings, codePage);
    if (kind == SectionKind::Menu) {
        b.section["clock"] = "now"; // a profile sets up many cards, each at its writing
    }
    profile["model"] = model.displayName(); // in its place in an existing profile
    if (existing.empty()) {
        profile["language"] = LanguageName(b.language);
        if (b.tvMode.value_or(0) != 0) {
            profile["tv_mode"] = *b.tvMode;
        }
        profile["codePage"] = codePage;
    } else {
        if (b.language != language) {
            b.section["language"] = LanguageName(b.language);
        }
        if (b.tvMode && *b.tvMode != tvMode) {
            b.section["tv_mode"] = *b.tvMode;
        }
    }
    profile[SectionKey(kind)] = std::move(b.section);
    return profile.dump(2) + "\n";
}

} // namespace rosmossel::profile
