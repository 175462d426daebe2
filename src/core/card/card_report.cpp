#include "core/card/card_report.h"

#include "core/format/settings_files.h"
#include "core/text/card_texts.h"
#include "core/text/many_cards_texts.h"

namespace rosmossel {

std::vector<std::string> CardReportHeader(int language) {
    std::vector<std::string> header;
    for (const LanguageTexts* texts :
         {&kCardsDate, &kCardsLabel, &kCardsFileSystem, &kCardsCapacity, &kCardsFree}) {
        header.emplace_back(TextIn(*texts, language));
    }
    for (const auto& file : kSettingsFiles) {
        header.emplace_back(file.fileName);
    }
    return header;
}

std::vector<std::string> CardReportCells(const CardReportRow& row, std::string_view date,
                                         int language) {
    std::vector<std::string> cells = {std::string(date), CardLabelOf(row.card, language),
                                      row.card.fileSystem, SizeText(row.card.capacity),
                                      SizeText(row.card.freeSpace)};
    for (std::size_t i = 0; i < kSettingsFiles.size(); ++i) {
        cells.push_back(i < row.files.size() ? row.files[i] : std::string());
    }
    return cells;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

std::string CardReportCsv(std::span<const CardReportRow> rows, std::string_view date,
                          int language) {
    std::string csv = "\xEF\xBB\xBF";
    const auto record = [&csv](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            csv += (i == 0 ? "" : ",") + CsvField(cells[i]);
        }
        csv += "\r\n";
    };
    record(CardReportHeader(language));
    for (const CardReportRow& row : rows) {
        record(CardReportCells(row, date, language));
    }
    return csv;
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string CardReportHtml(std::span<const CardReportRow> rows, std::string_view date,
                           int language) {
    const std::string title = HtmlEscaped(TextIn(kCardsTitle, language));
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       title + " " + HtmlEscaped(date) + "</title>\n</head>\n<body>\n<h1>" + title +
                       "</h1>\n<table border=\"1\">\n";
    const auto record = [&html](const std::vector<std::string>& cells, const char* tag) {
        html += "<tr>";
        for (const std::string& cell : cells) {
            html += std::string("<") + tag + ">" + HtmlEscaped(cell) + "</" + tag + ">";
        }
        html += "</tr>\n";
    };
    record(CardReportHeader(language), "th");
    for (const CardReportRow& row : rows) {
        record(CardReportCells(row, date, language), "td");
    }
    return html + "</table>\n</body>\n</html>\n";
}

} // namespace rosmossel
