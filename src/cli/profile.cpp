#include "cli/profile.h"

#include "core/menu/menu_fields.h"
#include "core/mms/mms_checks.h"
#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_checks.h"
#include "core/text/code_page.h"
#include "core/text/messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <set>

namespace rosmossel::cli {
namespace {

using json = nlohmann::json;

constexpr std::array<const char*, 9> kLanguageNames{"Chinese",   "English",   "German",
                                                    "Finnish",   "Italian",   "French",
                                                    "Hungarian", "Slovenian", "Czech"};
// The entries of the main window's language list, accepted as well.
constexpr std::array<const char*, 9> kLanguageEntries{
    "中文", "English", "Deutsch", "Suomi", "Italiano", "Francais", "Magyar", "Slovensko", "Cesky"};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string quotedList(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    }
    return text;
}

std::string hexOf(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 0x0F];
    }
    return hex;
}

// One JSON object of the profile: typed access by key, and every key that is
// not allowed is an error naming it.
class Object {
  public:
    Object(const json& value, std::string path, std::initializer_list<const char*> allowed)
        : value_(value), path_(std::move(path)) {
        refuseUnknownKeys(allowed);
    }
    Object(const json& value, std::string path, const std::vector<std::string>& allowed)
        : value_(value), path_(std::move(path)) {
        refuseUnknownKeys(allowed);
    }

    bool has(const char* key) const { return value_.contains(key); }

    [[noreturn]] void fail(std::string_view key, const std::string& why) const {
        std::string where = path_;
        if (!key.empty()) {
            where += where.empty() ? "" : ".";
            where += key;
        }
        throw ProfileError((where.empty() ? std::string("profile") : where) + ": " + why);
    }

    int integer(const char* key, int fallback, int min, int max) const {
        if (!has(key)) {
            return fallback;
        }
        const json& v = value_.at(key);
        if (!v.is_number_integer()) {
            fail(key, "must be a whole number");
        }
        const auto n = v.get<long long>();
        if (n < min || n > max) {
            fail(key, CheckIntegerRange(min - 1, min, max)->english); // the dialogs' message
        }
        return static_cast<int>(n);
    }

    // A list entry by its English name.
    int option(const char* key, const std::vector<std::string>& list, int fallback) const {
        if (!has(key)) {
            return fallback;
        }
        const json& v = value_.at(key);
        if (!v.is_string()) {
            fail(key, "must be one of " + quotedList(list));
        }
        const auto name = v.get<std::string>();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (sameName(name, list[i])) {
                return static_cast<int>(i);
            }
        }
        fail(key, "\"" + name + "\" is not one of " + quotedList(list));
    }

    // A text: a JSON string, stored in `codePage` as the dialogs store typed
    // text, or {"hex": "..."} for any bytes.
    std::string text(const char* key, int codePage) const {
        if (!has(key)) {
            return {};
        }
        const json& v = value_.at(key);
        if (v.is_string()) {
            const std::u16string typed = Utf16FromUtf8(v.get<std::string>()).value_or(u"");
            Encoded encoded = EncodeForFile(typed, codePage);
            if (encoded.unstorableAt) {
                const std::size_t at = *encoded.unstorableAt;
                const std::size_t units =
                    at + 1 < typed.size() && typed[at] >= 0xD800 && typed[at] <= 0xDBFF ? 2 : 1;
                fail(key, "the character \"" + Utf8FromUtf16(typed.substr(at, units)) +
                              "\" cannot be stored in code page " + std::to_string(codePage));
            }
            return std::move(encoded.bytes);
        }
        if (v.is_object() && v.size() == 1 && v.contains("hex") && v.at("hex").is_string()) {
            return fromHex(key, v.at("hex").get<std::string>());
        }
        fail(key, "must be a text, or an object {\"hex\": \"...\"}");
    }

    // A list entry by name, or its index.
    int nameOrIndex(const char* key, const std::vector<std::vector<std::string>>& namings,
                    int count, int fallback) const {
        if (!has(key)) {
            return fallback;
        }
        const json& v = value_.at(key);
        if (v.is_number_integer()) {
            const auto n = v.get<long long>();
            if (n < 0 || n >= count) {
                fail(key, std::to_string(n) + " is not between 0 and " + std::to_string(count - 1));
            }
            return static_cast<int>(n);
        }
        if (!v.is_string()) {
            fail(key, "must be a name or an index");
        }
        const auto name = v.get<std::string>();
        for (const auto& names : namings) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (!names[i].empty() && sameName(name, names[i])) {
                    return static_cast<int>(i);
                }
            }
        }
        fail(key, "\"" + name + "\" is not one of " + quotedList(namings.front()));
    }

    const json& at(const char* key) const { return value_.at(key); }
    const std::string& path() const { return path_; }

  private:
    template <typename Keys> void refuseUnknownKeys(const Keys& allowed) const {
        if (!value_.is_object()) {
            fail("", "must be an object");
        }
        for (const auto& item : value_.items()) {
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const auto& key) { return item.key() == key; })) {
                fail(item.key(), "unknown key");
            }
        }
    }

    std::string fromHex(const char* key, const std::string& hex) const {
        if (hex.size() % 2 != 0) {
            fail(key, "a hex text needs two digits per byte");
        }
        std::string bytes;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            unsigned value = 0;
            for (const char c : hex.substr(i, 2)) {
                const int d = std::isxdigit(static_cast<unsigned char>(c))
                                  ? (std::isdigit(static_cast<unsigned char>(c))
                                         ? c - '0'
                                         : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10)
                                  : -1;
                if (d < 0) {
                    fail(key, "\"" + hex + "\" is not hexadecimal");
                }
                value = value * 16 + static_cast<unsigned>(d);
            }
            bytes += static_cast<char>(value);
        }
        return bytes;
    }

    const json& value_;
    std::string path_;
};

