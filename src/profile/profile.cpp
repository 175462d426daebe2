#include "profile/profile.h"

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
#include <initializer_list>
#include <regex>
#include <vector>

namespace rosmossel::profile {
namespace {

using json = nlohmann::json;
using ordered_json = nlohmann::ordered_json;
using Names = std::vector<std::string>;

constexpr std::array<const char*, 9> kLanguageNames{"Chinese",   "English",   "German",
                                                    "Finnish",   "Italian",   "French",
                                                    "Hungarian", "Slovenian", "Czech"};
const std::vector<std::string> kTopKeys{"model",       "language", "tv_mode", "codePage",
                                        "camera_menu", "mms",      "smtp"};

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
    if (at.empty()) {
        return "profile";
    }
    const json::json_pointer parent = at.parent_pointer();
    return (parent.empty() ? "" : dotted(parent) + ".") + at.back();
}

[[noreturn]] void fail(const json::json_pointer& at, const std::string& why) {
    throw ProfileError(dotted(at) + ": " + why);
}

// A whole number within the range the dialogs accept.
struct Number {
    int min, max, value = 0;
};
void from_json(const json& j, Number& n) {
    if (!j.is_number_integer()) {
        throw Invalid("must be a whole number");
    }
    const auto v = j.get<long long>();
    if (v < n.min || v > n.max) {
        throw Invalid(CheckIntegerRange(n.min - 1, n.min, n.max)->english); // the dialogs' words
    }
    n.value = static_cast<int>(v);
}

// A list entry by one of its names (without regard to case); `ints` says what
// a number stands for instead.
enum class Ints { Refused, Index, Value };
struct Choice {
    std::vector<Names> namings; // the first is the one messages list
    Ints ints = Ints::Refused;
    int offset = 0;       // what the first entry stands for
    int min = 0, max = 0; // Ints::Value: the numbers taken as they are
    int value = 0;
};
void from_json(const json& j, Choice& c) {
    const Names& names = c.namings.front();
    if (j.is_number_integer() && c.ints != Ints::Refused) {
        Number n = c.ints == Ints::Value ? Number{c.min, c.max}
                                         : Number{0, static_cast<int>(names.size()) - 1};
        try {
            from_json(j, n);
        } catch (const Invalid&) {
            if (c.ints == Ints::Value) {
                throw;
            }
            throw Invalid(j.dump() + " is not between 0 and " + std::to_string(n.max));
        }
        c.value = n.value;
        return;
    }
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

Choice listOf(const HeaderField& field) {
    return {{*field.entries}};
}
Choice languageChoice() {
    Names entries(kLanguageComboEntries.begin(), kLanguageComboEntries.end());
    entries.front() = FirstLanguageEntry(1);
    return {{Names(kLanguageNames.begin(), kLanguageNames.end()), entries}, Ints::Value, 1, 1, 9};
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
    ClockValue value;
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
            if (std::find(allowed.begin(), allowed.end(), item.key()) == allowed.end()) {
                fail(at / item.key(), "unknown key");
            }
        }
    }
    bool has(const std::string& key) const { return value.contains(key); }
    // Reads `key` into `into` when the object holds it.
    template <typename T> bool read(const std::string& key, T& into) const {
        if (!has(key)) {
            return false;
        }
        try {
            value.at(key).get_to(into);
        } catch (const Invalid& e) {
            fail(at / key, e.what());
        }
        return true;
    }
    template <typename T> int read(const std::string& key, T&& spec, int fallback) const {
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

    const json& value;
    json::json_pointer at;
};

Number rangeOf(const HeaderField& field) {
    return {field.min, field.max};
}

// The texts the section names, stored in the code page, over `s`.
template <typename Settings, typename Fields>
void readTexts(const Node& o, const Fields& fields, int codePage, Settings& s) {
    for (const auto& field : fields) {
        Text text{codePage, {}};
        if (o.read(field.key, text)) {
            s.*field.member = std::move(text.bytes);
        }
    }
}

template <typename Settings, typename Fields>
void checkLimits(const Node& o, const Settings& s, const Fields& fields) {
    if (const std::string problem = CheckTextLimits(s, fields); !problem.empty()) {
        throw ProfileError(dotted(o.at) + "." + problem);
    }
}

// What the MMS and e-mail sections share: the mode, pictures per day, the
// Quill hours, the country and operator of automatic mode and the language.
struct Connection {
    bool manual;
    int country = 0, op = 0;
};
template <typename Settings, typename Header>
Connection readConnection(const Node& o, Settings& s, const Header& f, const Names& countries2,
                          Names (*operators)(int country, int naming)) {
    Connection c{o.read("mode", Choice{{ApnModeList()}}, 0) == 1};
    for (const char* key : {"country", "operator"}) {
        if (c.manual && o.has(key)) {
            fail(o.at / key, "the lists hold only \"Other\" in Manual mode");
        }
    }
    if constexpr (std::is_same_v<Settings, MmsSettings>) {
        s.mmsSendMode = o.read(f.mmsStatus.key, listOf(f.mmsStatus), s.mmsSendMode);
    }
    s.picturesPerDay = o.read(PicturesPerDayField().key, rangeOf(PicturesPerDayField()), 0);
    if (s.family == Family::Quill) {
        if constexpr (std::is_same_v<Settings, SmtpSettings>) {
            s.mmsSendMode = o.read(f.mmsSendMode.key, listOf(f.mmsSendMode), s.mmsSendMode);
        }
        Choice hours = listOf(f.smsRemoteControl);
        hours.ints = Ints::Value;
        hours.max = kSmsRemoteControlOff - 1;
        s.smsRemoteControl = o.read(f.smsRemoteControl.key, std::move(hours), s.smsRemoteControl);
    }
    if constexpr (std::is_same_v<Settings, MmsSettings>) {
        s.connectionKind = o.read(f.connectionKind.key, listOf(f.connectionKind), 0);
        if (!c.manual && s.connectionKind == 1) {
            fail(o.at / f.connectionKind.key, "\"CSD\" exists only in Manual mode");
        }
        s.internationalNumbers = o.read(f.numberKind.key, listOf(f.numberKind), 0);
    }
    if (!c.manual) {
        c.country = o.read("country", Choice{{CountryList(), countries2}, Ints::Index}, 0);
        c.op = o.read("operator",
                      Choice{{operators(c.country, 2), operators(c.country, 1)}, Ints::Index}, 0);
    }
    s.languageCode = o.read(HeaderLanguageField().key, languageChoice(), s.languageCode);
    return c;
}

Names mmsOperators(int country, int naming) {
    return OperatorNames(country, naming);
}
Names gprsOperators(int country, int) {
    return GprsOperatorNames(country);
}

// The keys a section may hold: the Quill family's, so that a Sedge profile
// naming a Quill-only one is told why it does not apply.
template <typename Fields> Names sectionKeys(Names keys, const Fields& texts) {
    keys.insert(keys.end(), {"mode", PicturesPerDayField().key, HeaderLanguageField().key});
    for (const auto& field : texts) {
        keys.emplace_back(field.key);
    }
    return keys;
}

// Writing: a list entry by name, or [name, index] for display; a damaged
// file can hold any index, shown as "?".
ordered_json entry(const Names& list, int index, bool withIndices) {
    const std::string name = index >= 0 && static_cast<std::size_t>(index) < list.size()
                                 ? list[static_cast<std::size_t>(index)]
                                 : std::string("?");
    return withIndices ? ordered_json::array({name, index}) : ordered_json(name);
}

// An operator by name when the name says which one it is, else by index.
ordered_json operatorValue(const Names& names, int index, bool withIndices) {
    const ordered_json named = entry(names, index, withIndices);
    if (withIndices) {
        return named;
    }
    const auto& name = named.get_ref<const std::string&>();
    const auto same = [&](const std::string& n) { return SameName(n, name); };
    return !name.empty() && std::ranges::count_if(names, same) == 1 ? named : ordered_json(index);
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
// automatic mode writes, and texts equal to it are left to the preset.
template <typename Settings, typename Header, typename Fields, typename PresetTexts>
void writeConnection(ordered_json& o, const Section<Settings>& section, const Header& f,
                     bool manual, int country, int op, const Names& operators,
                     const Settings& preset, const Fields& texts, const PresetTexts& presetTexts) {
    const Settings& s = section.settings;
    const bool withIndices = section.withIndices;
    const auto put = [&](const HeaderField& field, int value) {
        o[field.key] = entry(*field.entries, value, withIndices);
    };
    o["mode"] = entry(ApnModeList(), manual ? 1 : 0, withIndices);
    if constexpr (std::is_same_v<Settings, MmsSettings>) {
        put(f.mmsStatus, s.mmsSendMode);
    }
    o[PicturesPerDayField().key] = s.picturesPerDay;
    if (!manual) {
        o[f.country.key] = entry(CountryList(), country, withIndices);
        o[f.op.key] = operatorValue(operators, op, withIndices);
    }
    if (s.family == Family::Quill) {
        if constexpr (std::is_same_v<Settings, SmtpSettings>) {
            put(f.mmsSendMode, s.mmsSendMode);
        }
        const int hours = s.smsRemoteControl;
        const ordered_json shown =
            hours == kSmsRemoteControlOff ? ordered_json("Off") : ordered_json(hours);
        o[f.smsRemoteControl.key] = withIndices ? ordered_json::array({shown, hours}) : shown;
    }
    if constexpr (std::is_same_v<Settings, MmsSettings>) {
        put(f.connectionKind, s.connectionKind);
    }
    for (const auto& field : texts) {
        const bool fromPreset =
            std::find(presetTexts.begin(), presetTexts.end(), field.member) != presetTexts.end();
        if (withIndices || manual || !fromPreset || s.*field.member != preset.*field.member) {
            o[field.key] = textValue(s.*field.member, section.codePage);
        }
        if constexpr (std::is_same_v<Settings, MmsSettings>) {
            if (field.member == &MmsSettings::phone) {
                put(f.numberKind, s.internationalNumbers);
            }
        }
    }
}

std::string clockText(const ClockValue& c) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
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

void from_json(const json& j, MenuSection& section) {
    MenuSettings& s = section.settings;
    static const Names keys = [] {
        Names all;
        for (const MenuFieldInfo& field : MenuFields(Family::Quill)) {
            if (!SharesKeyWithPreviousRow(field.field)) {
                all.emplace_back(field.key);
            }
        }
        return all;
    }();
    const Node o(j, json::json_pointer("/camera_menu"), keys);
    o.refuse(s.family, {"beep_sound", "sd_cycle"});
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        const auto read = [&](const MenuFieldInfo& row, int& target) {
            target = row.isList() ? o.read(row.key, Choice{{*row.entries}}, target)
                                  : o.read(row.key, Number{row.min, row.max}, target);
        };
        if (field.field == MenuField::Interval) { // its unit first: the minimum depends on it
            read(MenuFieldOf(MenuField::IntervalUnit, s.family), s.intervalUnit);
            read(field, s.intervalValue);
            if (s.intervalValue < MinimumInterval(s.intervalUnit)) {
                fail(o.at / field.key,
                     "0 is not allowed with the unit \"Min\" (the dialog makes it 1)");
            }
        } else if (Text chars{kUtf8CodePage, {}};
                   field.field == MenuField::SerialCharacter1 && o.read(field.key, chars)) {
            for (std::size_t i = 0; i < s.serialCharacters.size(); ++i) {
                Choice c{{*field.entries}}; // each character an entry of the list
                try {
                    from_json(json(chars.bytes.size() == 4 ? chars.bytes.substr(i, 1) : ""), c);
                } catch (const Invalid&) {
                    fail(o.at / field.key, "must be four characters, each 0 to 9 or A to Z");
                }
                s.serialCharacters[i] = c.value;
            }
        } else if (Clock clock{s.clock}; field.field == MenuField::ClockYear) {
            o.read(field.key, clock);
            s.clock = clock.value;
        } else if (field.field == MenuField::Language) {
            s.languageCode = o.read(field.key, languageChoice(), s.languageCode);
        } else if (!SharesKeyWithPreviousRow(field.field) &&
                   field.field != MenuField::IntervalUnit &&
                   field.field != MenuField::SerialCharacter1) {
            read(field, field.value(s));
        }
    }
}

void from_json(const json& j, MmsSection& section) {
    MmsSettings& s = section.settings;
    const SetupHeaderFields& f = SetupHeader(s.family);
    static const Names keys =
        sectionKeys({"mms_status", "country", "operator", "sms_remote_control", "connection_kind",
                     "number_kind", "tv_mode"},
                    MmsTextFields());
    const Node o(j, json::json_pointer("/mms"), keys);
    o.refuse(s.family, {f.smsRemoteControl.key});
    MmsSettings typed = s;
    const Connection c = readConnection(o, typed, f, CountryListChinese(), mmsOperators);
    readTexts(o, MmsTextFields(), section.codePage, typed);
    typed.tvMode = o.read(f.tvMode.key, rangeOf(f.tvMode), typed.tvMode);
    const MmsSelections lists{c.manual,
                              c.country,
                              c.op,
                              typed.mmsSendMode,
                              typed.connectionKind,
                              typed.internationalNumbers,
                              typed.smsRemoteControl};
    s = MmsSettingsToWrite(typed, lists,
                           c.manual ? ManualPresetSelection() : MmsPresetSelection{c.country, c.op},
                           typed.languageCode, typed.tvMode);
    // A connection text given in automatic mode replaces the preset's, so a
    // card written with other operator settings is reproduced as it is.
    readTexts(o, MmsTextFields(), section.codePage, s);
    checkLimits(o, s, MmsTextFields());
}

void from_json(const json& j, SmtpSection& section) {
    SmtpSettings& s = section.settings;
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    static const Names keys =
        sectionKeys({"country", "operator", "mms_send_mode", "sms_remote_control"},
                    SmtpTextFields(Family::Quill));
    const Node o(j, json::json_pointer("/smtp"), keys);
    o.refuse(s.family, {f.mmsSendMode.key, f.smsRemoteControl.key});
    SmtpSettings typed = s;
    const Connection c = readConnection(o, typed, f, {}, gprsOperators);
    readTexts(o, SmtpTextFields(s.family), section.codePage, typed);
    const ApnMode mode = c.manual ? ApnMode::Manual : ApnMode::Automatic;
    s = SmtpSettingsToWrite(typed,
                            {mode, c.country, c.op, typed.mmsSendMode, typed.smsRemoteControl},
                            typed.languageCode);
    readTexts(o, SmtpTextFields(s.family), section.codePage, s);
    checkLimits(o, s, SmtpTextFields(s.family));
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
            o[field.key] = chars;
        } else if (field.field == MenuField::ClockYear) {
            o[field.key] = clockText(s.clock);
        } else if (!SharesKeyWithPreviousRow(field.field) && field.field != MenuField::Language &&
                   field.field != MenuField::TvMode) { // those two are the profile's top level
            o[field.key] = field.isList() ? entry(*field.entries, field.of(s), section.withIndices)
                                          : ordered_json(field.of(s));
        }
    }
}

