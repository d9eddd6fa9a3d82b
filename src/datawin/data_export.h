#pragma once
// What "Export Data..." and `slidora --export-data` write: one text for
// both, from the run and the data table's choices.

#include <string>
#include <string_view>

#include "datawin/data_sheet.h"
#include "datawin/run_data.h"
#include "datawin/table_text.h"
#include "engine/prediction.h"

namespace dw {

enum class ExportContent {
    Table,   // the data table's rows at its frequency
    EverySample,   // the same columns, every sample
    Ledger,   // the Before-and-After page, "after" at the time bar
};

struct DataExport {
    ExportContent content = ExportContent::Table;
    SheetFormat format = SheetFormat::Csv;
    bool fullPrecision = false;
};

// `unit` is the table window's length unit ("cm" or "m"). The table in TSV
// as shown is exactly what "Copy All Data" copies; every other form heads
// its columns with their units.
// `prediction`: Predict First's table, written under the ledger when given.
std::string exportText(const RunData& run, const TableChoice& choice, const DataExport& e, const char* unit,
                       const sim::PredictionTable* prediction = nullptr);

// The file name ending each format is saved with: "csv" or "tsv".
const char* formatSuffix(SheetFormat f);

// The names of the command line and the settings: "csv", "csv-semicolon",
// "tsv"; "table", "every-sample", "ledger". False for any other name.
const char* formatName(SheetFormat f);
bool formatNamed(std::string_view name, SheetFormat* f);
const char* contentName(ExportContent c);
bool contentNamed(std::string_view name, ExportContent* c);

}   // namespace dw
