#include "core/session/preferences.h"

#include "core/session/session.h"

namespace rosmossel {
namespace {

// Keeps the key open for exactly one operation.
class OpenKey {
  public:
    explicit OpenKey(PreferenceStore& store) : store_(store), open_(store.Open()) {}
    ~OpenKey() {
        if (open_) {
            store_.Close();
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    explicit operator bool() const { return open_; }

  private:
    PreferenceStore& store_;
    bool open_;
};

int Low16(std::uint32_t value) {
    return static_cast<int>(value & 0xFFFFu);
}

// Numbers are stored zero-extended from 16 bits.
std::uint32_t Stored16(int value) {
    return static_cast<std::uint32_t>(value) & 0xFFFFu;
}

bool WriteNumberValue(PreferenceStore& store, std::string_view name, std::uint32_t value) {
    OpenKey key(store);
    return key && store.WriteNumber(name, value);
}

std::optional<std::uint32_t> ReadNumberValue(PreferenceStore& store, std::string_view name) {
    OpenKey key(store);
    if (!key) {
        return std::nullopt;
    }
    return store.ReadNumber(name);
}

} // namespace

int LanguageFromSystem(std::uint16_t systemLanguageId) {
    if (systemLanguageId == kLangChinesePrc) {
        return 1;
    }
    return systemLanguageId == kLangGermanLiechtenstein ? 3 : 2;
}

LanguageRead ReadLanguage(PreferenceStore& store, int derivedLanguage) {
    if (!store.Open()) {
        // A fresh key holds nothing yet, so either way nothing is found.
        if (store.Create()) {
            store.Close();
        }
        return {};
    }
    const auto value = store.ReadNumber(kLanguageValue);
    store.Close();
    if (!value) {
        return {true, derivedLanguage};
    }
    return {true, Low16(*value)};
}

bool WriteLanguage(PreferenceStore& store, int language) {
    return WriteNumberValue(store, kLanguageValue, Stored16(language));
}

std::optional<int> ReadModel(PreferenceStore& store) {
    const auto value = ReadNumberValue(store, kModelValue);
    if (!value) {
        return std::nullopt;
    }
    return Low16(*value);
}

bool WriteModel(PreferenceStore& store, int model) {
    return WriteNumberValue(store, kModelValue, Stored16(model));
}

std::optional<std::uint32_t> ReadTvMode(PreferenceStore& store) {
    const auto value = ReadNumberValue(store, kTvModeValue);
    if (!value) {
        return std::nullopt;
    }
    return *value & 0xFFFFu;
}

bool WriteTvMode(PreferenceStore& store, std::uint32_t value) {
    return WriteNumberValue(store, kTvModeValue, value);
}

bool HasCompany(PreferenceStore& store) {
    OpenKey key(store);
    return key && store.ReadText(kCompanyValue).has_value();
}

bool WriteCompany(PreferenceStore& store) {
    OpenKey key(store);
    return key && store.WriteText(kCompanyValue, kCompanyName);
}

StartupChoices SettleStartup(PreferenceStore& store, std::uint16_t systemLanguageId) {
    StartupChoices choices;
    choices.chineseSystem = systemLanguageId == kLangChinesePrc ? 1 : 0;
    const int derived = LanguageFromSystem(systemLanguageId);

    int language = derived;
    if (const LanguageRead read = ReadLanguage(store, derived); read.found) {
        language = read.language;
    } else {
        WriteLanguage(store, derived);
    }
    choices.currentLanguage = language;
    // Chinese text is shown only on a Chinese system; elsewhere the choice is
    // kept but English is shown.
    if (choices.chineseSystem == 0 && language == 1) {
        choices.currentLanguage = 2;
        choices.chineseChosen = 1;
    }

    if (const auto model = ReadModel(store)) {
        choices.currentModel = *model;
    } else {
        choices.currentModel = 1;
        WriteModel(store, 1);
    }

    if (const auto tvMode = ReadTvMode(store)) {
        choices.tvMode = *tvMode;
    } else {
        choices.tvMode = 0;
        WriteTvMode(store, 0);
    }

    if (!HasCompany(store)) {
        WriteCompany(store);
    }
    return choices;
}

Session SessionFromStartup(const StartupChoices& choices) {
    Session session;
    session.chineseSystem = choices.chineseSystem != 0;
    session.chineseChosen = choices.chineseChosen != 0;
    session.language = static_cast<Language>(choices.currentLanguage);
    session.model = CameraModel(choices.currentModel);
    session.tvMode = choices.tvMode;
    return session;
}

} // namespace rosmossel
