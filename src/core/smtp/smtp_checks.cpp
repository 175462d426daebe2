#include "core/smtp/smtp_checks.h"

#include <string_view>

namespace rosmossel {
namespace {

bool tooShort(std::string_view text) {
    return text.size() < 2;
}

bool lacks(std::string_view text, char c) {
    return text.find(c) == std::string_view::npos;
}

const Message kApn{"GPRS APN", "请输入GPRS APN"};
const Message kServer{"Smtp Server", "请输入Smtp Server地址"};
const Message kPort{"Port", "请设置端口"};
const Message kEmail{"Please Input Email", "请输入Email"};
const Message kEmailAt{"Email Error(@)", "Email 错误(@)"};
const Message kEmailDot{"Email Error(.)", "Email 错误(.)"};
const Message kSenderPassword{"Sender Email Password", "请输入发送者邮箱密码"};

std::optional<Message> checkAddress(std::string_view address) {
    if (tooShort(address)) {
        return kEmail;
    }
    if (lacks(address, '@')) {
        return kEmailAt;
    }
    if (lacks(address, '.')) {
        return kEmailDot;
    }
    return std::nullopt;
}

} // namespace

std::optional<Message> CheckSmtpGenerate(const SmtpSettings& s, bool manualMode) {
    if (manualMode && tooShort(s.apn)) {
        return kApn;
    }
    if (tooShort(s.server)) {
        return kServer;
    }
    if (tooShort(s.port)) {
        return kPort;
    }
    if (auto failure = checkAddress(s.senderAddress)) {
        return failure;
    }
    if (tooShort(s.senderPassword)) {
        return kSenderPassword;
    }
    return checkAddress(s.recipient);
}

} // namespace rosmossel