int modelOf(const json& root) {
    if (!root.contains("model")) {
        throw ProfileError("model: missing; give one of \"Ros SedgeM\", \"Ros QuillM\", "
                           "\"Ros SedgeMG\", \"Ros QuillMG\" or 1 to 4");
    }
    const Object top(root, "",
                     {"model", "language", "tv_mode", "codePage", "camera_menu", "mms", "smtp"});
    std::vector<std::string> names;
    for (const CameraModel model : kCameraModels) {
        names.emplace_back(model.displayName());
    }
    if (root.at("model").is_number_integer()) {
        return top.integer("model", 1, 1, 4);
    }
    return top.nameOrIndex("model", {names}, 4, 0) + 1;
}

int languageOf(const Object& object, int fallback) {
    if (!object.has("language")) {
        return fallback;
    }
    if (object.at("language").is_number_integer()) {
        return object.integer("language", fallback, 1, 9);
    }
    return object.nameOrIndex("language",
                              {{kLanguageNames.begin(), kLanguageNames.end()},
                               {kLanguageEntries.begin(), kLanguageEntries.end()}},
                              9, 0) +
           1;
}

// The code page the profile's texts are stored in; the system's when not named.
int codePageOf(const Object& top) {
    if (!top.has("codePage")) {
        return SystemCodePage();
    }
    const int codePage = top.integer("codePage", 0, 0, 65535);
    if (!IsSupportedCodePage(codePage)) {
        top.fail("codePage", std::to_string(codePage) +
                                 " is not a Windows ANSI code page texts can be stored in here");
    }
    return codePage;
}

