#pragma once

// A report of the cards inserted and what each holds, one row per card, as a
// CSV a spreadsheet opens and as an HTML table. The cells are the texts the
// Cards window shows, so the report and the window agree.

#include "core/card/card.h"
#include "core/card/card_contents.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

struct CardReportRow {
    Card card;
    // One text per settings file, in the order of kSettingsFiles: its facts,
    // that it is absent, or why it could not be read.
    std::vector<std::string> files;
};

// The header cells and the cells of each row, in the report's column order:
// date, label, file system, capacity, free space, then one per settings file.
std::vector<std::string> CardReportHeader(int language);
std::vector<std::string> CardReportCells(const CardReportRow& row, std::string_view date,
                                         int language);

// One CSV field: quoted when it holds a comma, quote, CR or LF, with each
// quote doubled.
std::string CsvField(std::string_view text);
// UTF-8 with a byte order mark (spreadsheets then read it as UTF-8), CRLF
// after every record.
std::string CardReportCsv(std::span<const CardReportRow> rows, std::string_view date, int language);

// `text` with &, <, >, " and ' as entities.
std::string HtmlEscaped(std::string_view text);
// A whole UTF-8 HTML page holding the same table as the CSV.
std::string CardReportHtml(std::span<const CardReportRow> rows, std::string_view date,
                           int language);

} // namespace rosmossel
