#pragma once

// The JSON profile: what the CLI writes cards from and the dialogs save and
// open. Free of Qt; below the desktop tool and the CLI, above the core.

#include "core/card/card_batch.h"
#include "core/format/settings_files.h"
#include "core/menu/menu_record.h"
#include "core/mms/setup_file.h"
#include "core/session/camera_model.h"
#include "core/smtp/smtp_file.h"
#include "core/text/code_page.h"
#include "core/text/languages.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel::profile {

// A profile that could not be read; the message names the key. It is one
// printable line: a control character of a key or value it quotes is shown
// escaped as JSON writes it ("\u0000"), never cutting the message short, and
// a byte that is no part of UTF-8 (the parser quoting a file that is not
// JSON) as "\xff".
class ProfileError : public std::runtime_error {
  public:
    explicit ProfileError(const std::string& message);
};

// The largest profile read (the CLI and the dialogs alike), and the reason
// given for a larger file.
inline constexpr std::size_t kLargestProfile = 1024 * 1024;
inline constexpr const char* kProfileTooLarge = "too large for a profile (over 1 MiB)";

// A profile's sections are the settings files: SettingsFile(kind).section
// names each.
using SectionKind = FileKind;

// What a profile asks to be written, with every value resolved: presets looked
// up, the clock read, defaults filled in.
struct Profile {
    CameraModel model = CameraModel::SedgeM;
    int codePage = LanguageRow(kEnglish).codePage; // what the texts were stored in
    int language = kEnglish;                       // the top level's, which sections fall back to
    int tvMode = 0;
    std::optional<MenuSettings> menu;
    std::optional<MmsSettings> mms;
    bool mmsManual = false;
    std::optional<SmtpSettings> smtp;
    bool smtpManual = false;

    bool holds(SectionKind kind) const;
};

// "English", ...; "unknown" outside 1..9.
const char* LanguageName(int language);

// Reads a profile. `now` is the clock written when the profile says "now".
// Throws ProfileError.
Profile ParseProfile(std::string_view text, const ClockValue& now);

// The generate checks of the dialogs, in their order; the first failure as
// "section: message", or nothing when every file may be written.
std::optional<std::string> CheckProfile(const Profile& profile);

// Every file a profile file holds, built before any is written (the CLI's
// generate and the Cards window alike), or why not.
struct ProfileFiles {
    enum class Fault {
        None,
        Unreadable, // the file is not there or cannot be read
        Malformed,  // not a profile, too large, or a file it asks for cannot be built
        Refused,    // a section fails the checks Generate makes
    };
    Fault fault = Fault::None;
    // Malformed and Unreadable: the reason, to follow the file's name;
    // Refused: "section: message", whole.
    std::string reason;
    std::vector<CardFile> files; // in the order of kSettingsFiles

    bool ok() const { return fault == Fault::None; }
};

// Reads the profile at `path` ("-": from `standardInput`), checks it and
// builds the file of each section it holds. The clock of "now" is read once.
ProfileFiles BuildProfileFiles(const std::string& path, std::istream& standardInput);

// One section of a profile. Reading fills `settings` over what it holds (the
// defaults, the language, TV mode and clock the section falls back to);
// writing gives a section that generate (with the same code page) turns into
// the same bytes. Texts are stored in `codePage`; one that is no text there
// is written as {"hex": "..."}. `withIndices` writes every list entry as
// [name, index], for display.
template <typename Settings> struct Section {
    Settings settings;
    int codePage = kUtf8CodePage;
    bool withIndices = false;
};
using MenuSection = Section<MenuSettings>;
using MmsSection = Section<MmsSettings>;
using SmtpSection = Section<SmtpSettings>;

void from_json(const nlohmann::json& j, MenuSection& section);
void from_json(const nlohmann::json& j, MmsSection& section);
void from_json(const nlohmann::json& j, SmtpSection& section);
void to_json(nlohmann::ordered_json& j, const MenuSection& section);
void to_json(nlohmann::ordered_json& j, const MmsSection& section);
void to_json(nlohmann::ordered_json& j, const SmtpSection& section);

// The same texts of `settings`, stored in code page `from`, stored in `to`
// instead. Throws ProfileError naming the key ("mms.email: ...") of the first
// text that is no text in `from`, holds a character `to` cannot store, or no
// longer fits its field.
void StoreTextsIn(MmsSettings& settings, int from, int to);
void StoreTextsIn(SmtpSettings& settings, int from, int to);

// The file of a profile's `kind` section as generate writes it, or why the
// builder refuses it, naming the key ("mms.apn ...").
BuildResult BuildSectionFile(const Profile& profile, SectionKind kind);

// A profile as Save profile and inspect --json write it: the model, the
// language and TV mode of the first section (a later section that differs
// keeps its own), the code page, then the sections in the order added.
// Written over an existing profile, the existing keys keep their places and
// the sections added replace or follow them.
class ProfileWriter {
  public:
    explicit ProfileWriter(int codePage);
    // Over `existing` (its text read as `old`): the top level stays as it is.
    ProfileWriter(const Profile& old, nlohmann::ordered_json existing);

    bool holds(SectionKind kind) const;
    // Adds the section of `settings`; the result may still be changed.
    nlohmann::ordered_json& add(const MenuSettings& settings);
    nlohmann::ordered_json& add(const MmsSettings& settings);
    nlohmann::ordered_json& add(const SmtpSettings& settings);
    nlohmann::ordered_json profile(CameraModel model) const;

  private:
    template <typename Settings> nlohmann::ordered_json& put(SectionKind kind, const Settings& s);

    nlohmann::ordered_json existing_;
    int codePage_;
    std::optional<int> language_;
    std::optional<int> tvMode_;
    nlohmann::ordered_json sections_ = nlohmann::ordered_json::object();
};

// The profile `text` read for one dialog of `family`, the texts of its `kind`
// section stored in `codePage` (the dialog's): refused, naming the key, when
// it is malformed, for the other family, without that section, or with a
// text that code page cannot store.
Profile ProfileForDialog(std::string_view text, Family family, SectionKind kind,
                         const ClockValue& now, int codePage = SystemCodePage());

// `existing` (a profile, or empty for a new one) with its `kind` section
// replaced by the settings in `file` (that section's file as the dialog
// builds it, its texts stored in `codePage`) and every other section kept as
// it was: the model of the dialog's family (with e-mail when either has it),
// the language and TV mode where the profile does not already say them, the
// same texts in the profile's code page. The camera-menu clock is saved as
// "now". Throws ProfileError when `existing` is no profile or is for the other
// family, or a text cannot be stored in the profile's code page.
std::string ProfileWithSection(std::string_view existing, CameraModel model, SectionKind kind,
                               const Bytes& file, int codePage = SystemCodePage());

// Letters compared without regard to case (ASCII), as profile names are.
bool SameName(std::string_view a, std::string_view b);

} // namespace rosmossel::profile