// "YYYY-MM-DD HH:MM:SS": digits only, so no sign or space slips into a part
// (a year of four digits, the other parts one or two).
std::optional<ClockValue> parseClock(std::string_view text) {
    ClockValue c;
    const std::pair<int*, char> parts[] = {{&c.year, '-'}, {&c.month, '-'},  {&c.day, ' '},
                                           {&c.hour, ':'}, {&c.minute, ':'}, {&c.second, '\0'}};
    std::size_t at = 0;
    for (const auto& [part, separator] : parts) {
        const std::size_t start = at;
        *part = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            *part = *part * 10 + (text[at++] - '0');
        }
        const std::size_t digits = at - start;
        if (digits == 0 || digits > (part == &c.year ? 4u : 2u)) {
            return std::nullopt;
        }
        if (separator != '\0' && (at >= text.size() || text[at++] != separator)) {
            return std::nullopt;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return c;
}

ClockValue clockOf(const Object& object, const ClockValue& now) {
    if (!object.has("clock")) {
        return now;
    }
    const json& v = object.at("clock");
    const std::string text = v.is_string() ? v.get<std::string>() : std::string();
    if (text == "now") {
        return now;
    }
    const std::optional<ClockValue> parsed = parseClock(text);
    if (!parsed) {
        object.fail("clock", "must be \"now\" or a time as \"YYYY-MM-DD HH:MM:SS\"");
    }
    const ClockValue& c = *parsed;
    const MenuFieldInfo& year = MenuFieldOf(MenuField::ClockYear);
    if (c.year < year.min || c.year > year.max) {
        object.fail("clock", "the camera keeps years from " + std::to_string(year.min) + " to " +
                                 std::to_string(year.max));
    }
    const auto within = [](MenuField field, int value) {
        const MenuFieldInfo& row = MenuFieldOf(field);
        return value >= row.min && value <= row.max;
    };
    if (!within(MenuField::ClockMonth, c.month) || c.day < 1 ||
        c.day > DaysInMonth(c.year, c.month) || !within(MenuField::ClockHour, c.hour) ||
        !within(MenuField::ClockMinute, c.minute) || !within(MenuField::ClockSecond, c.second)) {
        object.fail("clock", "\"" + text + "\" is not a valid date and time");
    }
    return c;
}

void refuseQuillOnly(const Object& object, Family family, std::initializer_list<const char*> keys) {
    if (family == Family::Quill) {
        return;
    }
    for (const char* key : keys) {
        if (object.has(key)) {
            object.fail(key, "only Quill cameras have this setting");
        }
    }
}

// The keys of a camera_menu section: the record's, with the Quill-only ones,
// so a Sedge profile that names them is told why they do not apply.
std::vector<std::string> menuKeys() {
    std::vector<std::string> keys;
    for (const MenuFieldInfo& field : MenuFields(Family::Quill)) {
        if (std::find(keys.begin(), keys.end(), field.key) == keys.end()) {
            keys.emplace_back(field.key);
        }
    }
    return keys;
}

int serialCharacterOf(const Object& o, const std::string& chars, std::size_t i,
                      const std::vector<std::string>& entries) {
    const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(chars[i])));
    const auto found = std::find(entries.begin(), entries.end(), std::string(1, c));
    if (found == entries.end()) {
        o.fail("serial_characters", "must be four characters, each 0 to 9 or A to Z");
    }
    return static_cast<int>(found - entries.begin());
}

MenuSettings menuOf(const json& value, Family family, int language, int tvMode,
                    const ClockValue& now) {
    static const std::vector<std::string> keys = menuKeys();
    const Object o(value, "camera_menu", keys);
    refuseQuillOnly(o, family, {"beep_sound", "sd_cycle"});
    const MenuSettings d = DefaultMenuSettings(family);
    MenuSettings s = d;
    const auto read = [&](const MenuFieldInfo& field) {
        const int fallback = field.of(d);
        return field.isList() ? o.option(field.key, *field.entries, fallback)
                              : o.integer(field.key, fallback, field.min, field.max);
    };
    for (const MenuFieldInfo& field : MenuFields(family)) {
        if (SharesKeyWithPreviousRow(field.field)) {
            continue;
        }
        int& target = field.value(s);
        switch (field.field) {
        case MenuField::IntervalUnit:
            break; // read before the interval
        case MenuField::Interval:
            s.intervalUnit = read(MenuFieldOf(MenuField::IntervalUnit, family));
            target = read(field);
            if (target < MinimumInterval(s.intervalUnit)) {
                o.fail(field.key, "0 is not allowed with the unit \"Min\" (the dialog makes it 1)");
            }
            break;
        case MenuField::SerialCharacter1:
            if (o.has(field.key)) {
                const std::string chars = o.text(field.key, kUtf8CodePage);
                if (chars.size() != s.serialCharacters.size()) {
                    o.fail(field.key, "must be four characters, each 0 to 9 or A to Z");
                }
                for (std::size_t i = 0; i < chars.size(); ++i) {
                    s.serialCharacters[i] = serialCharacterOf(o, chars, i, *field.entries);
                }
            }
            break;
        case MenuField::ClockYear:
            s.clock = clockOf(o, now);
            break;
        case MenuField::Language:
            target = languageOf(o, language);
            break;
        case MenuField::TvMode:
            target = o.integer(field.key, tvMode, field.min, field.max);
            break;
        default:
            target = read(field);
        }
    }
    return s;
}

// A list value of a header by its English name.
int listOf(const Object& o, const HeaderField& field, int fallback) {
    return o.option(field.key, *field.entries, fallback);
}

// "Off" or the hours 0 to 24, as a number or as the list's text.
int remoteControlOf(const Object& o, const HeaderField& field, int fallback) {
    if (o.has(field.key) && o.at(field.key).is_number_integer()) {
        return o.integer(field.key, fallback, field.min, kSmsRemoteControlOff - 1);
    }
    return listOf(o, field, fallback);
}

