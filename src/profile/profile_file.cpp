#include "profile/profile.h"

#include "core/format/utf8_path.h"
#include "core/menu/menu_clock.h"
#include "core/menu/menu_decode.h"
#include "profile/profile_keys.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>

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

// What each kind of file is to a profile: where its settings are, how its
// file is built and read back, and whether it holds texts in a code page.
struct MenuSection {
    static constexpr auto member = &Profile::menu;
    static constexpr bool holdsTexts = false;
    static BuildResult build(const MenuSettings& s) {
        const FileRecord record = BuildMenuRecord(s);
        return {Bytes(record.begin(), record.end()), CheckMenuSettings(s)};
    }
    static std::optional<MenuSettings> decode(const Bytes& file, Family family) {
        return DecodeMenuFile(file, family).settings;
    }
    // A profile sets up many cards, each at its writing.
    static void readBack(ordered_json& section) { section[ClockKey()] = "now"; }
};
struct MmsSection {
    static constexpr auto member = &Profile::mms;
    static constexpr bool holdsTexts = true;
    static BuildResult build(const MmsSettings& s) { return BuildSetupFile(s); }
    static std::optional<MmsSettings> decode(const Bytes& file, Family family) {
        return DecodeSetupFile(file, family).settings;
    }
    static void readBack(ordered_json&) {}
};
struct SmtpSection {
    static constexpr auto member = &Profile::smtp;
    static constexpr bool holdsTexts = true;
    static BuildResult build(const SmtpSettings& s) { return BuildSmtpFile(s); }
    static std::optional<SmtpSettings> decode(const Bytes& file, Family family) {
        return DecodeSmtpFile(file, family).settings;
    }
    static void readBack(ordered_json&) {}
};

// `use` called with the section of `kind`: the one place that tells them apart.
template <typename Use> decltype(auto) withSection(SectionKind kind, Use&& use) {
    switch (kind) {
    case SectionKind::Menu:
        return use(MenuSection{});
    case SectionKind::Mms:
        return use(MmsSection{});
    case SectionKind::Smtp:
        break;
    }
    return use(SmtpSection{});
}

} // namespace

bool Profile::holds(SectionKind kind) const {
    return withSection(kind, [this](auto section) { return (this->*section.member).has_value(); });
}

BuildResult BuildSectionFile(const Profile& profile, SectionKind kind) {
    BuildResult built =
        withSection(kind, [&](auto section) { return section.build(*(profile.*section.member)); });
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
    withSection(kind, [&](auto section) {
        if constexpr (decltype(section)::holdsTexts) {
            StoreTextsIn(*(profile.*section.member), profile.codePage, codePage);
        }
    });
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
    withSection(kind, [&](auto section) {
        auto settings = section.decode(file, family);
        if (!settings) {
            throw ProfileError("profile: the set-up could not be read back");
        }
        // The dialog's texts, not its bytes, go into the profile's code page.
        if constexpr (decltype(section)::holdsTexts) {
            StoreTextsIn(*settings, fileCodePage, codePage);
        }
        section.readBack(writer->add(*settings));
    });
    return writer->profile(model).dump(2) + "\n";
}

namespace {

// The profile's text, or the fault with nothing read.
ProfileFiles readProfileText(const std::string& path, std::istream& standardInput,
                             std::string& text) {
    namespace fs = std::filesystem;
    using Fault = ProfileFiles::Fault;
    std::error_code ec;
    if (path != "-" && !fs::is_regular_file(Utf8Path(path), ec)) {
        return {Fault::Unreadable, ec ? ec.message() : "not a readable file", {}};
    }
    std::ifstream file;
    if (path != "-") {
        file.open(Utf8Path(path), std::ios::binary);
    }
    std::istream& in = path == "-" ? standardInput : file;
    // Read one byte more than a profile may hold, to tell that it is too large.
    text.assign(kLargestProfile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad() || (path != "-" && !file.is_open())) {
        return {Fault::Unreadable, "cannot be read", {}};
    }
    if (text.size() > kLargestProfile) {
        return {Fault::Malformed, kProfileTooLarge, {}};
    }
    return {};
}

} // namespace

ProfileFiles BuildProfileFiles(const std::string& path, std::istream& standardInput) {
    using Fault = ProfileFiles::Fault;
    std::string text;
    if (ProfileFiles read = readProfileText(path, standardInput, text); !read.ok()) {
        return read;
    }
    Profile profile;
    try {
        profile = ParseProfile(text, LimitClockYear(ReadLocalClock()));
    } catch (const ProfileError& e) {
        return {Fault::Malformed, e.what(), {}};
    }
    if (auto failure = CheckProfile(profile)) {
        return {Fault::Refused, std::move(*failure), {}};
    }
    ProfileFiles built;
    for (const SettingsFileInfo& file : kSettingsFiles) {
        if (!profile.holds(file.kind)) {
            continue;
        }
        BuildResult section = BuildSectionFile(profile, file.kind);
        if (!section.ok()) {
            return {Fault::Malformed, std::move(section.error), {}};
        }
        built.files.push_back({file.fileName, std::move(section.bytes)});
    }
    return built;
}

} // namespace rosmossel::profile
