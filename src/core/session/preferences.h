#pragma once

#include "core/session/session.h"
#include "core/text/languages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// The key that holds the four remembered values. The registry and the INI file
// both sit behind it; every operation opens it, does one read or write, and
// closes it again, so two running copies simply overwrite each other.
class PreferenceStore {
  public:
    virtual ~PreferenceStore() = default;

    // Opens the existing key; false when it is absent or not accessible.
    virtual bool Open() = 0;
    // Creates an empty key and leaves it open; false when that is not allowed.
    virtual bool Create() = 0;
    virtual void Close() = 0;

    // Number values are 32 bits wide; a value of another type reads as absent.
    virtual std::optional<std::uint32_t> ReadNumber(std::string_view name) = 0;
    virtual bool WriteNumber(std::string_view name, std::uint32_t value) = 0;
    virtual std::optional<std::string> ReadText(std::string_view name) = 0;
    virtual bool WriteText(std::string_view name, std::string_view text) = 0;
};

inline constexpr std::string_view kLanguageValue = "language";
inline constexpr std::string_view kModelValue = "model";
inline constexpr std::string_view kTvModeValue = "TvMode";
inline constexpr std::string_view kCompanyValue = "Company";
// Only its presence is ever checked.
inline constexpr std::string_view kCompanyName = "Ros Mossel Outdoor Cameras";

// Windows language identifiers that decide the default language.
inline constexpr std::uint16_t kLangChinesePrc = LanguageRow(kChinese).windowsId;
inline constexpr std::uint16_t kLangGermanLiechtenstein = 5127;

// The default language for a system language id: Chinese on a Chinese (PRC)
// system, German only for Liechtenstein, English everywhere else.
int LanguageFromSystem(std::uint16_t systemLanguageId);

struct LanguageRead {
    bool found = false;
    int language = 0;
};

// Creates the key when it is missing (the first run). A key without a
// "language" value yields the derived language without storing it.
LanguageRead ReadLanguage(PreferenceStore& store, int derivedLanguage);
bool WriteLanguage(PreferenceStore& store, int language);
// Absent when the key or the value cannot be read; otherwise the low 16 bits.
std::optional<int> ReadModel(PreferenceStore& store);
bool WriteModel(PreferenceStore& store, int model);
std::optional<std::uint32_t> ReadTvMode(PreferenceStore& store);
bool WriteTvMode(PreferenceStore& store, std::uint32_t value);
bool HasCompany(PreferenceStore& store);
bool WriteCompany(PreferenceStore& store);

// What start-up settles from the store and the system language.
struct StartupChoices {
    int chineseSystem = 0;
    int chineseChosen = 0;
    int currentLanguage = 2;
    int currentModel = 1;
    std::uint32_t tvMode = 0;

    bool operator==(const StartupChoices&) const = default;
};

// Reads the remembered values, storing the defaults of whatever is missing.
// Never fails: an unusable store gives the defaults.
StartupChoices SettleStartup(PreferenceStore& store, std::uint16_t systemLanguageId);

// The session a run starts with.
Session SessionFromStartup(const StartupChoices& choices);

} // namespace rosmossel