template <typename TextFields>
std::vector<std::string> sectionKeys(std::initializer_list<const char*> header,
                                     const TextFields& texts) {
    std::vector<std::string> keys{"mode", PicturesPerDayField().key, HeaderLanguageField().key};
    keys.insert(keys.end(), header.begin(), header.end());
    for (const auto& field : texts) {
        keys.emplace_back(field.key);
    }
    return keys;
}

void refuseInManualMode(const Object& o, bool manual) {
    for (const char* key : {"country", "operator"}) {
        if (manual && o.has(key)) {
            o.fail(key, "the lists hold only \"Other\" in Manual mode");
        }
    }
}

MmsSettings mmsOf(const json& value, Family family, int language, int tvMode, int codePage,
                  bool& manual) {
    const SetupHeaderFields& f = SetupHeader(family);
    static const std::vector<std::string> keys = [] {
        const SetupHeaderFields& q = SetupHeader(Family::Quill);
        return sectionKeys({q.mmsStatus.key, q.country.key, q.op.key, q.smsRemoteControl.key,
                            q.connectionKind.key, q.numberKind.key, q.tvMode.key},
                           MmsTextFields());
    }();
    const Object o(value, "mms", keys);
    refuseQuillOnly(o, family, {f.smsRemoteControl.key});
    MmsSettings s = DefaultMmsSettings(family);
    manual = o.option("mode", ApnModeList(), 0) == 1;
    refuseInManualMode(o, manual);
    s.mmsSendMode = listOf(o, f.mmsStatus, s.mmsSendMode);
    const HeaderField& pictures = PicturesPerDayField();
    s.picturesPerDay = o.integer(pictures.key, 0, pictures.min, pictures.max);
    if (family == Family::Quill) {
        s.smsRemoteControl = remoteControlOf(o, f.smsRemoteControl, s.smsRemoteControl);
    }
    s.connectionKind = listOf(o, f.connectionKind, 0);
    if (!manual && s.connectionKind == 1) {
        o.fail(f.connectionKind.key, "\"CSD\" exists only in Manual mode");
    }
    s.internationalNumbers = listOf(o, f.numberKind, 0);
    if (manual) {
        s.presetCountry = kManualCountry;
        s.presetOperator = 0;
    } else {
        s.presetCountry =
            o.nameOrIndex("country", {CountryList(), CountryListChinese()}, kCountryCount, 0);
        const int count = OperatorPresetTable()[static_cast<std::size_t>(s.presetCountry)].count;
        s.presetOperator = o.nameOrIndex(
            "operator", {OperatorNames(s.presetCountry, 2), OperatorNames(s.presetCountry, 1)},
            count, 0);
        const OperatorPreset* preset = LookUpOperatorPreset(s.presetCountry, s.presetOperator);
        s.url = preset->url;
        s.apn = preset->apn;
        s.gateway = preset->gateway;
        s.port = preset->port;
        s.account = preset->account;
        s.password = preset->password;
    }
    // In Auto mode a connection text given here replaces the preset's, so a
    // card written with other operator settings is reproduced as it is.
    for (const auto& field : MmsTextFields()) {
        if (o.has(field.key)) {
            s.*field.member = o.text(field.key, codePage);
        }
    }
    s.languageCode = languageOf(o, language);
    s.tvMode = o.integer(f.tvMode.key, tvMode, f.tvMode.min, f.tvMode.max);
    return s;
}

SmtpSettings smtpOf(const json& value, Family family, int language, int codePage, bool& manual) {
    const SmtpHeaderFields& f = SmtpHeader(family);
    static const std::vector<std::string> keys = [] {
        const SmtpHeaderFields& q = SmtpHeader(Family::Quill);
        return sectionKeys({q.country.key, q.op.key, q.mmsSendMode.key, q.smsRemoteControl.key},
                           SmtpTextFields(Family::Quill));
    }();
    const Object o(value, "smtp", keys);
    refuseQuillOnly(o, family, {f.mmsSendMode.key, f.smsRemoteControl.key});
    SmtpSettings s = DefaultSmtpSettings(family);
    manual = o.option("mode", ApnModeList(), 0) == 1;
    refuseInManualMode(o, manual);
    const HeaderField& pictures = PicturesPerDayField();
    s.picturesPerDay = o.integer(pictures.key, 0, pictures.min, pictures.max);
    if (family == Family::Quill) {
        s.mmsSendMode = listOf(o, f.mmsSendMode, s.mmsSendMode);
        s.smsRemoteControl = remoteControlOf(o, f.smsRemoteControl, s.smsRemoteControl);
    }
    if (manual) {
        s.countryIndex = kManualCountry;
        s.operatorIndex = 0;
    } else {
        s.countryIndex = o.nameOrIndex("country", {CountryList()}, kCountryCount, 0);
        const int count = GprsPresetTable()[static_cast<std::size_t>(s.countryIndex)].count;
        s.operatorIndex = o.nameOrIndex("operator", {GprsOperatorNames(s.countryIndex)}, count, 0);
        const GprsPreset* preset = LookUpGprsPreset(s.countryIndex, s.operatorIndex);
        s.apn = preset->apn;
        s.account = preset->account;
        s.gprsPassword = preset->password;
    }
    for (const auto& field : SmtpTextFields(family)) {
        if (o.has(field.key)) {
            s.*field.member = o.text(field.key, codePage);
        }
    }
    s.languageCode = languageOf(o, language);
    return s;
}

