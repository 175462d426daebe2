#include "profile/profile.h"

#include "profile/profile_keys.h"

#include "core/menu/menu_fields.h"
#include "core/mms/mms_checks.h"
#include "core/mms/mms_rules.h"
#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_checks.h"
#include "core/smtp/smtp_dialog_rules.h"
#include "core/text/languages.h"
#include "core/text/messages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <regex>
#include <type_traits>
#include <vector>

namespace rosmossel::profile {
namespace {

using json = nlohmann::json;
using ordered_json = nlohmann::ordered_json;
using Pointer = json::json_pointer;
using Names = std::vector<std::string>;

// Why a value cannot be read; the reader of its key adds where it is.
struct Invalid : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "camera_menu.clock" for the pointer /camera_menu/clock.
std::string dotted(const Pointer& at) {
    const Pointer up = at.empty() ? at : at.parent_pointer();
    return at.empty() ? "profile" : (up.empty() ? "" : dotted(up) + ".") + at.back();
}

Pointer sectionAt(SectionKind kind) {
    return Pointer() / SettingsFile(kind).section;
}

[[noreturn]] void fail(const Pointer& at, const std::string& why) {
    throw ProfileError(dotted(at) + ": " + why);
}

// A whole number within min..max, or a list entry by one of its names (letters
// compared without regard to case); `ints` says what a number stands for then.
enum class Ints { Refused, Index, Value };
struct Spec {
    std::vector<Names> namings; // none for a number; messages list the first
    Ints ints = Ints::Value;
    int first = 0, min = 0, max = 0; // first: what the first entry stands for
};
Spec number(int min, int max) {
    return {{}, Ints::Value, 0, min, max};
}
Spec list(std::vector<Names> namings, Ints ints = Ints::Refused) {
    const int last = static_cast<int>(namings.front().size()) - 1;
    return {std::move(namings), ints, 0, 0, last};
}
Spec languageChoice() {
    // By the English name or the native one.
    Names english, native;
    for (const LanguageInfo& language : kLanguages) {
        english.emplace_back(language.englishName);
        native.emplace_back(language.nativeName);
    }
    return {{english, native}, Ints::Value, 1, 1, static_cast<int>(kLanguages.size())};
}

int pick(const json& j, const Spec& c) {
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
        return static_cast<int>(v);
    }
    std::string listed; // the first naming, quoted
    for (const std::string& name : c.namings.front()) {
        listed += (listed.empty() ? "\"" : ", \"") + name + "\"";
    }
    if (!j.is_string()) {
        throw Invalid(c.ints == Ints::Index || c.first != 0 ? "must be a name or an index"
                                                            : "must be one of " + listed);
    }
    const auto name = j.get<std::string>();
    for (const Names& naming : c.namings) {
        const auto same = [&](const std::string& n) { return !n.empty() && SameName(n, name); };
        if (const auto found = std::ranges::find_if(naming, same); found != naming.end()) {
            return static_cast<int>(found - naming.begin()) + c.first;
        }
    }
    throw Invalid("\"" + name + "\" is not one of " + listed);
}

// The bytes of `text` in the code page, or why it cannot be stored there.
std::string encoded(std::u16string_view text, int codePage) {
    Encoded encoded = EncodeForFile(text, codePage);
    if (const auto at = encoded.unstorableAt) {
        const bool pair = *at + 1 < text.size() && text[*at] >= 0xD800 && text[*at] <= 0xDBFF;
        throw Invalid("the character \"" + Utf8FromUtf16(text.substr(*at, pair ? 2 : 1)) +
                      "\" cannot be stored in code page " + std::to_string(codePage));
    }
    return std::move(encoded.bytes);
}

// A text: a JSON string stored in the code page, or {"hex": "..."} for any bytes.
std::string textOf(const json& j, int codePage) {
    if (j.is_string()) {
        return encoded(Utf16FromUtf8(j.get<std::string>()).value_or(u""), codePage);
    }
    if (!j.is_object() || j.size() != 1 || !j.contains("hex") || !j.at("hex").is_string()) {
        throw Invalid("must be a text, or an object {\"hex\": \"...\"}");
    }
    const auto& hex = j.at("hex").get_ref<const std::string&>();
    if (hex.size() % 2 != 0) {
        throw Invalid("a hex text needs two digits per byte");
    }
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned char byte = 0;
        if (std::from_chars(&hex[i], &hex[i] + 2, byte, 16).ptr != &hex[i] + 2) {
            throw Invalid("\"" + hex + "\" is not hexadecimal");
        }
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

// "YYYY-MM-DD HH:MM:SS" (digits only: a year of four, the other parts one or
// two), or "now", which keeps the clock given.
void readClock(const json& j, ClockValue& clock) {
    static const std::regex shape(R"((\d{1,4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2}))");
    const std::string text = j.is_string() ? j.get<std::string>() : std::string();
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
    clock = probe.clock;
}

// One object of a profile at `at`; a key it may not hold is refused by name.
struct Node {
    Node(const json& v, Pointer p, const Names& allowed) : value(v), at(std::move(p)) {
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
    // `read` given the value of `key` when the object holds it; what it
    // refuses is told at the key.
    template <typename Read> bool read(const std::string& key, Read read) const {
        try {
            return has(key) && (read(value.at(key)), true);
        } catch (const Invalid& e) {
            fail(at / key, e.what());
        }
    }
    int read(const std::string& key, const Spec& spec, int fallback) const {
        read(key, [&](const json& j) { fallback = pick(j, spec); });
        return fallback;
    }
    int read(const HeaderField& field, int fallback) const {
        return read(field.name, list({*field.entries}), fallback);
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
    void readTexts(const std::array<TextField<Settings>, N>& fields, int codePage,
                   Settings& s) const {
        for (const auto& field : fields) {
            read(field.name, [&](const json& j) { s.*field.member = textOf(j, codePage); });
        }
    }
    template <typename Settings, typename Fields>
    void checkLimits(const Settings& s, const Fields& fields) const {
        if (const std::string problem = CheckTextLimits(s, fields); !problem.empty()) {
            throw ProfileError(dotted(at) + "." + problem);
        }
    }

    const json& value;
    Pointer at;
};

// The keys a section may hold: the Quill family's, so that a Sedge profile
// naming a Quill-only one is told why it does not apply.
template <typename Settings, std::size_t N>
Names sectionKeys(Names keys, const HeaderField& country, const HeaderField& op,
                  const HeaderField& hours, const std::array<TextField<Settings>, N>& texts) {
    keys.insert(keys.end(), {kModeKey, PicturesPerDayField().name, LanguageKey(), country.name,
                             op.name, hours.name});
    for (const auto& text : texts) {
        keys.emplace_back(text.name);
    }
    return keys;
}

struct Connection {
    bool manual = false;
    int country = 0, op = 0;
};

// The small readers the MMS and e-mail sections share. The mode comes first:
// in Manual mode the lists hold only "Other".
Connection readMode(const Node& o, const HeaderField& country, const HeaderField& op) {
    Connection c{o.read(kModeKey, list({ApnModeList()}), 0) == 1};
    for (const char* key : {country.name, op.name}) {
        if (c.manual && o.has(key)) {
            fail(o.at / key, "the lists hold only \"Other\" in Manual mode");
        }
    }
    return c;
}

int readPictures(const Node& o) {
    const HeaderField& pictures = PicturesPerDayField();
    return o.read(pictures.name, number(pictures.min, pictures.max), 0);
}

// The Quill cameras' hours; "Off" is no hour a profile names.
int readHours(const Node& o, const HeaderField& field, int fallback) {
    Spec hours = list({*field.entries}, Ints::Value);
    hours.max = kSmsRemoteControlOff - 1;
    return o.read(field.name, hours, fallback);
}

// The country and operator of automatic mode, by name or index.
void readPreset(const Node& o, Connection& c, const HeaderField& country, const HeaderField& op,
                const Names& countries2, const std::function<Names(int, int)>& operators) {
    if (!c.manual) {
        c.country = o.read(country.name, list({CountryList(), countries2}, Ints::Index), 0);
        c.op = o.read(op.name,
                      list({operators(c.country, 2), operators(c.country, 1)}, Ints::Index), 0);
    }
}

template <typename Settings, std::size_t N>
void readLanguageAndTexts(const Node& o, Settings& s,
                          const std::array<TextField<Settings>, N>& texts, int codePage) {
    s.languageCode = o.read(LanguageKey(), languageChoice(), s.languageCode);
    o.readTexts(texts, codePage, s);
}

// The connection of each section, read over `s` in the order the dialogs
// check it.
Connection readMmsConnection(const Node& o, MmsSettings& s, int codePage) {
    const SetupHeaderFields& f = SetupHeader(s.family);
    Connection c = readMode(o, f.country, f.op);
    s.mmsSendMode = o.read(f.mmsStatus, s.mmsSendMode);
    s.picturesPerDay = readPictures(o);
    if (s.family == Family::Quill) {
        s.smsRemoteControl = readHours(o, f.smsRemoteControl, s.smsRemoteControl);
    }
    s.connectionKind = o.read(f.connectionKind, 0);
    if (!c.manual && s.connectionKind == 1) {
        fail(o.at / f.connectionKind.name, "\"CSD\" exists only in Manual mode");
    }
    s.internationalNumbers = o.read(f.numberKind, 0);
    readPreset(o, c, f.country, f.op, CountryListChinese(),
               [](int country, int naming) { return OperatorNames(country, naming); });
    readLanguageAndTexts(o, s, MmsTextFields(), codePage);
    return c;
}

Connection readSmtpConnection(const Node& o, SmtpSettings& s, int codePage) {
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    Connection c = readMode(o, f.country, f.op);
    s.picturesPerDay = readPictures(o);
    if (s.family == Family::Quill) {
        s.mmsSendMode = o.read(f.mmsSendMode, s.mmsSendMode);
        s.smsRemoteControl = readHours(o, f.smsRemoteControl, s.smsRemoteControl);
    }
    readPreset(o, c, f.country, f.op, {},
               [](int country, int) { return GprsOperatorNames(country); });
    readLanguageAndTexts(o, s, SmtpTextFields(s.family), codePage);
    return c;
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
    if (const Decoded decoded = DecodeFromFile(bytes, codePage); decoded.exact) {
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

// The small writers the MMS and e-mail sections share.
void putEntry(ordered_json& o, const HeaderField& field, int value, bool withIndices) {
    o[field.name] = entry(*field.entries, value, withIndices);
}

// An operator is written by name when the name says which one it is, else
// by index.
void writePreset(ordered_json& o, Connection c, const HeaderField& country, const HeaderField& op,
                 const Names& operators, bool withIndices) {
    if (c.manual) {
        return;
    }
    o[country.name] = entry(CountryList(), c.country, withIndices);
    const ordered_json named = entry(operators, c.op, withIndices);
    const std::string name = withIndices ? "" : named.get<std::string>();
    const auto same = [&](const std::string& n) { return SameName(n, name); };
    o[op.name] = withIndices || (!name.empty() && std::ranges::count_if(operators, same) == 1)
                     ? named
                     : ordered_json(c.op);
}

void writeHours(ordered_json& o, const HeaderField& field, int hours, bool withIndices) {
    const ordered_json shown =
        hours == kSmsRemoteControlOff ? ordered_json("Off") : ordered_json(hours);
    o[field.name] = withIndices ? ordered_json::array({shown, hours}) : shown;
}

// The texts; those automatic mode takes from `preset` are left to it when
// equal. `after` runs after each text, for a value shown beside one.
template <typename Settings, typename Fields, typename PresetTexts, typename After>
void writeTexts(ordered_json& o, const Section<Settings>& section, Connection c,
                const Settings& preset, const Fields& texts, const PresetTexts& presetTexts,
                After after) {
    const Settings& s = section.settings;
    for (const auto& field : texts) {
        const bool fromPreset = std::ranges::find(presetTexts, field.member) != presetTexts.end();
        if (section.withIndices || c.manual || !fromPreset ||
            s.*field.member != preset.*field.member) {
            o[field.name] = textValue(s.*field.member, section.codePage);
        }
        after(field.member);
    }
}

ordered_json modeValue(Connection c, bool withIndices) {
    return entry(ApnModeList(), c.manual ? 1 : 0, withIndices);
}

template <typename Settings, typename Fields>
void storeTextsIn(Settings& s, SectionKind kind, const Fields& fields, int from, int to) {
    if (from == to) {
        return;
    }
    const Pointer at = Pointer() / SettingsFile(kind).section;
    for (const auto& field : fields) {
        std::string& text = s.*field.member;
        const Decoded decoded = DecodeFromFile(text, from);
        try {
            if (!decoded.exact) {
                throw Invalid("is no text in code page " + std::to_string(from));
            }
            text = encoded(decoded.text, to);
        } catch (const Invalid& e) {
            fail(at / field.name, e.what());
        }
    }
    if (const std::string problem = CheckTextLimits(s, fields); !problem.empty()) {
        throw ProfileError(dotted(at) + "." + problem);
    }
}

} // namespace

void StoreTextsIn(MmsSettings& settings, int from, int to) {
    storeTextsIn(settings, SectionKind::Mms, MmsTextFields(), from, to);
}

void StoreTextsIn(SmtpSettings& settings, int from, int to) {
    storeTextsIn(settings, SectionKind::Smtp, SmtpTextFields(settings.family), from, to);
}

ProfileError::ProfileError(const std::string& message)
    : std::runtime_error([&] {
          std::string line;
          const std::string_view text(message);
          for (std::size_t i = 0; i < text.size();) {
              const auto byte = static_cast<unsigned char>(text[i]);
              std::size_t length = byte < 0x80 ? 1 : 0; // of the character at i; 0: none
              for (std::size_t n = 2; length == 0 && n <= 4 && i + n <= text.size(); ++n) {
                  length = Utf16FromUtf8(text.substr(i, n)) ? n : 0;
              }
              if (byte >= 0x20 && length > 0) {
                  line += text.substr(i, length);
                  i += length;
                  continue;
              }
              char escaped[7];
              std::snprintf(escaped, sizeof escaped, byte < 0x20 ? "\\u%04x" : "\\x%02x", byte);
              line += escaped;
              ++i;
          }
          return line;
      }()) {}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, {}, lower, lower);
}

const char* LanguageName(int language) {
    const LanguageInfo* row = FindLanguage(language);
    return row != nullptr ? row->englishName : "unknown";
}

// The menu rows one by one: the interval after its unit (the minimum depends
// on it), the four serial characters as one text, the clock as one.
void from_json(const json& j, MenuSection& section) {
    MenuSettings& s = section.settings;
    static const Names keys = [] {
        Names names;
        for (const MenuFieldInfo& row : MenuFields(Family::Quill)) {
            names.emplace_back(row.name);
        }
        return names;
    }();
    const Node o(j, sectionAt(SectionKind::Menu), keys);
    o.refuse(s.family,
             {MenuFieldOf(MenuField::BeepSound).name, MenuFieldOf(MenuField::SdCycle).name});
    const auto read = [&](const MenuFieldInfo& row, int& target) {
        target = o.read(row.name, row.isList() ? list({*row.entries}) : number(row.min, row.max),
                        target);
    };
    for (const MenuFieldInfo& row : MenuFields(s.family)) {
        const char* key = row.name;
        if (row.field == MenuField::Interval) {
            read(MenuFieldOf(MenuField::IntervalUnit, s.family), s.intervalUnit);
            read(row, s.intervalValue);
            if (s.intervalValue < MinimumInterval(s.intervalUnit)) {
                fail(o.at / key, "0 is not allowed with the unit \"Min\" (the dialog makes it 1)");
            }
        } else if (row.field == MenuField::SerialCharacter1) {
            o.read(key, [&](const json& value) {
                const std::string chars = textOf(value, kUtf8CodePage);
                for (std::size_t i = 0; i < s.serialCharacters.size(); ++i) {
                    try { // each character an entry of the list
                        s.serialCharacters[i] =
                            pick(json(chars.size() == 4 ? chars.substr(i, 1) : ""),
                                 list({*row.entries}));
                    } catch (const Invalid&) {
                        throw Invalid("must be four characters, each 0 to 9 or A to Z");
                    }
                }
            });
        } else if (row.field == MenuField::ClockYear) {
            o.read(key, [&](const json& value) { readClock(value, s.clock); });
        } else if (row.field == MenuField::Language) {
            s.languageCode = o.read(key, languageChoice(), s.languageCode);
        } else if (!SharesKeyWithPreviousRow(row.field) && row.field != MenuField::IntervalUnit) {
            read(row, row.value(s));
        }
    }
}

// The connection and texts typed, then the settings the dialog writes from
// them; a connection text given in automatic mode replaces the preset's, so a
// card written with other operator settings is reproduced as it is.
void from_json(const json& j, MmsSection& section) {
    MmsSettings& s = section.settings;
    const SetupHeaderFields& f = SetupHeader(s.family);
    const SetupHeaderFields& quill = SetupHeader(Family::Quill);
    static const Names keys = sectionKeys(
        {quill.mmsStatus.name, quill.connectionKind.name, quill.numberKind.name, quill.tvMode.name},
        quill.country, quill.op, quill.smsRemoteControl, MmsTextFields());
    const Node o(j, sectionAt(SectionKind::Mms), keys);
    o.refuse(s.family, {f.smsRemoteControl.name});
    MmsSettings t = s;
    const Connection c = readMmsConnection(o, t, section.codePage);
    t.tvMode = o.read(f.tvMode.name, number(f.tvMode.min, f.tvMode.max), t.tvMode);
    const MmsSelections lists{c.manual,          c.country,        c.op,
                              t.mmsSendMode,     t.connectionKind, t.internationalNumbers,
                              t.smsRemoteControl};
    s = MmsSettingsToWrite(t, lists, t.languageCode, t.tvMode);
    o.readTexts(MmsTextFields(), section.codePage, s);
    o.checkLimits(s, MmsTextFields());
}

void from_json(const json& j, SmtpSection& section) {
    SmtpSettings& s = section.settings;
    const SmtpHeaderFields& quill = SmtpHeader(Family::Quill);
    static const Names keys = sectionKeys({quill.mmsSendMode.name}, quill.country, quill.op,
                                          quill.smsRemoteControl, SmtpTextFields(Family::Quill));
    const Node o(j, sectionAt(SectionKind::Smtp), keys);
    o.refuse(s.family, {quill.mmsSendMode.name, quill.smsRemoteControl.name});
    SmtpSettings t = s;
    const Connection c = readSmtpConnection(o, t, section.codePage);
    const ApnMode mode = c.manual ? ApnMode::Manual : ApnMode::Automatic;
    s = SmtpSettingsToWrite(t, {mode, c.country, c.op, t.mmsSendMode, t.smsRemoteControl},
                            t.languageCode);
    o.readTexts(SmtpTextFields(s.family), section.codePage, s);
    o.checkLimits(s, SmtpTextFields(s.family));
}

void to_json(ordered_json& o, const MenuSection& section) {
    const MenuSettings& s = section.settings;
    o = ordered_json::object();
    for (const MenuFieldInfo& row : MenuFields(s.family)) {
        const char* key = row.name;
        if (row.field == MenuField::SerialCharacter1) {
            std::string chars;
            for (const int c : s.serialCharacters) {
                chars += entry(*row.entries, c, false).get<std::string>();
            }
            o[key] = chars;
        } else if (row.field == MenuField::ClockYear) {
            const ClockValue& c = s.clock;
            char text[32];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month,
                          c.day, c.hour, c.minute, c.second);
            o[key] = text;
        } else if (!SharesKeyWithPreviousRow(row.field) && row.field != MenuField::Language &&
                   row.field != MenuField::TvMode) { // those two are the profile's top level
            o[key] = row.isList() ? entry(*row.entries, row.of(s), section.withIndices)
                                  : ordered_json(row.of(s));
        }
    }
}

void to_json(ordered_json& o, const MmsSection& section) {
    const MmsSettings& s = section.settings;
    const Connection c{s.presetCountry == kManualCountry, s.presetCountry, s.presetOperator};
    const bool withIndices = section.withIndices;
    o = {{kModeKey, modeValue(c, withIndices)}};
    const SetupHeaderFields& f = SetupHeader(s.family);
    putEntry(o, f.mmsStatus, s.mmsSendMode, withIndices);
    o[PicturesPerDayField().name] = s.picturesPerDay;
    writePreset(o, c, f.country, f.op, OperatorNames(c.country, 2), withIndices);
    if (s.family == Family::Quill) {
        writeHours(o, f.smsRemoteControl, s.smsRemoteControl, withIndices);
    }
    putEntry(o, f.connectionKind, s.connectionKind, withIndices);
    writeTexts(o, section, c, WithOperatorPreset(s, c.country, c.op), MmsTextFields(),
               kMmsPresetTexts, [&](std::string MmsSettings::*text) {
                   if (text == &MmsSettings::phone) {
                       putEntry(o, f.numberKind, s.internationalNumbers, withIndices);
                   }
               });
}

void to_json(ordered_json& o, const SmtpSection& section) {
    const SmtpSettings& s = section.settings;
    const Connection c{s.countryIndex == kManualCountry, s.countryIndex, s.operatorIndex};
    o = {{kModeKey, modeValue(c, section.withIndices)}};
    o[PicturesPerDayField().name] = s.picturesPerDay;
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    const bool withIndices = section.withIndices;
    writePreset(o, c, f.country, f.op, GprsOperatorNames(c.country), withIndices);
    if (s.family == Family::Quill) {
        putEntry(o, f.mmsSendMode, s.mmsSendMode, withIndices);
        writeHours(o, f.smsRemoteControl, s.smsRemoteControl, withIndices);
    }
    const SmtpSettings preset = SmtpSettingsToWrite(
        s, {ApnMode::Automatic, c.country, c.op, s.mmsSendMode, s.smsRemoteControl},
        s.languageCode);
    writeTexts(o, section, c, preset, SmtpTextFields(s.family), kSmtpPresetTexts,
               [](std::string SmtpSettings::*) {});
}

Profile ParseProfile(std::string_view text, const ClockValue& now) {
    json root;
    try {
        root = json::parse(text);
    } catch (const json::exception& e) { // also a number out of range, such as 1e400
        throw ProfileError(std::string("profile: not valid JSON: ") + e.what());
    }
    if (!root.is_object()) {
        throw ProfileError("profile: must be a JSON object");
    }
    if (!root.contains(kModelKey)) {
        throw ProfileError("model: missing; give one of \"Ros SedgeM\", \"Ros QuillM\", "
                           "\"Ros SedgeMG\", \"Ros QuillMG\" or 1 to 4");
    }
    Names topKeys{kModelKey, LanguageKey(), TvModeKey(), kCodePageKey};
    std::string sectionsListed; // "\"camera_menu\", \"mms\" and \"smtp\""
    for (const SettingsFileInfo& file : kSettingsFiles) {
        topKeys.emplace_back(file.section);
        sectionsListed += std::string(sectionsListed.empty()        ? ""
                                      : file.kind == FileKind::Smtp ? " and "
                                                                    : ", ") +
                          "\"" + file.section + "\"";
    }
    const Node top(root, Pointer(), topKeys);
    Names models;
    for (const CameraModel model : kCameraModels) {
        models.emplace_back(model.displayName());
    }
    Profile profile;
    profile.model = CameraModel(top.read(kModelKey, {{models}, Ints::Value, 1, 1, 4}, 1));
    profile.language = top.read(LanguageKey(), languageChoice(), 2);
    const MenuFieldInfo& tvMode = MenuFieldOf(MenuField::TvMode);
    profile.tvMode = top.read(tvMode.name, number(tvMode.min, tvMode.max), 0);
    profile.codePage = top.read(kCodePageKey, number(0, 65535), SystemCodePage());
    if (!IsSupportedCodePage(profile.codePage)) {
        fail(Pointer() / kCodePageKey,
             std::to_string(profile.codePage) +
                 " is not a Windows ANSI code page texts can be stored in here");
    }
    if (std::ranges::none_of(kSettingsFiles,
                             [&](const SettingsFileInfo& file) { return top.has(file.section); })) {
        throw ProfileError("profile: holds none of " + sectionsListed);
    }
    // Each section is read over the dialog's defaults with the profile's
    // language and TV mode.
    const auto has = [&](SectionKind kind) { return top.has(SettingsFile(kind).section); };
    const auto read = [&](SectionKind kind, auto defaults) {
        defaults.languageCode = profile.language;
        if constexpr (requires { defaults.tvMode; }) {
            defaults.tvMode = profile.tvMode;
        }
        Section<decltype(defaults)> section{defaults, profile.codePage};
        root.at(SettingsFile(kind).section).get_to(section);
        return std::optional(section.settings);
    };
    const Family family = profile.model.family();
    if (has(SectionKind::Menu)) {
        MenuSettings menu = DefaultMenuSettings(family);
        menu.clock = now;
        profile.menu = read(SectionKind::Menu, menu);
    }
    if (has(SectionKind::Mms)) {
        profile.mms = read(SectionKind::Mms, DefaultMmsSettings(family));
        profile.mmsManual = profile.mms->presetCountry == kManualCountry;
    }
    if (has(SectionKind::Smtp)) {
        if (!profile.model.hasEmail()) {
            throw ProfileError(std::string(SettingsFile(SectionKind::Smtp).section) +
                               ": the e-mail set-up needs an MG camera, not " +
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
        return SettingsFile(SectionKind::Mms).section + (": " + failure->english);
    }
    if (auto failure =
            profile.smtp ? CheckSmtpGenerate(*profile.smtp, profile.smtpManual) : std::nullopt) {
        return SettingsFile(SectionKind::Smtp).section + (": " + failure->english);
    }
    return std::nullopt;
}

} // namespace rosmossel::profile
