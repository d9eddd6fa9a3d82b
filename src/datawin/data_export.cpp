#include "datawin/data_export.h"

#include "datawin/ledger.h"
#include "datawin/prediction_sheet.h"

namespace dw {

std::string exportText(const RunData& run, const TableChoice& choice, const DataExport& e, const char* unit,
                       const sim::PredictionTable* prediction)
{
    if (e.content == ExportContent::Ledger) {
        Sheet sheet = ledgerSheet(computeLedger(run, choice.lastPosition), choice.radians, unit);
        if (prediction)
            appendPrediction(sheet, *prediction, unit);
        return writeSheet(sheet, e.format, e.fullPrecision);
    }
    TableChoice rows = choice;
    if (e.content == ExportContent::EverySample) {
        // every sample up to and with the one the time bar shows, as the run's log has them
        rows.divisor = 1;
        rows.lastPosition = choice.lastPosition + 1;
    }
    if (e.format == SheetFormat::Tsv && !e.fullPrecision)
        return buildTableText(run, rows);
    return writeSheet(tableSheet(run, rows, unit), e.format, e.fullPrecision);
}

const char* formatSuffix(SheetFormat f)
{
    return f == SheetFormat::Tsv ? "tsv" : "csv";
}

namespace {
constexpr SheetFormat kFormats[] = {SheetFormat::Csv, SheetFormat::CsvSemicolon, SheetFormat::Tsv};
constexpr ExportContent kContents[] = {ExportContent::Table, ExportContent::EverySample, ExportContent::Ledger};

template <typename T, size_t N> bool named(const T (&all)[N], const char* (*nameOf)(T), std::string_view name, T* out)
{
    for (T v : all)
        if (name == nameOf(v)) {
            *out = v;
            return true;
        }
    return false;
}
}   // namespace

const char* formatName(SheetFormat f)
{
    switch (f) {
    case SheetFormat::CsvSemicolon: return "csv-semicolon";
    case SheetFormat::Tsv: return "tsv";
    case SheetFormat::Csv: break;
    }
    return "csv";
}

bool formatNamed(std::string_view name, SheetFormat* f)
{
    return named(kFormats, formatName, name, f);
}

const char* contentName(ExportContent c)
{
    switch (c) {
    case ExportContent::EverySample: return "every-sample";
    case ExportContent::Ledger: return "ledger";
    case ExportContent::Table: break;
    }
    return "table";
}

bool contentNamed(std::string_view name, ExportContent* c)
{
    return named(kContents, contentName, name, c);
}

}   // namespace dw
