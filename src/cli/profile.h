#pragma once

#include "core/menu/menu_record.h"
#include "core/mms/setup_file.h"
#include "core/session/camera_model.h"
#include "core/smtp/smtp_file.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rosmossel::cli {

// A profile that could not be read; the message names the key.
class ProfileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a profile asks to be written, with every value resolved: presets looked
// up, the clock read, defaults filled in.
struct Profile {
    int model = 1;
    int codePage = 1252; // what the texts were stored in
    std::optional<MenuSettings> menu;
    std::optional<MmsSettings> mms;
    bool mmsManual = false;
    std::optional<SmtpSettings> smtp;
    bool smtpManual = false;
};

const char* LanguageName(int language);

// Reads a profile. `now` is the clock written when the profile says "now".
// Throws ProfileError.
Profile ParseProfile(std::string_view text, const ClockValue& now);

// The generate checks of the dialogs, in their order; the first failure as
// "section: message", or nothing when every file may be written.
std::optional<std::string> CheckProfile(const Profile& profile);

// The profile sections of decoded files; generate on them (with the same code
// page) writes the same bytes. Texts are read in `codePage`; one that is no
// text there is given as {"hex": "..."}. With `withIndices` every list entry
// is [name, index] instead, for display.
nlohmann::ordered_json MenuSection(const MenuSettings& settings, bool withIndices = false);
nlohmann::ordered_json MmsSection(const MmsSettings& settings, int codePage,
                                  bool withIndices = false);
nlohmann::ordered_json SmtpSection(const SmtpSettings& settings, int codePage,
                                   bool withIndices = false);

} // namespace rosmossel::cli
