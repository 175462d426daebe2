#include "core/smtp/smtp_checks.h"

#include <string_view>

namespace rosmossel {
namespace {

bool tooShort(std::string_view text) {
    return text.size() < 2;
}

const Message kApn{"GPRS APN", "请输入GPRS APN"};
const Message kServer{"Smtp Server", "请输入Smtp Server地址"};
const Message kPort{"Port", "请设置端口"};
const Message kEmail{"Please Input Email", "请输入Email"};
const Message kSenderPassword{"Sender Email Password", "请输入发送者邮箱密码"};

std::optional<SmtpProblem> checkAddress(std::string_view address, SmtpText text) {
    if (tooShort(address)) {
        return SmtpProblem{kEmail, text};
    }
    if (const auto problem = CheckEmailAddress(address)) {
        return SmtpProblem{*problem, text};
    }
    return std::nullopt;
}

} // namespace

std::optional<SmtpProblem> CheckSmtpGenerate(const SmtpSettings& s, bool manualMode) {
    if (manualMode && tooShort(s.apn)) {
        return SmtpProblem{kApn, SmtpText::Apn};
    }
    if (tooShort(s.server)) {
        return SmtpProblem{kServer, SmtpText::Server};
    }
    if (tooShort(s.port)) {
        return SmtpProblem{kPort, SmtpText::Port};
    }
    if (auto failure = checkAddress(s.senderAddress, SmtpText::SenderAddress)) {
        return failure;
    }
    if (tooShort(s.senderPassword)) {
        return SmtpProblem{kSenderPassword, SmtpText::SenderPassword};
    }
    return checkAddress(s.recipient, SmtpText::Recipient);
}

} // namespace rosmossel
