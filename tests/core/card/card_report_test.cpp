#include "core/card/card_report.h"
#include "core/text/card_texts.h"
#include "core/text/many_cards_texts.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(CardReportTest, CsvFieldsAreQuotedOnlyWhereASpreadsheetNeedsIt) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"", ""},
        {"CAMA", "CAMA"},
        {"a, b", "\"a, b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {"semi;colon", "semi;colon"},
        {"卡 A", "卡 A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    }
}

TEST(CardReportTest, HtmlEscapesEveryMarkupCharacter) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"plain", "plain"},
        {"<script>&", "&lt;script&gt;&amp;"},
        {"a\"b'c", "a&quot;b&#39;c"},
        {"&amp;", "&amp;amp;"},
        {"卡", "卡"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlEscaped(c.text), c.escaped) << c.text;
    }
}

HeldFile held(HeldFile::State state, std::string reason = {},
              std::vector<std::pair<std::string, std::string>> facts = {}) {
    HeldFile file;
    file.state = state;
    file.reason = std::move(reason);
    file.facts = std::move(facts);
    return file;
}

TEST(CardReportTest, AHeldFileReadsAsItsFactsEmptyOrWhyNot) {
    const struct {
        HeldFile file;
        int language;
        const char* text;
    } cases[] = {
        {held(HeldFile::State::Absent), 2, "empty"},
        {held(HeldFile::State::Absent), 1, "空"},
        {held(HeldFile::State::Unreadable, "Permission denied"), 2,
         "cannot be read: Permission denied"},
        {held(HeldFile::State::Read, {}, {{"family", "Quill"}, {"camera_mode", "Photo"}}), 3,
         "Familie: Quill; Kameramodus: Photo"},
        {held(HeldFile::State::Read, {}, {{"mms_mode", "Auto"}, {"recipients", "0770"}}), 1,
         "彩信模式: Auto; 收件人: 0770"},
        {held(HeldFile::State::Read, {}, {{"new_fact", "x"}}), 2, "new fact: x"},
        {held(HeldFile::State::Read, {}, {{"recipients", ""}}), 2, "recipients: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeldFileText(c.file, c.language), c.text) << c.text;
    }
}

Card card(std::string label) {
    return {"/media/ann/" + label, std::move(label), "FAT32",    7'948'206'080,
            7'400'000'000,         ReadOnly::No,     "/dev/sdb1"};
}

TEST(CardReportTest, CsvAndHtmlHoldOneRowPerCardInTheSameColumns) {
    const std::vector<CardReportRow> rows = {
        {card("CAMA"), {"family: Quill", "empty", "cannot be read: bad, \"old\""}},
        {card("<B>"), {"family: Sedge", "empty", "empty"}},
        {card(""), {"empty", "empty", "empty"}},
    };
    const std::string csv = CardReportCsv(rows, "2026-12-09", 2);
    const std::string size = CsvField(SizeText(7'948'206'080));
    const std::string free = CsvField(SizeText(7'400'000'000));
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "Date,Label,File system,Capacity,Free space,menu.dat,setup.dat,smtp.dat\r\n"
                   "2026-12-09,CAMA,FAT32," +
                       size + "," + free +
                       ",family: Quill,empty,\"cannot be read: bad, \"\"old\"\"\"\r\n"
                       "2026-12-09,<B>,FAT32," +
                       size + "," + free +
                       ",family: Sedge,empty,empty\r\n"
                       "2026-12-09," +
                       CsvField(CardLabelOf(card(""), 2)) + ",FAT32," + size + "," + free +
                       ",empty,empty,empty\r\n");

    const std::string html = CardReportHtml(rows, "2026-12-09", 2);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<tr><th>Date</th><th>Label</th>"), std::string::npos);
    EXPECT_NE(html.find("<td>&lt;B&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>cannot be read: bad, &quot;old&quot;</td>"), std::string::npos);
    EXPECT_EQ(html.find("<B>"), std::string::npos);
    std::size_t rowsFound = 0;
    for (std::size_t at = html.find("<tr>"); at != std::string::npos;
         at = html.find("<tr>", at + 1)) {
        ++rowsFound;
    }
    EXPECT_EQ(rowsFound, rows.size() + 1);
}

TEST(CardReportTest, TheHeaderIsInTheChosenLanguage) {
    EXPECT_EQ(CardReportHeader(1).front(), "日期");
    EXPECT_EQ(CardReportHeader(3)[2], "Dateisystem");
    EXPECT_EQ(CardReportHeader(99).front(), "Date");
}

} // namespace
} // namespace rosmossel
