#include "core/text/operator_texts.h"

namespace rosmossel {
namespace {

std::string lines(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += "\n" + item;
    }
    return text;
}

} // namespace

Message NoOperatorDatabaseMessage(const std::vector<std::string>& places,
                                  const std::vector<std::string>& problems) {
    Message message{
        "No carrier database (serviceproviders.xml) could be read. Install "
        "mobile-broadband-provider-info, or put the file into the configuration folder. "
        "Looked for:" +
            lines(places),
        "无法读取运营商数据库 (serviceproviders.xml)。请安装 mobile-broadband-provider-info，"
        "或将该文件放入配置目录。查找位置：" +
            lines(places)};
    if (!problems.empty()) {
        message.english += "\nNot usable:" + lines(problems);
        message.chinese += "\n无法使用：" + lines(problems);
    }
    return message;
}

Message PassedOverDatabaseNote(std::string_view problem) {
    return {"Not used: " + std::string(problem), "未使用：" + std::string(problem)};
}

Message OperatorValueRefusedMessage(std::string_view field) {
    const std::string name(field);
    return {"The database's value for " + name +
                " does not fit the field or holds a character that cannot be stored there. "
                "Nothing was filled in.",
            "数据库中的“" + name + "”值超出该栏的长度或含有无法保存的字符，未填入任何内容。"};
}

} // namespace rosmossel
