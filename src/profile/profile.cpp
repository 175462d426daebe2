#include "profile/profile.h"

#include "profile/profile_keys.h"

#include "core/menu/menu_decode.h"
#include "core/menu/menu_fields.h"
#include "core/mms/mms_checks.h"
#include "core/mms/mms_rules.h"
#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_checks.h"
#include "core/smtp/smtp_dialog_rules.h"
#include "core/text/main_window_text.h"
#include "core/text/messages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <regex>
#include <type_traits>
#include <vector>

namespace rosmossel::profile {
namespace {

using json = nlohmann::json;
using ordered_json = nlohmann::ordered_json;
using Names = std::vector<std::string>;

constexpr std::array<const char*, 9> kLanguageNames{"Chinese",   "English",   "German",
                                                    "Finnish",   "Italian",   "French",
                                                    "Hungarian", "Slovenian", "Czech"};

// Why a value cannot be read; the reader of its key adds where it is.
struct Invalid : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string quoted(const Names& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    }
    return text;
}

// "camera_menu.clock" for the pointer /camera_menu/clock.
std::string dotted(const json::json_pointer& at) {
    const json::json_pointer up = at.empty() ? at : at.parent_pointer();
    return at.empty() ? "profile" : (up.empty() ? "" : dotted(up) + ".") + at.back();
}

[[noreturn]] void fail(const json::json_pointer& at, const std::string& why) {
    throw ProfileError(dotted(at) + ": " + why);
}

// A whole number within min..max, or a list entry by one of its names (letters
// compared without regard to case); `ints` says what a number stands for then.
enum class Ints { Refused, Index, Value };
struct Spec {
    std::vector<Names> namings; // none for a number; messages list the first
    Ints ints = Ints::Value;
    int offset = 0, min = 0, max = 0; // offset: what the first entry stands for
    int value = 0;
};
Spec number(int min, int max) {
    return {{}, Ints::Value, 0, min, max};
}
Spec list(std::vector<Names> namings, Ints ints = Ints::Refused) {
    const int last = static_cast<int>(namings.front().size()) - 1;
    return {std::move(namings), ints, 0, 0, last};
}
Spec listOf(const HeaderField& field) {
    return list({*field.entries});
}
Spec languageChoice() {
    Names entries(kLanguageComboEntries.begin(), kLanguageComboEntries.end());
    entries.front() = FirstLanguageEntry(1);
    return {{Names(kLanguageNames.begin(), kLanguageNames.end()), entries}, Ints::Value, 1, 1, 9};
}
void from_json(const json& j, Spec& c) {
    if (c.namings.empty() || (j.is_number_integer() && c.ints != Ints::Refused)) {
        if (!j.is_number_integer()) {
            throw Invalid("must be a whole number");
        }
        const auto v = j.get<long long>();
        if (v < c.min || v > c.max) {
            throw Invalid(
                c.ints == Ints::Index
                    ? j.dump() + " is not between 0 and " + std::to_string(c.max)
                    : CheckIntegerRange(c.min - 1, c.min, c.max)->english); // the dialogs' words
        }
        c.value = static_cast<int>(v);
        return;
    }
    const Names& names = c.namings.front();
    if (!j.is_string()) {
        throw Invalid(c.ints == Ints::Index || c.offset != 0 ? "must be a name or an index"
                                                             : "must be one of " + quoted(names));
    }
    const auto name = j.get<std::string>();
    for (const Names& naming : c.namings) {
        const auto same = [&](const std::string& n) { return !n.empty() && SameName(n, name); };
        if (const auto found = std::ranges::find_if(naming, same); found != naming.end()) {
            c.value = static_cast<int>(found - naming.begin()) + c.offset;
            return;
        }
    }
    throw Invalid("\"" + name + "\" is not one of " + quoted(names));
}

// A text: a JSON string stored in the code page, or {"hex": "..."} for any bytes.
struct Text {
    int codePage;
    std::string bytes;
};
void from_json(const json& j, Text& t) {
    if (j.is_string()) {
        const std::u16string typed = Utf16FromUtf8(j.get<std::string>()).value_or(u"");
        Encoded encoded = EncodeForFile(typed, t.codePage);
        if (const auto at = encoded.unstorableAt) {
            const bool pair =
                *at + 1 < typed.size() && typed[*at] >= 0xD800 && typed[*at] <= 0xDBFF;
            throw Invalid("the character \"" + Utf8FromUtf16(typed.substr(*at, pair ? 2 : 1)) +
                          "\" cannot be stored in code page " + std::to_string(t.codePage));
        }
        t.bytes = std::move(encoded.bytes);
        return;
    }
    if (!j.is_object() || j.size() != 1 || !j.contains("hex") || !j.at("hex").is_string()) {
        throw Invalid("must be a text, or an object {\"hex\": \"...\"}");
    }
    const auto& hex = j.at("hex").get_ref<const std::string&>();
    if (hex.size() % 2 != 0) {
        throw Invalid("a hex text needs two digits per byte");
    }
    t.bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned char byte = 0;
        if (std::from_chars(&hex[i], &hex[i] + 2, byte, 16).ptr != &hex[i] + 2) {
            throw Invalid("\"" + hex + "\" is not hexadecimal");
        }
        t.bytes += static_cast<char>(byte);
    }
}

