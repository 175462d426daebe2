#include "core/session/system_language_id.h"

#include <array>
#include <string>

#include "core/format/windows_text.h" // windows.h on Windows only

namespace rosmossel {
namespace {

struct LocaleId {
    std::string_view name;
    std::uint16_t id;
};

// The first entry of each language is its main territory.
constexpr std::array kLocaleIds = std::to_array<LocaleId>({
    {"zh_CN", 2052}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_SG", 4100}, {"zh_MO", 5124},
    {"en_US", 1033}, {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105}, {"en_NZ", 5129},
    {"en_IE", 6153}, {"de_DE", 1031}, {"de_CH", 2055}, {"de_AT", 3079}, {"de_LU", 4103},
    {"de_LI", 5127}, {"fi_FI", 1035}, {"it_IT", 1040}, {"it_CH", 2064}, {"fr_FR", 1036},
    {"fr_BE", 2060}, {"fr_CA", 3084}, {"fr_CH", 4108}, {"fr_LU", 5132}, {"hu_HU", 1038},
    {"sl_SI", 1060}, {"cs_CZ", 1029}, {"nl_NL", 1043}, {"nl_BE", 2067}, {"es_ES", 3082},
    {"pt_BR", 1046}, {"pt_PT", 2070}, {"sv_SE", 1053}, {"da_DK", 1030}, {"nb_NO", 1044},
    {"pl_PL", 1045}, {"sk_SK", 1051}, {"ru_RU", 1049}, {"ja_JP", 1041}, {"ko_KR", 1042},
});

constexpr std::uint16_t kUnitedStatesEnglish = 1033;

} // namespace

std::uint16_t LanguageIdFromLocaleName(std::string_view name) {
    // "zh_CN.UTF-8@euro" and "zh-CN" both name zh_CN.
    std::string key(name.substr(0, name.find_first_of(".@")));
    for (char& c : key) {
        if (c == '-') {
            c = '_';
        }
    }
    for (const LocaleId& entry : kLocaleIds) {
        if (entry.name == key) {
            return entry.id;
        }
    }
    const std::string language = key.substr(0, key.find('_'));
    for (const LocaleId& entry : kLocaleIds) {
        if (entry.name.substr(0, entry.name.find('_')) == language) {
            return entry.id;
        }
    }
    return kUnitedStatesEnglish;
}

#ifdef _WIN32
std::uint16_t WindowsSystemLanguageId() {
    return static_cast<std::uint16_t>(GetSystemDefaultLangID());
}
#endif

} // namespace rosmossel
