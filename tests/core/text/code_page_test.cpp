#include "core/text/code_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace rosmossel {
namespace {

// The same table runs on Linux (glibc's iconv) and as a Windows program under
// Wine (WideCharToMultiByte): both must store the same bytes.
TEST(CodePage, StoresWhatWindowsStoresAndRefusesTheRest) {
    struct Case {
        int codePage;
        std::u16string text;
        std::string bytes;
        std::optional<std::size_t> unstorableAt;
    };
    const Case cases[] = {
        {936, u"apn.example-1@x", "apn.example-1@x", {}},
        {936, u"\u4e2d\u56fd", "\xd6\xd0\xb9\xfa", {}},
        {936, u"a\u4e2d\u0e01", "", 2}, // Thai is no GBK
        {950, u"\u4e2d\u570b", "\xa4\xa4\xb0\xea", {}},
        {950, u"\u00e9", "", 0},
        {932, u"\u65e5\u672c", "\x93\xfa\x96\x7b", {}},
        {949, u"\ud55c\uad6d", "\xc7\xd1\xb1\xb9", {}},
        {1250, u"\u0150rz\u0151", "\xd5\x72\x7a\xf5", {}},
        {1251, u"\u0416\u0443\u043a", "\xc6\xf3\xea", {}},
        {1252,
         u"Gr\u00fc\u00dfe \u20ac",
         "Gr\xfc\xdf"
         "e \x80",
         {}},
        {1252, u"x\u0101", "", 1}, // never the best-fit 'a'
        {1252, u"\u4e2d", "", 0},
        {1253, u"\u03b1\u03b2", "\xe1\xe2", {}},
        {1254, u"\u011f", "\xf0", {}},
        {1255, u"\u05d0", "\xe0", {}},
        {1256, u"\u0639", "\xda", {}},
        {1257, u"\u0117", "\xeb", {}},
        {1258, u"\u01b0\u20ab", "\xfd\xfe", {}},
        {874, u"\u0e01", "\xa1", {}},
        {kUtf8CodePage, u"a\U0001F600", "a\xf0\x9f\x98\x80", {}},
        {kUtf8CodePage, u"ab\xd800", "", 2}, // a lone surrogate is no character
        {1252, u"\xdc00x", "", 0},
        {437, u"a", "", 0}, // not an ANSI code page: refused, never substituted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codePage);
        const Encoded encoded = EncodeForFile(c.text, c.codePage);
        EXPECT_EQ(encoded.unstorableAt, c.unstorableAt) << c.bytes;
        if (!c.unstorableAt) {
            EXPECT_EQ(encoded.bytes, c.bytes);
            const Decoded decoded = DecodeFromFile(c.bytes, c.codePage);
            EXPECT_EQ(decoded.text, c.text);
            EXPECT_TRUE(decoded.exact);
        }
    }
    // Bytes a card may hold that are no text of the code page.
    const std::pair<int, std::string> damaged[] = {
        {936, "a\x81"}, {932, "\x82"}, {kUtf8CodePage, "a\xff"}, {kUtf8CodePage, "\xc0\x80"}};
    for (const auto& [codePage, bytes] : damaged) {
        EXPECT_FALSE(DecodeFromFile(bytes, codePage).exact) << codePage;
    }
}

TEST(CodePage, LocalesUseWindowsAnsiCodePages) {
    const std::pair<const char*, int> cases[] = {
        {"zh_CN.UTF-8", 936},
        {"zh_SG", 936},
        {"zh_TW.Big5", 950},
        {"zh-HK", 950},
        {"ja_JP", 932},
        {"ko_KR", 949},
        {"cs_CZ", 1250},
        {"hu_HU", 1250},
        {"pl_PL", 1250},
        {"sk_SK", 1250},
        {"sl_SI", 1250},
        {"hr_HR", 1250},
        {"ro_RO", 1250},
        {"ru_RU", 1251},
        {"uk_UA", 1251},
        {"bg_BG", 1251},
        {"de_DE.UTF-8@euro", 1252},
        {"en_US", 1252},
        {"fr_FR", 1252},
        {"it_IT", 1252},
        {"es_ES", 1252},
        {"fi_FI", 1252},
        {"nl_NL", 1252},
        {"pt_BR", 1252},
        {"sv_SE", 1252},
        {"da_DK", 1252},
        {"nb_NO", 1252},
        {"C", 1252},
        {"POSIX", 1252},
        {"C.UTF-8", 1252},
        {"el_GR", 1253},
        {"tr_TR", 1254},
        {"he_IL", 1255},
        {"ar_EG", 1256},
        {"et_EE", 1257},
        {"lv_LV", 1257},
        {"lt_LT", 1257},
        {"vi_VN", 1258},
        {"th_TH", 874},
    };
    for (const auto& [locale, codePage] : cases) {
        EXPECT_EQ(CodePageOfLocale(locale), codePage) << locale;
        EXPECT_TRUE(IsSupportedCodePage(codePage)) << codePage;
    }
#ifndef _WIN32
    // LC_ALL decides before LANG, as for every other locale setting.
    ::setenv("LANG", "de_DE.UTF-8", 1);
    ::setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(SystemCodePage(), 936);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_CTYPE");
    EXPECT_EQ(SystemCodePage(), 1252);
#endif
}

} // namespace
} // namespace rosmossel
