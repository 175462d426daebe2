#include "core/mms/mms_checks.h"
#include "core/text/messages.h"

#include <gtest/gtest.h>

#include <functional>

namespace rosmossel {
namespace {

struct CheckCase {
    const char* what;
    Family family;
    bool manual;
    std::function<void(MmsSettings&)> change;
    const char* expected; // English message, or nullptr when Generate may write
    MmsText text = {};    // the text the message is about
};

TEST(MmsChecks, FirstFailureInOrder) {
    const CheckCase cases[] = {
        {"defaults", Family::Quill, false, [](MmsSettings&) {}, "Phone & Email Error(0)",
         MmsText::Phone},
        {"SMS, everything empty", Family::Quill, false, [](MmsSettings& s) { s.mmsSendMode = 2; },
         nullptr},
        {"Sedge SMS is index 3", Family::Sedge, false, [](MmsSettings& s) { s.mmsSendMode = 3; },
         nullptr},
        {"Sedge QVGA takes the full table", Family::Sedge, false,
         [](MmsSettings& s) { s.mmsSendMode = 2; }, "Phone & Email Error(0)", MmsText::Phone},
        {"short phone", Family::Quill, false, [](MmsSettings& s) { s.phone = "1234"; },
         "Phone No. Error(01)", MmsText::Phone},
        {"short recipient 2", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "12345", s.recipient2 = "a@b"; }, "Phone No. Error(02)",
         MmsText::Recipient2},
        {"short recipient 3", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "12345", s.recipient3 = "1"; }, "Phone No. Error(03)",
         MmsText::Recipient3},
        {"letter in phone", Family::Quill, false, [](MmsSettings& s) { s.phone = "12a45"; },
         "Only numbers(+) are allowed phone number", MmsText::Phone},
        {"plus in domestic phone", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "+4912345"; }, "Only numbers(+) are allowed phone number",
         MmsText::Phone},
        {"plus in international phone", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "+4912345678901", s.internationalNumbers = 1; }, nullptr},
        {"e-mail recipient passes", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "12345", s.recipient2 = "a@b.c"; }, nullptr},
        {"odd recipient 2", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "12345", s.recipient2 = "12-345"; },
         "Please re-check the phone number or email address is entered correctly",
         MmsText::Recipient2},
        {"odd recipient 3", Family::Quill, false,
         [](MmsSettings& s) { s.phone = "12345", s.recipient3 = "abcde"; },
         "Please re-check the phone number or email address is entered correctly",
         MmsText::Recipient3},
        {"SMS: e-mail recipient refused", Family::Quill, false,
         [](MmsSettings& s) { s.mmsSendMode = 2, s.recipient2 = "a@b.cd"; },
         "Please re-check the phone number is entered correctly", MmsText::Recipient2},
        {"SMS: plus allowed in recipient", Family::Quill, false,
         [](MmsSettings& s) { s.mmsSendMode = 2, s.recipient3 = "+12345"; }, nullptr},
        {"email without @", Family::Quill, false, [](MmsSettings& s) { s.email = "ab.cd"; },
         "Email Error(@)", MmsText::Email},
        {"email without dot", Family::Quill, false, [](MmsSettings& s) { s.email = "ab@cd"; },
         "Email Error(.)", MmsText::Email},
        {"manual: URL", Family::Quill, true, [](MmsSettings& s) { s.email = "a@b.c"; },
         "URL Error(0)", MmsText::Url},
        {"manual: APN", Family::Quill, true, [](MmsSettings& s) { s.email = "a@b.c", s.url = "u"; },
         "APN Error(0)", MmsText::Apn},
        {"manual: gateway", Family::Quill, true,
         [](MmsSettings& s) { s.email = "a@b.c", s.url = "u", s.apn = "a"; }, "GateWay Error(0)",
         MmsText::Gateway},
        {"manual: port", Family::Quill, true,
         [](MmsSettings& s) { s.email = "a@b.c", s.url = "u", s.apn = "a", s.gateway = "1"; },
         "Port Error(0)", MmsText::Port},
        {"manual: gateway without dot", Family::Quill, true,
         [](MmsSettings& s) {
             s.email = "a@b.c", s.url = "u", s.apn = "a", s.gateway = "1", s.port = "8";
         },
         "GateWay Error(.)", MmsText::Gateway},
        {"manual: complete", Family::Quill, true,
         [](MmsSettings& s) {
             s.email = "a@b.c", s.url = "u", s.apn = "a", s.gateway = "1.2", s.port = "8";
         },
         nullptr},
        {"auto ignores connection fields", Family::Quill, false,
         [](MmsSettings& s) { s.email = "a@b.c"; }, nullptr},
    };
    for (const auto& c : cases) {
        MmsSettings s = DefaultMmsSettings(c.family);
        c.change(s);
        const auto failure = CheckMmsGenerate(s, c.manual);
        if (c.expected == nullptr) {
            EXPECT_FALSE(failure.has_value()) << c.what << ": " << failure->english;
        } else {
            ASSERT_TRUE(failure.has_value()) << c.what;
            EXPECT_EQ(failure->english, c.expected) << c.what;
            EXPECT_EQ(failure->text, c.text) << c.what;
        }
    }
}

