#include "core/text/locale_table.h"

#include <algorithm>
#include <array>
#include <string>

namespace rosmossel {
namespace {

// The first row of each language is its main territory. Languages without
// their own Windows identifier here are listed for their code page.
constexpr std::array kLocales = std::to_array<LocaleInfo>({
    {"zh_CN", 2052, 936},  {"zh_TW", 1028, 950},  {"zh_HK", 3076, 950},  {"zh_SG", 4100, 936},
    {"zh_MO", 5124, 950},  {"en_US", 1033, 1252}, {"en_GB", 2057, 1252}, {"en_AU", 3081, 1252},
    {"en_CA", 4105, 1252}, {"en_NZ", 5129, 1252}, {"en_IE", 6153, 1252}, {"de_DE", 1031, 1252},
    {"de_CH", 2055, 1252}, {"de_AT", 3079, 1252}, {"de_LU", 4103, 1252}, {"de_LI", 5127, 1252},
    {"fi_FI", 1035, 1252}, {"it_IT", 1040, 1252}, {"it_CH", 2064, 1252}, {"fr_FR", 1036, 1252},
    {"fr_BE", 2060, 1252}, {"fr_CA", 3084, 1252}, {"fr_CH", 4108, 1252}, {"fr_LU", 5132, 1252},
    {"hu_HU", 1038, 1250}, {"sl_SI", 1060, 1250}, {"cs_CZ", 1029, 1250}, {"nl_NL", 1043, 1252},
    {"nl_BE", 2067, 1252}, {"es_ES", 3082, 1252}, {"pt_BR", 1046, 1252}, {"pt_PT", 2070, 1252},
    {"sv_SE", 1053, 1252}, {"da_DK", 1030, 1252}, {"nb_NO", 1044, 1252}, {"pl_PL", 1045, 1250},
    {"sk_SK", 1051, 1250}, {"ru_RU", 1049, 1251}, {"ja_JP", 1041, 932},  {"ko_KR", 1042, 949},
    {"hr_HR", 0, 1250},    {"ro_RO", 0, 1250},    {"bs_BA", 0, 1250},    {"sq_AL", 0, 1250},
    {"uk_UA", 0, 1251},    {"bg_BG", 0, 1251},    {"be_BY", 0, 1251},    {"sr_RS", 0, 1251},
    {"mk_MK", 0, 1251},    {"el_GR", 0, 1253},    {"tr_TR", 0, 1254},    {"az_AZ", 0, 1254},
    {"he_IL", 0, 1255},    {"ar_SA", 0, 1256},    {"fa_IR", 0, 1256},    {"ur_PK", 0, 1256},
    {"et_EE", 0, 1257},    {"lv_LV", 0, 1257},    {"lt_LT", 0, 1257},    {"vi_VN", 0, 1258},
    {"th_TH", 0, 874},
});

std::string_view languageOf(std::string_view name) {
    return name.substr(0, name.find('_'));
}

} // namespace

const LocaleInfo* FindLocale(std::string_view name) {
    // "zh_CN.UTF-8@euro" and "zh-CN" both name zh_CN.
    std::string key(name.substr(0, name.find_first_of(".@")));
    std::replace(key.begin(), key.end(), '-', '_');
    const auto own = std::ranges::find(kLocales, std::string_view(key), &LocaleInfo::name);
    if (own != kLocales.end()) {
        return &*own;
    }
    const std::string_view language = languageOf(key);
    const auto main = std::ranges::find_if(
        kLocales, [&](const LocaleInfo& row) { return languageOf(row.name) == language; });
    return main == kLocales.end() ? nullptr : &*main;
}

} // namespace rosmossel