// "YYYY-MM-DD HH:MM:SS" (digits only: a year of four, the other parts one or
// two), or "now", which keeps the clock given.
struct Clock {
    ClockValue& value;
};
void from_json(const json& j, Clock& clock) {
    const std::string text = j.is_string() ? j.get<std::string>() : std::string();
    static const std::regex shape(R"((\d{1,4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2}))");
    std::smatch m;
    if (text == "now") {
        return;
    }
    if (!std::regex_match(text, m, shape)) {
        throw Invalid(R"(must be "now" or a time as "YYYY-MM-DD HH:MM:SS")");
    }
    MenuSettings probe = DefaultMenuSettings(Family::Sedge); // the core's ranges judge the parts
    probe.clock = {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]),
                   std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6])};
    const MenuFieldInfo& year = MenuFieldOf(MenuField::ClockYear);
    if (probe.clock.year < year.min || probe.clock.year > year.max) {
        throw Invalid("the camera keeps years from " + std::to_string(year.min) + " to " +
                      std::to_string(year.max));
    }
    if (!CheckMenuSettings(probe).empty()) {
        throw Invalid("\"" + text + "\" is not a valid date and time");
    }
    clock.value = probe.clock;
}

// One object of a profile at `at`; a key it may not hold is refused by name.
struct Node {
    Node(const json& v, json::json_pointer p, const Names& allowed) : value(v), at(std::move(p)) {
        if (!value.is_object()) {
            fail(at, "must be an object");
        }
        for (const auto& item : value.items()) {
            if (std::ranges::find(allowed, item.key()) == allowed.end()) {
                fail(at / item.key(), "unknown key");
            }
        }
    }
    bool has(const std::string& key) const { return value.contains(key); }
    // Reads `key` into `into` when the object holds it.
    template <typename T> bool read(const std::string& key, T& into) const {
        try {
            return has(key) && (value.at(key).get_to(into), true);
        } catch (const Invalid& e) {
            fail(at / key, e.what());
        }
    }
    int read(const std::string& key, Spec spec, int fallback) const {
        spec.value = fallback;
        read(key, spec);
        return spec.value;
    }
    void refuse(Family family, std::initializer_list<const char*> quillOnly) const {
        for (const char* key : quillOnly) {
            if (family != Family::Quill && has(key)) {
                fail(at / key, "only Quill cameras have this setting");
            }
        }
    }
    // The texts of `fields` the object holds, stored in the code page, over `s`.
    template <typename Settings, std::size_t N>
    void readTexts(const std::array<TextKey<Settings>, N>& fields, int codePage,
                   Settings& s) const {
        for (const auto& field : fields) {
            if (Text text{codePage, {}}; read(field.key, text)) {
                s.*field.member = std::move(text.bytes);
            }
        }
    }
    template <typename Settings, typename Fields>
    void checkLimits(const Settings& s, const Fields& fields) const {
        if (const std::string problem = CheckTextLimits(s, fields); !problem.empty()) {
            throw ProfileError(dotted(at) + "." + problem);
        }
    }

