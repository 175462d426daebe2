#include "profile/profile.h"

#include "core/menu/menu_decode.h"
#include "profile/profile_keys.h"

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
                         const ClockValue& now, int codePage) {
    Profile profile = ParseProfile(text, now);
    refuseOtherFamily(profile.model, family);
    if (!profile.holds(kind)) {
        throw ProfileError(std::string(SettingsFile(kind).section) +
                           ": missing; the profile holds no set-up for this dialog");
    }
    if (kind == SectionKind::Mms) {
        StoreTextsIn(*profile.mms, profile.codePage, codePage);
    } else if (kind == SectionKind::Smtp) {
        StoreTextsIn(*profile.smtp, profile.codePage, codePage);
    }
    return profile;
}

ProfileWriter::ProfileWriter(int codePage) : codePage_(codePage) {}

ProfileWriter::ProfileWriter(const Profile& old, ordered_json existing)
    : existing_(std::move(existing)), codePage_(old.codePage), language_(old.language),
      tvMode_(old.tvMode) {}

bool ProfileWriter::holds(SectionKind kind) const {
    return sections_.contains(SettingsFile(kind).section);
}

template <typename Settings> ordered_json& ProfileWriter::put(SectionKind kind, const Settings& s) {
    ordered_json section = Section<Settings>{s, codePage_};
    if (!language_) {
        language_ = s.languageCode;
    } else if (*language_ != s.languageCode) {
        section[LanguageKey()] = LanguageName(s.languageCode);
    }
    if constexpr (requires { s.tvMode; }) {
        if (!tvMode_) {
            tvMode_ = s.tvMode;
        } else if (*tvMode_ != s.tvMode) {
            section[TvModeKey()] = s.tvMode;
        }
    }
    return sections_[SettingsFile(kind).section] = std::move(section);
}

ordered_json& ProfileWriter::add(const MenuSettings& s) {
    return put(SectionKind::Menu, s);
}
ordered_json& ProfileWriter::add(const MmsSettings& s) {
    return put(SectionKind::Mms, s);
}
ordered_json& ProfileWriter::add(const SmtpSettings& s) {
    return put(SectionKind::Smtp, s);
}

ordered_json ProfileWriter::profile(CameraModel model) const {
    ordered_json profile = existing_.empty() ? ordered_json::object() : existing_;
    profile[kModelKey] = model.displayName(); // in its place in an existing profile
    if (existing_.empty()) {
        profile[LanguageKey()] = LanguageName(language_.value_or(kEnglish));
        if (tvMode_.value_or(0) != 0) {
            profile[TvModeKey()] = *tvMode_;
        }
        profile[kCodePageKey] = codePage_;
    }
    for (const auto& item : sections_.items()) {
        profile[item.key()] = item.value();
    }
    return profile;
}

std::string ProfileWithSection(std::string_view existing, CameraModel model, SectionKind kind,
                               const Bytes& file, int fileCodePage) {
    const Family family = model.family();
    std::optional<ProfileWriter> writer;
    int codePage = fileCodePage;
    if (existing.empty()) {
        writer.emplace(codePage);
    } else {
        const Profile old = ParseProfile(existing, {}); // refuses a malformed one by its key
        refuseOtherFamily(old.model, family);
        model = ModelOf(family, model.hasEmail() || old.model.hasEmail());
        codePage = old.codePage;
        writer.emplace(old, ordered_json::parse(existing));
    }
    const auto add = [&](auto settings) -> ordered_json& {
        if (!settings) {
            throw ProfileError("profile: the set-up could not be read back");
        }
        // The dialog's texts, not its bytes, go into the profile's code page.
        if constexpr (!std::is_same_v<std::decay_t<decltype(*settings)>, MenuSettings>) {
            StoreTextsIn(*settings, fileCodePage, codePage);
        }
        return writer->add(*settings);
    };
    if (kind == SectionKind::Menu) {
        // A profile sets up many cards, each at its writing.
        add(DecodeMenuFile(file, family).settings)[ClockKey()] = "now";
    } else if (kind == SectionKind::Mms) {
        add(DecodeSetupFile(file, family).settings);
    } else {
        add(DecodeSmtpFile(file, family).settings);
    }
    return writer->profile(model).dump(2) + "\n";
}

} // namespace rosmossel::profile
