#include "profile/profile.h"

#include "core/menu/menu_decode.h"
#include "profile/profile_keys.h"

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

bool Profile::holds(SectionKind kind) const {
    return kind == SectionKind::Menu
               ? menu.has_value()
               : (kind == SectionKind::Mms ? mms.has_value() : smtp.has_value());
}

BuildResult BuildSectionFile(const Profile& profile, SectionKind kind) {
    BuildResult built;
    if (kind == SectionKind::Menu) {
        const FileRecord record = BuildMenuRecord(*profile.menu);
        built = {Bytes(record.begin(), record.end()), CheckMenuSettings(*profile.menu)};
    } else {
        built =
            kind == SectionKind::Mms ? BuildSetupFile(*profile.mms) : BuildSmtpFile(*profile.smtp);
    }
    if (!built.ok()) {
        built.error = SettingsFile(kind).section + ("." + built.error);
    }
    return built;
}

Profile ProfileForDialog(std::string_view text, Family family, SectionKind kind,
                         const ClockValue& now) {
    Profile profile = ParseProfile(text, now);
    refuseOtherFamily(profile.model, family);
    if (!profile.holds(kind)) {
        throw ProfileError(std::string(SettingsFile(kind).section) +
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
        b.section[ClockKey()] = "now"; // a profile sets up many cards, each at its writing
    }
    profile[kModelKey] = model.displayName(); // in its place in an existing profile
    if (existing.empty()) {
        profile[LanguageKey()] = LanguageName(b.language);
        if (b.tvMode.value_or(0) != 0) {
            profile[TvModeKey()] = *b.tvMode;
        }
        profile[kCodePageKey] = codePage;
    } else {
        if (b.language != language) {
            b.section[LanguageKey()] = LanguageName(b.language);
        }
        if (b.tvMode && *b.tvMode != tvMode) {
            b.section[TvModeKey()] = *b.tvMode;
        }
    }
    profile[SettingsFile(kind).section] = std::move(b.section);
    return profile.dump(2) + "\n";
}

} // namespace rosmossel::profile
