#include "core/text/code_page.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(CodePage, AsciiIsStoredAsTyped) {
    const Encoded encoded = EncodeForFile(u"apn.example-1@x");
    EXPECT_EQ(encoded.bytes, "apn.example-1@x");
    EXPECT_FALSE(encoded.unstorableAt);
    EXPECT_EQ(DecodeFromFile("apn.example-1@x"), u"apn.example-1@x");
}

TEST(CodePage, Utf8OutsideWindows) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows stores the ANSI code page of the machine";
#else
    struct Case {
        std::u16string text;
        std::string bytes;
        std::optional<std::size_t> unstorableAt;
    };
    const Case cases[] = {
        {u"Zeme\u00e9", "Zeme\xc3\xa9", {}},
        {u"\u4e2d\u56fd", "\xe4\xb8\xad\xe5\x9b\xbd", {}},
        {u"a\U0001F600", "a\xf0\x9f\x98\x80", {}},
        {u"ab\xd800", "", 2}, // a lone surrogate is no character
        {u"\xdc00x", "", 0},
    };
    for (const Case& c : cases) {
        const Encoded encoded = EncodeForFile(c.text);
        EXPECT_EQ(encoded.unstorableAt, c.unstorableAt) << c.bytes;
        if (!c.unstorableAt) {
            EXPECT_EQ(encoded.bytes, c.bytes);
            EXPECT_EQ(DecodeFromFile(c.bytes), c.text);
        }
    }
    // Bytes a card may hold that are no UTF-8 show as replacement characters.
    const std::pair<std::string, std::u16string> damaged[] = {
        {"a\xff", u"a\ufffd"},
        {"\xc3", u"\ufffd"},
        {"\xe4\xb8", u"\ufffd\ufffd"},
        {"\xc0\x80", u"\ufffd\ufffd"},           // overlong
        {"\xed\xa0\x80", u"\ufffd\ufffd\ufffd"}, // a surrogate
    };
    for (const auto& [bytes, text] : damaged) {
        EXPECT_EQ(DecodeFromFile(bytes), text);
    }
#endif
}

} // namespace
} // namespace rosmossel
