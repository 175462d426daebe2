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

Message LoadNoteMessage(LoadNote note, LoadedFrom from) {
    const bool card = from == LoadedFrom::Card;
    switch (note) {
    case LoadNote::None:
        break;
    case LoadNote::ClockKept:
        return card ? Message{"The camera clock is not taken from the card; the dialog keeps the "
                              "current time.",
                              "相机时间不从卡上载入，仍使用当前时间。"}
                    : Message{"The camera clock is not taken from the profile; the dialog keeps "
                              "the current time.",
                              "相机时间不从配置文件载入，仍使用当前时间。"};
    case LoadNote::ConnectionFromPreset:
        return card ? Message{"Its country and operator are selected; Generate writes their "
                              "built-in connection settings.",
                              "将选择卡上的国家和运营商，生成时写入其内置的连接设置。"}
                    : Message{"The profile's country and operator are selected; Generate writes "
                              "their built-in connection settings.",
                              "已选择配置文件中的国家和运营商，生成时写入其内置的连接设置。"};
    case LoadNote::ConnectionOffPreset:
        return card ? Message{"Its connection settings differ from the built-in ones for its "
                              "country and operator; they are loaded in manual mode.",
                              "卡上的连接设置与该国家和运营商的内置设置不同，将以手动模式载入。"}
                    : Message{
                          "The profile's connection settings differ from the built-in ones "
                          "for its country and operator; they are loaded in manual mode.",
                          "配置文件中的连接设置与该国家和运营商的内置设置不同，已以手动模式载入。"};
    }
    return {};
}

LoadNote ConnectionLoadNote(bool manualMode, bool presetDiffers) {
    return presetDiffers ? LoadNote::ConnectionOffPreset
           : manualMode  ? LoadNote::None
                         : LoadNote::ConnectionFromPreset;
}

Message FileGeneratedMessage(FileKind kind, Family family) {
    const std::string name = FamilyCameraName(family);
    const FileWording& wording = SettingsFile(kind).generated;
    return {name + wording.english, name + wording.chinese};
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

Message GuideMissingMessage(std::string_view places) {
    const std::string p(places);
    return Message{"The guide (guide.html) is not installed. It was looked for in: " + p,
                   "未安装使用指南(guide.html)。已查找的位置：" + p};
}

Message SaveProfileTitle(FileKind kind) {
    const FileWording& title = SettingsFile(kind).saveTitle;
    return {title.english, title.chinese};
}

Message SaveIntoProfileQuestion(std::string_view path, std::string_view fileName) {
    const std::string p(path);
    const std::string name(fileName);
    return {"The profile " + p + " already exists. Replace its settings for " + name +
                " with these and keep the rest of it?",
            "配置文件 " + p + " 已存在。是否用当前设置替换其中 " + name +
                " 的设置，并保留其余内容？"};
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

std::optional<Message> CheckEmailAddress(std::string_view address) {
    if (address.find('@') == std::string_view::npos) {
        return Message{"Email Error(@)", "Email 错误(@)"};
    }
    if (address.find('.') == std::string_view::npos) {
        return Message{"Email Error(.)", "Email 错误(.)"};
    }
    return std::nullopt;
}

Message UnstorableCharacterMessage(std::string_view field, std::string_view character) {
    const std::string f(field);
    const std::string c(character);
    return Message{"The character \"" + c + "\" in " + f + " cannot be stored on the card",
                   f + "中的字符“" + c + "”无法存入设置文件"};
}

} // namespace rosmossel
