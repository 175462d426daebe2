#include "core/mms/mms_checks.h"

#include "core/mms/mms_rules.h"

#include <algorithm>
#include <string_view>

namespace rosmossel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Too short to be a number, but not empty.
bool tooShort(std::string_view text) {
    return !text.empty() && text.size() <= kLongestUnfinishedText;
}

bool hasNonDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return !isDigit(c); });
}

bool hasNeitherDigitNorPlus(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return !isDigit(c) && c != '+'; });
}

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// The first phone number holds digits only; an international number may start
// with anything (normally "+").
bool phoneHasForeignCharacter(const MmsSettings& s) {
    if (s.phone.size() <= kLongestUnfinishedText) {
        return false;
    }
    const std::string_view examined =
        s.internationalNumbers == 1 ? std::string_view(s.phone).substr(1) : s.phone;
    return hasNonDigit(examined);
}

const Message kPhoneAndEmail{"Phone & Email Error(0)", "手机号码和Email错误(0)"};
const Message kPhone01{"Phone No. Error(01)", "手机号码错误(01)"};
const Message kPhone02{"Phone No. Error(02)", "手机号码错误(02)"};
const Message kPhone03{"Phone No. Error(03)", "手机号码错误(03)"};
const Message kOnlyNumbers{"Only numbers(+) are allowed phone number", "手机号码只允许数字(+)"};
const Message kRecheckPhone{"Please re-check the phone number is entered correctly",
                            "请重新检查手机号码是否输入正确"};
const Message kRecheckPhoneOrEmail{
    "Please re-check the phone number or email address is entered correctly",
    "请重新检查手机号码或者email地址是否输入正确"};
const Message kUrl{"URL Error(0)", "彩信网址错误(0)"};
const Message kApn{"APN Error(0)", "APN 错误(0)"};
const Message kGateway{"GateWay Error(0)", "彩信网关错误(0)"};
const Message kPort{"Port Error(0)", "彩信端口错误(0)"};
const Message kGatewayDot{"GateWay Error(.)", "彩信网关错误(.)"};

constexpr MmsText kRecipients[] = {MmsText::Recipient2, MmsText::Recipient3};

std::string MmsSettings::*member(MmsText text) {
    return MmsTextFields()[static_cast<std::size_t>(text)].member;
}

} // namespace

std::optional<MmsProblem> CheckMmsGenerate(const MmsSettings& s, bool manualMode) {
    const bool smsOnly = s.mmsSendMode == SmsOnlyChoice(s.family);
    if (!smsOnly && s.phone.empty() && s.email.empty()) {
        return MmsProblem{kPhoneAndEmail, MmsText::Phone};
    }
    if (tooShort(s.phone)) {
        return MmsProblem{kPhone01, MmsText::Phone};
    }
    if (tooShort(s.recipient2)) {
        return MmsProblem{kPhone02, MmsText::Recipient2};
    }
    if (tooShort(s.recipient3)) {
        return MmsProblem{kPhone03, MmsText::Recipient3};
    }
    if (phoneHasForeignCharacter(s)) {
        return MmsProblem{kOnlyNumbers, MmsText::Phone};
    }
    if (smsOnly) {
        for (const MmsText recipient : kRecipients) {
            if (const std::string& text = s.*member(recipient);
                text.size() > kLongestUnfinishedText && hasNeitherDigitNorPlus(text)) {
                return MmsProblem{kRecheckPhone, recipient};
            }
        }
        return std::nullopt;
    }
    // A recipient with an "@" is an e-mail address and passes as it is.
    for (const MmsText recipient : kRecipients) {
        if (const std::string& text = s.*member(recipient); text.size() > kLongestUnfinishedText &&
                                                            !contains(text, '@') &&
                                                            hasNeitherDigitNorPlus(text)) {
            return MmsProblem{kRecheckPhoneOrEmail, recipient};
        }
    }
    if (const auto address = s.email.empty() ? std::nullopt : CheckEmailAddress(s.email)) {
        return MmsProblem{*address, MmsText::Email};
    }
    if (!manualMode) {
        return std::nullopt;
    }
    if (s.url.empty()) {
        return MmsProblem{kUrl, MmsText::Url};
    }
    if (s.apn.empty()) {
        return MmsProblem{kApn, MmsText::Apn};
    }
    if (s.gateway.empty()) {
        return MmsProblem{kGateway, MmsText::Gateway};
    }
    if (s.port.empty()) {
        return MmsProblem{kPort, MmsText::Port};
    }
    if (!contains(s.gateway, '.')) {
        return MmsProblem{kGatewayDot, MmsText::Gateway};
    }
    return std::nullopt;
}

} // namespace rosmossel
