#include "core/text/messages.h"

#include "core/format/settings_files.h"

#include <cstdio>

namespace rosmossel {
namespace {

// printf-style formatting for the message patterns, which are fixed texts.
template <typename... Args> std::string format(const char* pattern, Args... args) {
    const int n = std::snprintf(nullptr, 0, pattern, args...);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, args...);
    return text;
}

} // namespace

std::string PictureCountRangePrompt(int min, int max) {
    return format("“请填入一个在%d和%d之间的整数。”", min, max);
}

std::optional<Message> CheckIntegerRange(int value, int min, int max) {
    if (min <= value && value <= max) {
        return std::nullopt;
    }
    return Message{format("Please enter an integer between %d and %d!", min, max),
                   format("请输入一个介于%d和%d之间的值!", min, max)};
}

int MaxPhoneDigits(int internationalNumbers, CameraModel model) {
    if (internationalNumbers == 1) {
        return 32;
    }
    if (!model.known()) {
        return 0;
    }
    return model.family() == Family::Quill ? 12 : 11;
}

std::optional<Message> CheckPhoneDigits(std::string_view text, int internationalNumbers,
                                        CameraModel model) {
    const int limit = MaxPhoneDigits(internationalNumbers, model);
    if (text.size() <= static_cast<std::size_t>(limit)) {
        return std::nullopt;
    }
    return Message{format("The max allowable number of digits phone %d!", limit),
                   format("最大允许手机号码位数 %d!", limit)};
}

Message CardConnectionNote(bool manualMode, bool presetDiffers) {
    return presetDiffers ? kCardConnectionOffPreset
           : manualMode  ? Message{}
                         : kCardConnectionFromPreset;
}

Message FileGeneratedMessage(std::string_view fileName, Family family) {
    const std::string name = FamilyCameraName(family);
    if (fileName == SettingsFile(FileKind::Mms).fileName) {
        return {name + " MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
                name + " MMS配置文件已生成"};
    }
    if (fileName == SettingsFile(FileKind::Smtp).fileName) {
        return {name + " SMTP configuration file has been generated", name + " SMTP配置文件已生成"};
    }
    return {name + " Configuration file is generated", name + " 相机菜单设置文件已经生成"};
}

Message FactoryMenuGeneratedMessage(Family family) {
    const std::string name = FamilyCameraName(family);
    return {name + " Camera menu factory settings file has been generated",
            name + " 相机菜单出厂设置文件已经生成"};
}

Message LoadCardSettingsQuestion(std::string_view fileName) {
    const std::string name(fileName);
    return Message{"This card already holds settings (" + name + "). Load them?",
                   "卡上已有设置文件(" + name + ")，是否载入？"};
}

Message WriteFailedMessage(const WriteError& error) {
    return Message{"Could not write " + error.path + ": " + error.reason,
                   "无法写入文件 " + error.path + "：" + error.reason};
}

Message ProfileSavedMessage(std::string_view path) {
    const std::string p(path);
    return Message{"The profile has been saved to " + p, "配置已保存到 " + p};
}

Message ProfileRefusedMessage(std::string_view path, std::string_view reason) {
    const std::string p(path);
    const std::string r(reason);
    return Message{"Could not use the profile " + p + ": " + r, "无法使用配置文件 " + p + "：" + r};
}

Message UnstorableCharacterMessage(std::string_view field, std::string_view character) {
    const std::string f(field);
    const std::string c(character);
    return Message{"The character \"" + c + "\" in " + f + " cannot be stored on the card",
                   f + "中的字符“" + c + "”无法存入设置文件"};
}

} // namespace rosmossel