template <typename Settings, typename Fields>
void checkTexts(const Settings& settings, const Fields& fields, const char* section) {
    const std::string error = CheckTextLimits(settings, fields);
    if (!error.empty()) {
        throw ProfileError(std::string(section) + "." + error);
    }
}

// A text as the profile writes it: a JSON string when the bytes are text in
// `codePage` that stores back as the same bytes, else its bytes in hex.
json textValue(const std::string& bytes, int codePage) {
    const Decoded decoded = DecodeFromFile(bytes, codePage);
    if (decoded.exact) {
        return Utf8FromUtf16(decoded.text);
    }
    return json{{"hex", hexOf(bytes)}};
}

// A damaged file can hold any index; it is shown as "?" with its number.
std::string nameAt(const std::vector<std::string>& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? list[static_cast<std::size_t>(index)]
               : std::string("?");
}

// An operator by name when the name says which one it is, else by index.
json slotValue(const std::vector<std::string>& names, int index, bool withIndices) {
    const std::string name = nameAt(names, index);
    if (withIndices) {
        return json::array({name, index});
    }
    const bool unique = !name.empty() &&
                        std::count_if(names.begin(), names.end(),
                                      [&](const std::string& n) { return sameName(n, name); }) == 1;
    return unique ? json(name) : json(index);
}

std::string clockText(const ClockValue& c) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}

json remoteControlValue(int value, bool withIndices) {
    const json shown = value == kSmsRemoteControlOff ? json("Off") : json(value);
    return withIndices ? json::array({shown, value}) : shown;
}

// A list entry by name; [name, index] for display.
json entry(const std::vector<std::string>& list, int index, bool withIndices) {
    const std::string name = nameAt(list, index);
    return withIndices ? json::array({name, index}) : json(name);
}

} // namespace

