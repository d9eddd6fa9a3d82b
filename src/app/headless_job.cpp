#include "app/headless_job.h"

#include <QByteArray>
#include <cstdio>
#include <optional>

#include "engine/headless_run.h"
#include "engine/run_physics.h"
#include "experiments/catalogue.h"
#include "experiments/file_reading.h"
#include "experiments/record_setup.h"

namespace {
// An experiment file's record, or the message the Experiment box would give.
std::optional<exper::ExperimentRecord> readExperiment(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!readExperimentBytes(path, &bytes, error))
        return std::nullopt;
    const exper::ExperimentFile file = exper::parseExperimentFile(std::string_view(bytes.constData(), bytes.size()));
    if (!file.record)
        *error = parseErrorMessage(path, *file.error);
    return file.record;
}
}   // namespace

QString runJob(const CommandLine& line, HeadlessJob& job)
{
    if (QString error = setUpJob(line, job); !error.isEmpty())
        return error;
    sim::HeadlessRun run(*job.state, job.setup.model().mark(sim::ArrowsMark));   // the time line stays at 1
    run.start();
    run.runThrough(line.ticks);
    job.timeLineEnd = run.lastShown();
    if (line.cmFrame) {
        if (!sim::hasCmFrame(job.setup.model()))
            return QStringLiteral("--frame cm needs two pucks, not on the circle");
        sim::seeFromCentreOfMass(*job.state, job.timeLineEnd);
    }
    return {};
}

QString setUpJob(const CommandLine& line, HeadlessJob& job)
{
    sim::SimState& s = *job.state;
    if (!line.experiment.isEmpty()) {
        QString error;
        const std::optional<exper::ExperimentRecord> record = readExperiment(line.experiment, &error);
        if (!record)
            return error;
        exper::applyRecord(job.setup.rules(), s, job.setup, *record, exper::RecordSource::File);
    } else if (line.catalogue != 0) {
        const exper::ParameterParse p =
            exper::parseParameterText(exper::catalogueExperiment(line.catalogue)->parameterText());
        exper::applyRecord(job.setup.rules(), s, job.setup, *p.record, exper::RecordSource::Catalogue);
    }
    job.setup.rules().chooseComputerSpeed(line.intervalMs);
    return {};
}

int fail(const QString& what)
{
    std::fprintf(stderr, "slidora: %s\n", what.toLocal8Bit().constData());
    return 2;
}

Output::Output(const QString& path) : path_(path), file_(path) {}

bool Output::open(QString* error)
{
    if (path_.isEmpty() || file_.open())
        return true;
    *error = file_.message();
    return false;
}

void Output::put(const std::string& text)
{
    if (path_.isEmpty())
        written_ = written_ && std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    else
        file_.write(text);
}

int Output::finish()
{
    if (path_.isEmpty())
        return written_ && std::fflush(stdout) == 0 ? 0 : fail(QStringLiteral("cannot write to standard output"));
    return file_.commit() ? 0 : fail(file_.message());
}
