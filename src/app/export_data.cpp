#include "app/export_data.h"

#include <QStringList>

#include "app/headless_job.h"
#include "datawin/data_export.h"

namespace {

// The data table's columns from --columns; false with the message when a
// name is not one of them.
bool namedColumns(const QString& list, dw::TableChoice* choice, QString* error)
{
    if (list.isEmpty())
        return true;   // the window's own boxes
    if (list == QLatin1String("all")) {
        choice->columns.fill(true);
        return true;
    }
    choice->columns.fill(false);
    for (const QString& name : list.split(QLatin1Char(','))) {
        int found = -1;
        for (int c = 0; c < dw::ColumnCount; ++c)
            if (name == QLatin1String(dw::columnName(static_cast<dw::Column>(c))))
                found = c;
        if (found < 0) {
            *error = QStringLiteral("--columns: no column \"%1\" (see slidora --help)").arg(name);
            return false;
        }
        choice->columns[static_cast<size_t>(found)] = true;
    }
    return true;
}

}   // namespace

int exportData(const CommandLine& line)
{
    HeadlessJob job;
    if (const QString error = runJob(line, job); !error.isEmpty())
        return fail(error);
    const sim::SetupModel& m = job.setup.model();
    dw::TableChoice choice;
    QString error;
    if (!namedColumns(line.columns, &choice, &error))
        return fail(error);
    if (m.pushed())   // one block in 1-D: the window unchecks the black row
        for (dw::Column c : {dw::BSpeed, dw::BAngle, dw::BEnergy, dw::BMom})
            choice.columns[c] = false;
    const dw::RunData run = dw::runDataOf(*job.state, m);
    choice.radians = line.radians;
    choice.divisor = run.divisors[static_cast<size_t>(line.frequencyIndex)];
    choice.lastPosition = job.timeLineEnd;   // the data window's time bar at its end
    dw::DataExport e;
    e.content = line.ledger ? dw::ExportContent::Ledger
        : line.everySample  ? dw::ExportContent::EverySample
                            : dw::ExportContent::Table;
    dw::formatNamed(line.format.toStdString(), &e.format);   // checked by the command line
    e.fullPrecision = line.fullPrecision;
    Output out(line.output);
    if (!out.open(&error))
        return fail(error);
    out.put(dw::exportText(run, choice, e, m.lengthUnit()));
    return out.finish();
}