    const json& value;
    json::json_pointer at;
};

// The keys a section may hold: the Quill family's, so that a Sedge profile
// naming a Quill-only one is told why it does not apply.
template <typename Fields> Names sectionKeys(Names keys, const Fields& texts) {
    keys.insert(keys.end(), {"mode", kPictures, "language"});
    for (const auto& field : texts) {
        keys.emplace_back(field.key);
    }
    return keys;
}

// What the MMS and e-mail sections share, read over `s` in the order the
// dialogs check them: the mode, the lists, pictures per day, the Quill hours,
// the country and operator of automatic mode and the language.
template <typename Settings, typename Header>
std::array<int, 3> readConnection(const Node& o, Settings& s, const Header& f,
                                  const Names& countries2,
                                  Names (*operators)(int country, int naming)) {
    constexpr bool mms = std::is_same_v<Settings, MmsSettings>;
    const bool manual = o.read("mode", list({ApnModeList()}), 0) == 1;
    for (const char* key : {"country", "operator"}) {
        if (manual && o.has(key)) {
            fail(o.at / key, "the lists hold only \"Other\" in Manual mode");
        }
    }
    const auto pick = [&](const char* key, const HeaderField& field, int& member, int fallback) {
        member = o.read(key, listOf(field), fallback);
    };
    if constexpr (mms) {
        pick("mms_status", f.mmsStatus, s.mmsSendMode, s.mmsSendMode);
    }
    const HeaderField& pictures = PicturesPerDayField();
    s.picturesPerDay = o.read(kPictures, number(pictures.min, pictures.max), 0);
    if (s.family == Family::Quill) {
        if constexpr (!mms) {
            pick("mms_send_mode", f.mmsSendMode, s.mmsSendMode, s.mmsSendMode);
        }
        Spec hours = list({*f.smsRemoteControl.entries}, Ints::Value);
        hours.max = kSmsRemoteControlOff - 1;
        s.smsRemoteControl = o.read(kHours, hours, s.smsRemoteControl);
    }
    if constexpr (mms) {
        pick("connection_kind", f.connectionKind, s.connectionKind, 0);
        if (!manual && s.connectionKind == 1) {
            fail(o.at / "connection_kind", "\"CSD\" exists only in Manual mode");
        }
        pick("number_kind", f.numberKind, s.internationalNumbers, 0);
    }
    int country = 0, op = 0;
    if (!manual) {
        country = o.read("country", list({CountryList(), countries2}, Ints::Index), 0);
        op = o.read("operator", list({operators(country, 2), operators(country, 1)}, Ints::Index),
                    0);
    }
    s.languageCode = o.read("language", languageChoice(), s.languageCode);
    return {manual, country, op};
}

// Writing: a list entry by name, or [name, index] for display; a damaged
// file can hold any index, shown as "?".
ordered_json entry(const Names& list, int index, bool withIndices) {
    const std::string name = index >= 0 && static_cast<std::size_t>(index) < list.size()
                                 ? list[static_cast<std::size_t>(index)]
                                 : std::string("?");
    return withIndices ? ordered_json::array({name, index}) : ordered_json(name);
}

ordered_json textValue(const std::string& bytes, int codePage) {
    const Decoded decoded = DecodeFromFile(bytes, codePage);
    if (decoded.exact) {
        return Utf8FromUtf16(decoded.text);
    }
    std::string hex;
    for (const char c : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(c));
        hex += digits;
    }
    return {{"hex", hex}};
}

