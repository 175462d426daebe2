#include "core/smtp/smtp_checks.h"

#include <gtest/gtest.h>

#include <functional>

namespace rosmossel {
namespace {

SmtpSettings complete() {
    SmtpSettings s = DefaultSmtpSettings(Family::Sedge);
    s.server = "smtp.example.org";
    s.port = "25";
    s.senderAddress = "me@example.org";
    s.senderPassword = "pw";
    s.recipient = "you@example.org";
    return s;
}

TEST(SmtpChecks, FirstFailureInOrder) {
    const struct {
        const char* what;
        bool manual;
        std::function<void(SmtpSettings&)> change;
        const char* english; // nullptr: generate may write
        const char* chinese;
        SmtpText text = {}; // the text the message is about
    } cases[] = {
        {"complete", false, [](SmtpSettings&) {}, nullptr, nullptr},
        {"auto mode needs no APN", false, [](SmtpSettings& s) { s.apn.clear(); }, nullptr, nullptr},
        {"a: manual APN", true, [](SmtpSettings& s) { s.apn = "x"; }, "GPRS APN", "请输入GPRS APN",
         SmtpText::Apn},
        {"b: server", false, [](SmtpSettings& s) { s.server = "s"; }, "Smtp Server",
         "请输入Smtp Server地址", SmtpText::Server},
        {"c: port", false, [](SmtpSettings& s) { s.port = "2"; }, "Port", "请设置端口",
         SmtpText::Port},
        {"c: two-character port passes", false, [](SmtpSettings& s) { s.port = "25"; }, nullptr,
         nullptr},
        {"d: sender", false, [](SmtpSettings& s) { s.senderAddress = "m"; }, "Please Input Email",
         "请输入Email", SmtpText::SenderAddress},
        {"e: sender @", false, [](SmtpSettings& s) { s.senderAddress = "me.org"; },
         "Email Error(@)", "Email 错误(@)", SmtpText::SenderAddress},
        {"f: sender dot", false, [](SmtpSettings& s) { s.senderAddress = "me@org"; },
         "Email Error(.)", "Email 错误(.)", SmtpText::SenderAddress},
        {"dot before @ passes", false, [](SmtpSettings& s) { s.senderAddress = "m.e@org"; },
         nullptr, nullptr},
        {"g: password", false, [](SmtpSettings& s) { s.senderPassword = "p"; },
         "Sender Email Password", "请输入发送者邮箱密码", SmtpText::SenderPassword},
        {"h: recipient", false, [](SmtpSettings& s) { s.recipient.clear(); }, "Please Input Email",
         "请输入Email", SmtpText::Recipient},
        {"i: recipient @", false, [](SmtpSettings& s) { s.recipient = "you.org"; },
         "Email Error(@)", "Email 错误(@)", SmtpText::Recipient},
        {"j: recipient dot", false, [](SmtpSettings& s) { s.recipient = "you@org"; },
         "Email Error(.)", "Email 错误(.)", SmtpText::Recipient},
        {"server before port", false, [](SmtpSettings& s) { s.server.clear(), s.port.clear(); },
         "Smtp Server", "请输入Smtp Server地址", SmtpText::Server},
        // Neighbours broken together: each check comes before the next.
        {"APN before server", true, [](SmtpSettings& s) { s.apn = "x", s.server = "s"; },
         "GPRS APN", "请输入GPRS APN", SmtpText::Apn},
        {"port before sender", false, [](SmtpSettings& s) { s.port = "2", s.senderAddress = "m"; },
         "Port", "请设置端口", SmtpText::Port},
        {"sender @ before its dot", false, [](SmtpSettings& s) { s.senderAddress = "meorg"; },
         "Email Error(@)", "Email 错误(@)", SmtpText::SenderAddress},
        {"sender before password", false,
         [](SmtpSettings& s) { s.senderAddress = "me@org", s.senderPassword = "p"; },
         "Email Error(.)", "Email 错误(.)", SmtpText::SenderAddress},
        {"password before recipient", false,
         [](SmtpSettings& s) { s.senderPassword = "p", s.recipient.clear(); },
         "Sender Email Password", "请输入发送者邮箱密码", SmtpText::SenderPassword},
        {"recipient @ before its dot", false, [](SmtpSettings& s) { s.recipient = "youorg"; },
         "Email Error(@)", "Email 错误(@)", SmtpText::Recipient},
    };
    for (const auto& c : cases) {
        SmtpSettings s = complete();
        s.apn = "internet";
        c.change(s);
        const auto failure = CheckSmtpGenerate(s, c.manual);
        if (c.english == nullptr) {
            EXPECT_FALSE(failure.has_value()) << c.what;
        } else {
            ASSERT_TRUE(failure.has_value()) << c.what;
            EXPECT_EQ(failure->english, c.english) << c.what;
            EXPECT_EQ(failure->chinese, c.chinese) << c.what;
            EXPECT_EQ(failure->text, c.text) << c.what;
        }
    }
}

} // namespace
} // namespace rosmossel