const char* LanguageName(int language) {
    return language >= 1 && language <= 9 ? kLanguageNames[static_cast<std::size_t>(language - 1)]
                                          : "unknown";
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
    Profile profile;
    profile.model = modelOf(root);
    const Object top(root, "",
                     {"model", "language", "tv_mode", "codePage", "camera_menu", "mms", "smtp"});
    const int language = languageOf(top, 2);
    const int tvMode = top.integer("tv_mode", 0, 0, 255);
    profile.codePage = codePageOf(top);
    const CameraModel model(profile.model);
    const Family family = model.family();
    if (!top.has("camera_menu") && !top.has("mms") && !top.has("smtp")) {
        throw ProfileError("profile: holds none of \"camera_menu\", \"mms\" and \"smtp\"");
    }
    if (top.has("camera_menu")) {
        profile.menu = menuOf(root.at("camera_menu"), family, language, tvMode, now);
    }
    if (top.has("mms")) {
        profile.mms =
            mmsOf(root.at("mms"), family, language, tvMode, profile.codePage, profile.mmsManual);
        checkTexts(*profile.mms, MmsTextFields(), "mms");
    }
    if (top.has("smtp")) {
        if (!model.hasEmail()) {
            throw ProfileError(std::string("smtp: the e-mail set-up needs an MG camera, not ") +
                               model.displayName());
        }
        profile.smtp =
            smtpOf(root.at("smtp"), family, language, profile.codePage, profile.smtpManual);
        checkTexts(*profile.smtp, SmtpTextFields(family), "smtp");
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

nlohmann::ordered_json MenuSection(const MenuSettings& s, bool withIndices) {
    nlohmann::ordered_json o;
    for (const MenuFieldInfo& field : MenuFields(s.family)) {
        if (SharesKeyWithPreviousRow(field.field)) {
            continue;
        }
        switch (field.field) {
        case MenuField::SerialCharacter1: {
            std::string chars;
            for (const int c : s.serialCharacters) {
                chars += nameAt(*field.entries, c);
            }
            o[field.key] = chars;
            break;
        }
        case MenuField::ClockYear:
            o[field.key] = clockText(s.clock);
            break;
        case MenuField::Language: // the profile's top level
        case MenuField::TvMode:
            break;
        default:
            if (field.isList()) {
                o[field.key] = entry(*field.entries, field.of(s), withIndices);
            } else {
                o[field.key] = field.of(s);
            }
        }
    }
    return o;
}

nlohmann::ordered_json MmsSection(const MmsSettings& s, int codePage, bool withIndices) {
    const SetupHeaderFields& f = SetupHeader(s.family);
    const bool manual = s.presetCountry == kManualCountry;
    nlohmann::ordered_json o;
    o["mode"] = entry(ApnModeList(), manual ? 1 : 0, withIndices);
    o[f.mmsStatus.key] = entry(*f.mmsStatus.entries, s.mmsSendMode, withIndices);
    o[PicturesPerDayField().key] = s.picturesPerDay;
    const OperatorPreset* preset = nullptr;
    if (!manual) {
        o[f.country.key] = entry(CountryList(), s.presetCountry, withIndices);
        o[f.op.key] = slotValue(OperatorNames(s.presetCountry, 2), s.presetOperator, withIndices);
        preset = LookUpOperatorPreset(s.presetCountry, s.presetOperator);
    }
    if (s.family == Family::Quill) {
        o[f.smsRemoteControl.key] = remoteControlValue(s.smsRemoteControl, withIndices);
    }
    o[f.connectionKind.key] = entry(*f.connectionKind.entries, s.connectionKind, withIndices);
    const std::array<std::pair<const char*, const std::string*>, 6> connection{{
        {"url", preset ? &preset->url : nullptr},
        {"apn", preset ? &preset->apn : nullptr},
        {"gateway", preset ? &preset->gateway : nullptr},
        {"port", preset ? &preset->port : nullptr},
        {"account", preset ? &preset->account : nullptr},
        {"password", preset ? &preset->password : nullptr},
    }};
    for (const auto& field : MmsTextFields()) {
        const std::string& value = s.*field.member;
        const auto known = std::find_if(connection.begin(), connection.end(), [&](const auto& c) {
            return std::string_view(c.first) == field.key;
        });
        // Connection texts equal to today's preset follow from the country and operator.
        if (!withIndices && known != connection.end() && known->second != nullptr &&
            *known->second == value) {
            continue;
        }
        o[field.key] = textValue(value, codePage);
        if (std::string_view(field.key) == "phone") {
            o[f.numberKind.key] = entry(*f.numberKind.entries, s.internationalNumbers, withIndices);
        }
    }
    return o;
}

nlohmann::ordered_json SmtpSection(const SmtpSettings& s, int codePage, bool withIndices) {
    const SmtpHeaderFields& f = SmtpHeader(s.family);
    const bool manual = s.countryIndex == kManualCountry;
    nlohmann::ordered_json o;
    o["mode"] = entry(ApnModeList(), manual ? 1 : 0, withIndices);
    o[PicturesPerDayField().key] = s.picturesPerDay;
    const GprsPreset* preset = nullptr;
    if (!manual) {
        o[f.country.key] = entry(CountryList(), s.countryIndex, withIndices);
        o[f.op.key] = slotValue(GprsOperatorNames(s.countryIndex), s.operatorIndex, withIndices);
        preset = LookUpGprsPreset(s.countryIndex, s.operatorIndex);
    }
    if (s.family == Family::Quill) {
        o[f.mmsSendMode.key] = entry(*f.mmsSendMode.entries, s.mmsSendMode, withIndices);
        o[f.smsRemoteControl.key] = remoteControlValue(s.smsRemoteControl, withIndices);
    }
    for (const auto& field : SmtpTextFields(s.family)) {
        const std::string& value = s.*field.member;
        if (!withIndices && preset != nullptr &&
            ((field.member == &SmtpSettings::apn && value == preset->apn) ||
             (field.member == &SmtpSettings::account && value == preset->account) ||
             (field.member == &SmtpSettings::gprsPassword && value == preset->password))) {
            continue;
        }
        o[field.key] = textValue(value, codePage);
    }
    return o;
}

} // namespace rosmossel::cli