// The connection part of an MMS or e-mail section; `preset` holds what
// automatic mode writes, and texts equal to it are left to the preset. An
// operator is written by name when the name says which one it is, else by
// index.
template <typename Settings, typename Header, typename Fields, typename PresetTexts>
void writeConnection(ordered_json& o, const Section<Settings>& section, const Header& f,
                     int country, int op, const Names& operators, const Settings& preset,
                     const Fields& texts, const PresetTexts& presetTexts) {
    constexpr bool mms = std::is_same_v<Settings, MmsSettings>;
    const Settings& s = section.settings;
    const bool withIndices = section.withIndices, manual = country == kManualCountry;
    const auto put = [&](const char* key, const HeaderField& field, int value) {
        o[key] = entry(*field.entries, value, withIndices);
    };
    o = ordered_json::object();
    o["mode"] = entry(ApnModeList(), manual ? 1 : 0, withIndices);
    if constexpr (mms) {
        put("mms_status", f.mmsStatus, s.mmsSendMode);
    }
    o[kPictures] = s.picturesPerDay;
    if (!manual) {
        o["country"] = entry(CountryList(), country, withIndices);
        const ordered_json named = entry(operators, op, withIndices);
        const std::string name = withIndices ? "" : named.get<std::string>();
        const auto same = [&](const std::string& n) { return SameName(n, name); };
        o["operator"] =
            withIndices || (!name.empty() && std::ranges::count_if(operators, same) == 1)
                ? named
                : ordered_json(op);
    }
    if (s.family == Family::Quill) {
        if constexpr (!mms) {
            put("mms_send_mode", f.mmsSendMode, s.mmsSendMode);
        }
        const int hours = s.smsRemoteControl;
        const ordered_json shown =
            hours == kSmsRemoteControlOff ? ordered_json("Off") : ordered_json(hours);
        o[kHours] = withIndices ? ordered_json::array({shown, hours}) : shown;
    }
    if constexpr (mms) {
        put("connection_kind", f.connectionKind, s.connectionKind);
    }
    for (const auto& field : texts) {
        const bool fromPreset = std::ranges::find(presetTexts, field.member) != presetTexts.end();
        if (withIndices || manual || !fromPreset || s.*field.member != preset.*field.member) {
            o[field.key] = textValue(s.*field.member, section.codePage);
        }
        if constexpr (mms) {
            if (field.member == &MmsSettings::phone) {
                put("number_kind", f.numberKind, s.internationalNumbers);
            }
        }
    }
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, {}, lower, lower);
}

const char* LanguageName(int language) {
    return language >= 1 && language <= 9 ? kLanguageNames[static_cast<std::size_t>(language - 1)]
                                          : "unknown";
}

const char* SectionKey(SectionKind kind) {
    constexpr const char* keys[] = {"camera_menu", "mms", "smtp"};
    return keys[static_cast<int>(kind)];
}

// The menu rows one by one: the interval after its unit (the minimum depends
// on it), the four serial characters as one text, the clock as one.
void from_json(const json& j, MenuSection& section) {
    MenuSettings& s = section.settings;
    static const Names keys(kMenuKeys.begin(), kMenuKeys.end());
    const Node o(j, json::json_pointer("/camera_menu"), keys);
    o.refuse(s.family, {"beep_sound", "sd_cycle"});
    const auto read = [&](const MenuFieldInfo& row, int& target) {
        target = o.read(KeyOf(row.field),
                        row.isList() ? list({*row.entries}) : number(row.min, row.max), target);
    };
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        Text chars{kUtf8CodePage, {}};
        if (field.field == MenuField::Interval) {
            read(MenuFieldOf(MenuField::IntervalUnit, s.family), s.intervalUnit);
            read(field, s.intervalValue);
            if (s.intervalValue < MinimumInterval(s.intervalUnit)) {
                fail(o.at / KeyOf(field.field),
                     "0 is not allowed with the unit \"Min\" (the dialog makes it 1)");
            }
        } else if (field.field == MenuField::SerialCharacter1 &&
                   o.read(KeyOf(field.field), chars)) {
            for (std::size_t i = 0; i < s.serialCharacters.size(); ++i) {
                Spec c = list({*field.entries}); // each character an entry of the list
                try {
                    from_json(json(chars.bytes.size() == 4 ? chars.bytes.substr(i, 1) : ""), c);
                } catch (const Invalid&) {
                    fail(o.at / KeyOf(field.field),
                         "must be four characters, each 0 to 9 or A to Z");
                }
                s.serialCharacters[i] = c.value;
            }
        } else if (field.field == MenuField::ClockYear) {
            Clock clock{s.clock};
            o.read(KeyOf(field.field), clock);
        } else if (field.field == MenuField::Language) {
            s.languageCode = o.read(KeyOf(field.field), languageChoice(), s.languageCode);
        } else if (!SharesKeyWithPreviousRow(field.field) &&
                   field.field != MenuField::IntervalUnit &&
                   field.field != MenuField::SerialCharacter1) {
            read(field, field.value(s));
        }
    }
}