void to_json(ordered_json& o, const MmsSection& section) {
    const MmsSettings& s = section.settings;
    const bool manual = s.presetCountry == kManualCountry;
    o = ordered_json::object();
    writeConnection(o, section, SetupHeader(s.family), manual, s.presetCountry, s.presetOperator,
                    OperatorNames(s.presetCountry, 2),
                    WithOperatorPreset(s, s.presetCountry, s.presetOperator), MmsTextFields(),
                    kMmsPresetTexts);
}

void to_json(ordered_json& o, const SmtpSection& section) {
    const SmtpSettings& s = section.settings;
    const bool manual = s.countryIndex == kManualCountry;
    o = ordered_json::object();
    const SmtpSettings preset = SmtpSettingsToWrite(
        s, {ApnMode::Automatic, s.countryIndex, s.operatorIndex, s.mmsSendMode, s.smsRemoteControl},
        s.languageCode);
    writeConnection(o, section, SmtpHeader(s.family), manual, s.countryIndex, s.operatorIndex,
                    GprsOperatorNames(s.countryIndex), preset, SmtpTextFields(s.family),
                    kSmtpPresetTexts);
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
    const Node top(root, json::json_pointer(), kTopKeys);
    Names models;
    for (const CameraModel model : kCameraModels) {
        models.emplace_back(model.displayName());
    }
    Profile profile;
    profile.model = CameraModel(top.read("model", Choice{{models}, Ints::Value, 1, 1, 4}, 1));
    const int language = profile.language = top.read("language", languageChoice(), 2);
    const int tvMode = profile.tvMode = top.read("tv_mode", Number{0, 255}, 0);
    profile.codePage = top.read("codePage", Number{0, 65535}, SystemCodePage());
    if (!IsSupportedCodePage(profile.codePage)) {
        fail(json::json_pointer("/codePage"),
             std::to_string(profile.codePage) +
                 " is not a Windows ANSI code page texts can be stored in here");
    }
    const Family family = profile.model.family();
    if (!top.has("camera_menu") && !top.has("mms") && !top.has("smtp")) {
        throw ProfileError("profile: holds none of \"camera_menu\", \"mms\" and \"smtp\"");
    }
    // Each section is read over the dialog's defaults with the profile's
    // language and TV mode.
    const auto read = [&](SectionKind kind, auto defaults) {
        defaults.languageCode = language;
        if constexpr (requires { defaults.tvMode; }) {
            defaults.tvMode = tvMode;
        }
        Section<decltype(defaults)> section{defaults, profile.codePage};
        root.at(SectionKey(kind)).get_to(section);
        return section.settings;
    };
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
    if (profile.mms) {
        if (auto failure = CheckMmsGenerate(*profile.mms, profile.mmsManual)) {
            return "mms: " + failure->english;
        }
    }
    if (profile.smtp) {
        if (auto failure = CheckSmtpGenerate(*profile.smtp, profile.smtpManual)) {
            return "smtp: " + failure->english;
        }
    }
    return std::nullopt;
}

} // namespace rosmossel::profile
