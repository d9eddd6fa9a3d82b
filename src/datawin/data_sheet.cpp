#include "datawin/data_sheet.h"

#include <cstdio>

#include "engine/numbers.h"

namespace dw {

namespace {

struct Style {
    char separator;
    char decimal;
    bool padded;
};

Style styleOf(SheetFormat f)
{
    switch (f) {
    case SheetFormat::Csv: return {',', '.', false};
    case SheetFormat::CsvSemicolon: return {';', ',', false};
    default: return {'\t', '.', true};
    }
}

void appendField(std::string& out, const std::string& field, const Style& st)
{
    const bool quote =
        !st.padded && field.find_first_of(std::string{st.separator, '"', '\n', '\r'}) != std::string::npos;
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char ch : field) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

void appendNumber(std::string& out, const Cell& c, const Style& st, bool full)
{
    char buf[64];
    int n = full ? num::formatShortest(buf, sizeof buf, c.value)
                 : num::formatFixed(buf, sizeof buf, c.value, c.width, c.decimals);
    std::string wide;
    const char* text = buf;
    if (n <= 0 || n >= static_cast<int>(sizeof buf)) {
        wide = num::F(c.value, c.width, c.decimals);
        text = wide.c_str();
        n = static_cast<int>(wide.size());
    }
    int start = 0;
    if (!st.padded)
        while (start < n && text[start] == ' ')
            ++start;
    for (int i = start; i < n; ++i)
        out += text[i] == '.' ? st.decimal : text[i];
}

}   // namespace

std::string writeSheet(const Sheet& sheet, SheetFormat format, bool fullPrecision)
{
    const Style st = styleOf(format);
    std::string out;
    out.reserve((sheet.rows.size() + 1) * (sheet.header.size() * 10 + 2));
    for (size_t i = 0; i < sheet.header.size(); ++i) {
        if (i > 0)
            out += st.separator;
        appendField(out, sheet.header[i], st);
    }
    out += '\n';
    for (const std::vector<Cell>& row : sheet.rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += st.separator;
            if (row[i].number)
                appendNumber(out, row[i], st, fullPrecision);
            else
                appendField(out, row[i].text, st);
        }
        out += '\n';
    }
    return out;
}

}   // namespace dw