// The connection and texts typed, then the settings the dialog writes from
// them; a connection text given in automatic mode replaces the preset's, so a
// card written with other operator settings is reproduced as it is.
void from_json(const json& j, MmsSection& section) {
    MmsSettings& s = section.settings;
    const SetupHeaderFields& f = SetupHeader(s.family);
    static const Names keys =
        sectionKeys({"mms_status", "country", "operator", "sms_remote_control", "connection_kind",
                     "number_kind", "tv_mode"},
                    kMmsTexts);
    const Node o(j, json::json_pointer("/mms"), keys);
    o.refuse(s.family, {kHours});
    MmsSettings t = s;
    const auto [manual, country, op] = readConnection(
        o, t, f, CountryListChinese(), [](int c, int naming) { return OperatorNames(c, naming); });
    o.readTexts(kMmsTexts, section.codePage, t);
    t.tvMode = o.read("tv_mode", number(f.tvMode.min, f.tvMode.max), t.tvMode);
    const MmsSelections lists{manual != 0,       country,          op,
                              t.mmsSendMode,     t.connectionKind, t.internationalNumbers,
                              t.smsRemoteControl};
    s = MmsSettingsToWrite(t, lists,
                           manual ? ManualPresetSelection() : MmsPresetSelection{country, op},
                           t.languageCode, t.tvMode);
    o.readTexts(kMmsTexts, section.codePage, s);
    o.checkLimits(s, MmsTextFields());
}

void from_json(const json& j, SmtpSection& section) {
    SmtpSettings& s = section.settings;
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    static const Names keys =
        sectionKeys({"country", "operator", "mms_send_mode", "sms_remote_control"}, kSmtpTexts);
    const Node o(j, json::json_pointer("/smtp"), keys);
    o.refuse(s.family, {"mms_send_mode", kHours});
    SmtpSettings t = s;
    const auto [manual, country, op] =
        readConnection(o, t, f, {}, [](int c, int) { return GprsOperatorNames(c); });
    o.readTexts(kSmtpTexts, section.codePage, t);
    const ApnMode mode = manual ? ApnMode::Manual : ApnMode::Automatic;
    s = SmtpSettingsToWrite(t, {mode, country, op, t.mmsSendMode, t.smsRemoteControl},
                            t.languageCode);
    o.readTexts(kSmtpTexts, section.codePage, s);
    o.checkLimits(s, SmtpTextFields(s.family));
}

void to_json(ordered_json& o, const MenuSection& section) {
    const MenuSettings& s = section.settings;
    o = ordered_json::object();
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        if (field.field == MenuField::SerialCharacter1) {
            std::string chars;
            for (const int c : s.serialCharacters) {
                chars += entry(*field.entries, c, false).get<std::string>();
            }
            o[KeyOf(field.field)] = chars;
        } else if (field.field == MenuField::ClockYear) {
            const ClockValue& c = s.clock;
            char text[32];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month,
                          c.day, c.hour, c.minute, c.second);
            o[KeyOf(field.field)] = text;
        } else if (!SharesKeyWithPreviousRow(field.field) && field.field != MenuField::Language &&
                   field.field != MenuField::TvMode) { // those two are the profile's top level
            o[KeyOf(field.field)] = field.isList()
                                        ? entry(*field.entries, field.of(s), section.withIndices)
                                        : ordered_json(field.of(s));
        }
    }
}

void to_json(ordered_json& o, const MmsSection& section) {
    const MmsSettings& s = section.settings;
    writeConnection(o, section, SetupHeader(s.family), s.presetCountry, s.presetOperator,
                    OperatorNames(s.presetCountry, 2),
                    WithOperatorPreset(s, s.presetCountry, s.presetOperator), kMmsTexts,
                    kMmsPresetTexts);
}