TEST(MmsChecks, ChineseTexts) {
    MmsSettings s = DefaultMmsSettings(Family::Sedge);
    EXPECT_EQ(CheckMmsGenerate(s, false)->in(1), "手机号码和Email错误(0)");
    EXPECT_EQ(CheckMmsGenerate(s, false)->in(3), "Phone & Email Error(0)");
    s.email = "a@b";
    EXPECT_EQ(CheckMmsGenerate(s, false)->in(1), "Email 错误(.)");
}

TEST(FieldChecks, IntegerRange) {
    EXPECT_FALSE(CheckIntegerRange(1, 1, 60).has_value());
    EXPECT_FALSE(CheckIntegerRange(60, 1, 60).has_value());
    const auto low = CheckIntegerRange(0, 1, 60);
    ASSERT_TRUE(low.has_value());
    EXPECT_EQ(low->english, "Please enter an integer between 1 and 60!");
    EXPECT_EQ(low->chinese, "请输入一个介于1和60之间的值!");
    EXPECT_EQ(CheckIntegerRange(75, 0, 60)->english, "Please enter an integer between 0 and 60!");
    EXPECT_EQ(PictureCountRangePrompt(0, 99), "“请填入一个在0和99之间的整数。”");
}

TEST(FieldChecks, PhoneDigitsByModelAndNumberKind) {
    const struct {
        int international, model;
        std::size_t length;
        int limit; // 0 when accepted
    } cases[] = {
        {0, 1, 12, 11}, {0, 3, 12, 11}, {0, 2, 12, 0}, {0, 4, 13, 12},
        {1, 1, 32, 0},  {1, 2, 33, 32}, {1, 3, 20, 0}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto failure =
            CheckPhoneDigits(std::string(c.length, '5'), c.international, CameraModel(c.model));
        if (c.limit == 0) {
            EXPECT_FALSE(failure.has_value()) << c.model << " " << c.length;
        } else {
            ASSERT_TRUE(failure.has_value()) << c.model << " " << c.length;
            EXPECT_EQ(failure->english,
                      "The max allowable number of digits phone " + std::to_string(c.limit) + "!");
            EXPECT_EQ(failure->chinese, "最大允许手机号码位数 " + std::to_string(c.limit) + "!");
        }
    }
    // A stored model outside 1..4 refuses any first phone number.
    EXPECT_EQ(MaxPhoneDigits(0, CameraModel(7)), 0);
    EXPECT_TRUE(CheckPhoneDigits("1", 0, CameraModel(7)).has_value());
    EXPECT_EQ(MaxPhoneDigits(1, CameraModel(7)), 32);
}

} // namespace
} // namespace rosmossel
