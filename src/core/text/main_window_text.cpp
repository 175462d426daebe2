#include "core/text/main_window_text.h"

#include <algorithm>

namespace rosmossel {
namespace {

constexpr int kLanguageCount = static_cast<int>(kLanguages.size());

constexpr MainCaptions kEnglishCaptions = {"Camera Setup", "MMS Setup",
                                           "Smtp Setup",   "Select Language",
                                           "Camera Model", "Click here to get the latest updates"};

// Indexed by language - 1.
constexpr std::array<MainCaptions, kLanguageCount> kCaptions = {{
    {"相机设置", "彩信设置", "SMTP设置", "选择语言", "机器型号", "获取最新版本程序更新"},
    kEnglishCaptions,
    {"Kamera Installation", "MMS Installation", kEnglishCaptions.smtpSetup,
     kEnglishCaptions.selectLanguage, kEnglishCaptions.cameraModel, kEnglishCaptions.update},
    {"kamera-asetukset", "MMS valikot", kEnglishCaptions.smtpSetup, kEnglishCaptions.selectLanguage,
     kEnglishCaptions.cameraModel, "paina tasta saadaksesi uusimmat paivitykset"},
    {"Setup camera", "impost. MMS", kEnglishCaptions.smtpSetup, kEnglishCaptions.selectLanguage,
     kEnglishCaptions.cameraModel, kEnglishCaptions.update},
    {"Reglage camera", "Reglage MMS", kEnglishCaptions.smtpSetup, kEnglishCaptions.selectLanguage,
     kEnglishCaptions.cameraModel, kEnglishCaptions.update},
    {"Kamera beallita", "MMS beol.", kEnglishCaptions.smtpSetup, kEnglishCaptions.selectLanguage,
     kEnglishCaptions.cameraModel, kEnglishCaptions.update},
    {"Nast. kamere", "Nastavi MMS", kEnglishCaptions.smtpSetup, kEnglishCaptions.selectLanguage,
     kEnglishCaptions.cameraModel, kEnglishCaptions.update},
    {"Nastaveni", "Nastaveni MMS", "Nastaveni Smtp", "Zvolit Jazyk", "Fotopast Model",
     "Stisknete pro update"},
}};

} // namespace

const MainCaptions& MainWindowCaptions(int language) {
    if (language < 1 || language > kLanguageCount) {
        return kCaptions[1];
    }
    return kCaptions[static_cast<std::size_t>(language - 1)];
}

const char* ProjectVersion() {
    return ROSMOSSEL_VERSION;
}

std::string ShownVersion(std::string_view version) {
    const std::size_t lastDot = version.rfind('.');
    const std::size_t lastStart = lastDot == std::string_view::npos ? 0 : lastDot + 1;
    std::string shown(version.substr(0, lastStart));
    shown.append(3 - std::min<std::size_t>(3, version.size() - lastStart), '0');
    shown.append(version.substr(lastStart));
    return shown;
}

const char* VersionLine(int language) {
    static const std::string chinese = "程序版本:" + ShownVersion(ProjectVersion());
    static const std::string other = "Version:" + ShownVersion(ProjectVersion());
    return language == 1 ? chinese.c_str() : other.c_str();
}

const char* FirstLanguageEntry(int currentLanguage) {
    const LanguageInfo& chinese = LanguageRow(kChinese);
    return currentLanguage == chinese.number ? chinese.nativeName : chinese.englishName;
}

int LanguageComboIndex(int currentLanguage, int chineseChosen) {
    if (currentLanguage == 1) {
        return 0;
    }
    if (currentLanguage == kEnglish) {
        return chineseChosen == 1 ? 0 : 1;
    }
    if (currentLanguage < 1 || currentLanguage > kLanguageCount) {
        return -1;
    }
    return currentLanguage - 1;
}

LanguageChange ChangeLanguage(int index, int chineseSystem) {
    if (index == 0) {
        return {chineseSystem == 1 ? 1 : 2, 1, 1};
    }
    return {index + 1, 0, index + 1};
}

int ModelComboIndex(int currentModel) {
    return CameraModel(currentModel).known() ? currentModel - 1 : -1;
}

} // namespace rosmossel