void to_json(ordered_json& o, const SmtpSection& section) {
    const SmtpSettings& s = section.settings;
    const SmtpSettings preset = SmtpSettingsToWrite(
        s, {ApnMode::Automatic, s.countryIndex, s.operatorIndex, s.mmsSendMode, s.smsRemoteControl},
        s.languageCode);
    writeConnection(o, section, SmtpHeader(s.family), s.countryIndex, s.operatorIndex,
                    GprsOperatorNames(s.countryIndex), preset, kSmtpTexts, kSmtpPresetTexts);
}

Profile ParseProfile(std::string_view text, const ClockValue& now) {
    json root;
    try {
        root = json::parse(text);
    } catch (const json::parse_error& e) {
        throw ProfileError(std::string("profile: not valid JSON: ") + e.what());
    }
    if (!root.is_object()) {
        throw ProfileError("profile: must be a JSON object");
    }
    if (!root.contains("model")) {
        throw ProfileError("model: missing; give one of \"Ros SedgeM\", \"Ros QuillM\", "
                           "\"Ros SedgeMG\", \"Ros QuillMG\" or 1 to 4");
    }
    const Node top(root, json::json_pointer(),
                   {"model", "language", "tv_mode", "codePage", "camera_menu", "mms", "smtp"});
    Names models;
    for (const CameraModel model : kCameraModels) {
        models.emplace_back(model.displayName());
    }
    Profile profile;
    profile.model = CameraModel(top.read("model", {{models}, Ints::Value, 1, 1, 4}, 1));
    profile.language = top.read("language", languageChoice(), 2);
    profile.tvMode = top.read("tv_mode", number(0, 255), 0);
    profile.codePage = top.read("codePage", number(0, 65535), SystemCodePage());
    if (!IsSupportedCodePage(profile.codePage)) {
        fail(json::json_pointer("/codePage"),
             std::to_string(profile.codePage) +
                 " is not a Windows ANSI code page texts can be stored in here");
    }
    if (!top.has("camera_menu") && !top.has("mms") && !top.has("smtp")) {
        throw ProfileError("profile: holds none of \"camera_menu\", \"mms\" and \"smtp\"");
    }
    // Each section is read over the dialog's defaults with the profile's
    // language and TV mode.
    const auto read = [&](SectionKind kind, auto defaults) {
        defaults.languageCode = profile.language;
        if constexpr (requires { defaults.tvMode; }) {
            defaults.tvMode = profile.tvMode;
        }
        Section<decltype(defaults)> section{defaults, profile.codePage};
        root.at(SectionKey(kind)).get_to(section);
        return std::optional(section.settings);
    };
    const Family family = profile.model.family();
    if (top.has("camera_menu")) {
        MenuSettings menu = DefaultMenuSettings(family);
        menu.clock = now;
        profile.menu = read(SectionKind::Menu, menu);
    }
    if (top.has("mms")) {
        profile.mms = read(SectionKind::Mms, DefaultMmsSettings(family));
        profile.mmsManual = profile.mms->presetCountry == kManualCountry;
    }
    if (top.has("smtp")) {
        if (!profile.model.hasEmail()) {
            throw ProfileError(std::string("smtp: the e-mail set-up needs an MG camera, not ") +
                               profile.model.displayName());
        }
        profile.smtp = read(SectionKind::Smtp, DefaultSmtpSettings(family));
        profile.smtpManual = profile.smtp->countryIndex == kManualCountry;
    }
    return profile;
}

std::optional<std::string> CheckProfile(const Profile& profile) {
    if (auto failure =
            profile.mms ? CheckMmsGenerate(*profile.mms, profile.mmsManual) : std::nullopt) {
        return "mms: " + failure->english;
    }
    if (auto failure =
            profile.smtp ? CheckSmtpGenerate(*profile.smtp, profile.smtpManual) : std::nullopt) {
        return "smtp: " + failure->english;
    }
    return std::nullopt;
}

} // namespace rosmossel::profile
