#include "app/export_data.h"

#include <QFileInfo>
#include <QStringList>
#include <string>
#include <vector>

#include "app/headless_job.h"
#include "datawin/data_export.h"
#include "datawin/ledger_compare.h"

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
        for (int c = 0; c < dw::PhysicsColumnCount; ++c)
            if (name == QLatin1String(dw::physicsColumnName(dw::PhysicsColumn(c)))) {
                choice->physics[size_t(c)] = true;   // only by name: "all" is the page's nine
                found = dw::ColumnCount;
            }
        if (found == dw::ColumnCount)
            continue;
        if (found < 0) {
            *error = QStringLiteral("--columns: no column \"%1\" (see slidora --help)").arg(name);
            return false;
        }
        choice->columns[static_cast<size_t>(found)] = true;
    }
    return true;
}

// Where a run's set-up came from, for the row above its numbers.
std::string setUpName(const CommandLine& line)
{
    if (!line.experiment.isEmpty())
        return QFileInfo(line.experiment).fileName().toStdString();
    return line.catalogue ? "catalogue " + std::to_string(line.catalogue) : std::string("start-up");
}

// --compare: the first run's ledger and each compared file's, run the same way.
int exportComparison(const CommandLine& line, HeadlessJob& first, const dw::TableChoice& choice,
                     const dw::DataExport& e)
{
    std::vector<dw::NamedLedger> runs;
    const sim::SetupModel& m = first.setup.model();
    runs.push_back({"Run A", setUpName(line), dw::computeLedger(dw::runDataOf(*first.state, m), first.timeLineEnd)});
    for (const QString& path : line.compare) {
        CommandLine other = line;
        other.experiment = path;
        other.catalogue = 0;
        HeadlessJob job;
        if (const QString error = runJob(other, job); !error.isEmpty())
            return fail(error);
        const std::string name = std::string("Run ") + static_cast<char>('A' + runs.size());
        runs.push_back(
            {name, setUpName(other), dw::computeLedger(dw::runDataOf(*job.state, job.setup.model()), job.timeLineEnd)});
    }
    QString error;
    Output out(line.output);
    if (!out.open(&error))
        return fail(error);
    out.put(dw::writeSheet(dw::ledgersSideBySide(runs, choice.radians, m.lengthUnit()), e.format, e.fullPrecision));
    return out.finish();
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
    if (!line.compare.isEmpty())
        return exportComparison(line, job, choice, e);
    Output out(line.output);
    if (!out.open(&error))
        return fail(error);
    out.put(dw::exportText(run, choice, e, m.lengthUnit()));
    return out.finish();
}
