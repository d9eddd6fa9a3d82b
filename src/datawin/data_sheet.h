#pragma once
// A sheet of the run's numbers, and its text for the clipboard or a
// spreadsheet: the data table, every sample, or the Before-and-After page.

#include <string>
#include <vector>

namespace dw {

// A number with the rounding it is shown with, or a word.
struct Cell {
    double value = 0.0;
    signed char width = 4, decimals = 2;
    bool number = true;
    std::string text;   // when not a number

    static Cell of(double v, int w = 4, int d = 2)
    {
        return {v, static_cast<signed char>(w), static_cast<signed char>(d), true, {}};
    }
    static Cell word(std::string t) { return {0.0, 0, 0, false, std::move(t)}; }
};

struct Sheet {
    std::vector<std::string> header;
    std::vector<std::vector<Cell>> rows;
};

enum class SheetFormat {
    Csv,   // comma separated, point decimal
    CsvSemicolon,   // semicolon separated, comma decimal
    Tsv,   // TAB separated, as the data table is copied
};

// Every line ends in '\n'. Shown rounding writes numbers as the page shows
// them (padded in TSV, trimmed in CSV); full precision writes the shortest
// text that reads back to the same double. CSV fields holding the separator, a quote or a line end are quoted.
std::string writeSheet(const Sheet& sheet, SheetFormat format, bool fullPrecision);

}   // namespace dw
