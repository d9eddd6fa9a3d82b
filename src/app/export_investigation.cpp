#include "app/export_investigation.h"

#include <QStringList>
#include <thread>

#include "app/headless_job.h"
#include "datawin/data_export.h"
#include "datawin/investigation.h"
#include "engine/exact_setup.h"

namespace {
// NAME=FROM:TO:STEP, the numbers plain decimals; false with the message.
bool readSweep(const QString& text, dw::Sweep* sweep, QString* error)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    const QStringList numbers = text.mid(eq + 1).split(QLatin1Char(':'));
    if (eq < 0 || !dw::varyNamed(text.left(eq).toStdString(), &sweep->vary)) {
        *error = QStringLiteral("--vary: no setting \"%1\" (see slidora --help)").arg(text.left(eq));
        return false;
    }
    double* into[3] = {&sweep->from, &sweep->to, &sweep->step};
    bool ok = numbers.size() == 3;
    for (int i = 0; ok && i < 3; ++i)   // no "inf", "nan" or exponents
        ok = sim::parseTyped(numbers[i].toStdString(), false, into[i]);
    if (!ok)
        *error = QStringLiteral("--vary needs NAME=FROM:TO:STEP with plain numbers, not \"%1\"").arg(text);
    return ok;
}

bool readMeasures(const QString& list, std::vector<dw::Measure>* measures, QString* error)
{
    for (const QString& name : list.split(QLatin1Char(','))) {
        dw::Measure m;
        if (!dw::measureNamed(name.toStdString(), &m)) {
            *error = QStringLiteral("--measure: no measure \"%1\" (see slidora --help)").arg(name);
            return false;
        }
        measures->push_back(m);
    }
    return true;
}
}   // namespace

int exportInvestigation(const CommandLine& line)
{
    dw::Sweep sweep;
    std::vector<dw::Measure> measures;
    QString error;
    if (!readSweep(line.vary, &sweep, &error) || !readMeasures(line.measures, &measures, &error))
        return fail(error);
    HeadlessJob job;
    if (const QString e = setUpJob(line, job); !e.isEmpty())
        return fail(e);
    const dw::BaseSetUp base{job.setup.model(), job.state.get()};
    dw::SweepError why = dw::SweepError::None;
    double refused = 0.0;
    const std::vector<double> values = dw::sweepValues(sweep, base, &why, &refused);
    if (values.empty())
        return fail(QStringLiteral("--vary: %1")
                        .arg(QString::fromStdString(dw::sweepErrorText(why, sweep.vary, refused, base.model))));
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const dw::Investigation inv = dw::investigate(base, sweep.vary, values, measures, line.ticks, cores);
    dw::SheetFormat format = dw::SheetFormat::Csv;
    dw::formatNamed(line.format.toStdString(), &format);   // checked by the command line
    Output out(line.output);
    if (!out.open(&error))
        return fail(error);
    out.put(dw::writeSheet(dw::investigationSheet(inv, sweep.vary, measures, job.setup.model()), format,
                           line.fullPrecision));
    return out.finish();
}
