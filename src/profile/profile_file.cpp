#include "profile/profile.h"

#include "core/menu/menu_decode.h"

#include <type_traits>

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
template <typename Settings>
BuiltSection built(std::optional<Settings> s, int fileCodePage, int codePage) {
    if (!s) {
        throw ProfileError("profile: the set-up could not be read back");
    }
    if constexpr (!std::is_same_v<Settings, MenuSettings>) { // the menu holds no texts
        StoreTextsIn(*s, fileCodePage, codePage);
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

const char* SectionFileName(SectionKind kind) {
    constexpr const char* names[] = {"menu.dat", "setup.dat", "smtp.dat"};
    return names[static_cast<int>(kind)];
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
        built.error = SectionKey(kind) + ("." + built.error);
    }
    return built;
}

Profile ProfileForDialog(std::string_view text, Family family, SectionKind kind,
                         const ClockValue& now, int codePage) {
    Profile profile = ParseProfile(text, now);
    refuseOtherFamily(profile.model, family);
    if (!profile.holds(kind)) {
        throw ProfileError(std::string(SectionKey(kind)) +
                           ": missing; the profile holds no set-up for this dialog");
    }
    if (kind == SectionKind::Mms) {
        StoreTextsIn(*profile.mms, profile.codePage, codePage);
    } else if (kind == SectionKind::Smtp) {
        StoreTextsIn(*profile.smtp, profile.codePage, codePage);
    }
    return profile;
}

std::string ProfileWithSection(std::string_view existing, CameraModel model, SectionKind kind,
                               const Bytes& file, int fileCodePage) {
    const Family family = model.family();
    ordered_json profile = ordered_json::object();
    int codePage = fileCodePage;
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
    BuiltSection b = kind == SectionKind::Menu
                         ? built(DecodeMenuFile(file, family).settings, fileCodePage, codePage)
                     : kind == SectionKind::Mms
                         ? built(DecodeSetupFile(file, family).settings, fileCodePage, codePage)
                         : built(DecodeSmtpFile(file, family).settings, fileCodePage, codePage);
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
