#include "datawin/data_export.h"

#include "datawin/ledger.h"

namespace dw {

std::string exportText(const RunData& run, const TableChoice& choice, const DataExport& e, const char* unit)
{
    if (e.content == ExportContent::Ledger)
        return writeSheet(ledgerSheet(computeLedger(run, choice.lastPosition), choice.radians, unit), e.format,
                          e.fullPrecision);
    TableChoice rows = choice;
    if (e.content == ExportContent::EverySample)
        rows.divisor = 1;
    if (e.format == SheetFormat::Tsv && !e.fullPrecision)
        return buildTableText(run, rows);
    return writeSheet(tableSheet(run, rows, unit), e.format, e.fullPrecision);
}

const char* formatSuffix(SheetFormat f)
{
    return f == SheetFormat::Tsv ? "tsv" : "csv";
}

}   // namespace dw
