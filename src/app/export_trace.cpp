#include "app/export_trace.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "experiments/catalogue.h"
#include "experiments/file_reading.h"
#include "experiments/record_setup.h"
#include "ui/safe_save.h"

namespace {

const char kUsage[] = "Usage: slidora [FILE.col]\n"
                      "       slidora --help | --version\n"
                      "       slidora --export-trace [--experiment FILE | --catalogue K] [--ticks N] [--output FILE]\n"
                      "\n"
                      "Without options Slidora opens its table window; with an experiment file\n"
                      "it opens the file in the Experiment box, ready to be confirmed with Yes.\n"
                      "\n"
                      "  --export-trace     run an experiment without a window and write its log as CSV:\n"
                      "                     tick, the pucks' centres, speeds and directions, and the\n"
                      "                     spring's compression, one row per tick\n"
                      "  --experiment FILE  the set-up of an experiment file (.col)\n"
                      "  --catalogue K      the set-up of built-in experiment K, 1 to 17 in menu order\n"
                      "  --ticks N          ticks to run, 1 to 9998 (default 9998)\n"
                      "  --speed S          computer speed: slow, medium or fast (default fast)\n"
                      "  --output FILE      where the CSV goes (default: standard output)\n"
                      "  --help             this text\n"
                      "  --version          the program's version\n";

int fail(const QString& what)
{
    std::fprintf(stderr, "slidora: %s\n", what.toLocal8Bit().constData());
    return 2;
}

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

void appendNumber(std::string& out, double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    out += buf;
}

}   // namespace

int runCommandLine(int argc, char** argv, QString* fileToOpen)
{
    bool exportTrace = false, help = false, version = false;
    QString positional;
    QString experiment, output;
    int catalogue = 0, ticks = 9998;
    QString speed = QStringLiteral("fast");
    bool haveCatalogue = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        auto value = [&](QString* v) {
            if (i + 1 >= argc)
                return false;
            *v = QString::fromLocal8Bit(argv[++i]);
            return true;
        };
        QString v;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help = true;
        } else if (a == QLatin1String("--version")) {
            version = true;
        } else if (a == QLatin1String("--export-trace")) {
            exportTrace = true;
        } else if (a == QLatin1String("--experiment")) {
            if (!value(&experiment) || experiment.isEmpty())
                return fail(QStringLiteral("--experiment needs a file name"));
        } else if (a == QLatin1String("--catalogue")) {
            bool ok = false;
            if (!value(&v) || (catalogue = v.toInt(&ok), !ok) || catalogue < 1 || catalogue > 17)
                return fail(QStringLiteral("--catalogue needs a number from 1 to 17, not \"%1\"").arg(v));
            haveCatalogue = true;
        } else if (a == QLatin1String("--ticks")) {
            bool ok = false;
            if (!value(&v) || (ticks = v.toInt(&ok), !ok) || ticks < 1 || ticks > 9998)
                return fail(QStringLiteral("--ticks needs a number from 1 to 9998, not \"%1\"").arg(v));
        } else if (a == QLatin1String("--speed")) {
            if (!value(&speed)
                || (speed != QLatin1String("slow") && speed != QLatin1String("medium")
                    && speed != QLatin1String("fast")))
                return fail(QStringLiteral("--speed needs slow, medium or fast, not \"%1\"").arg(speed));
        } else if (a == QLatin1String("--output")) {
            if (!value(&output) || output.isEmpty())
                return fail(QStringLiteral("--output needs a file name"));
        } else if (!a.startsWith(QLatin1Char('-')) && positional.isEmpty()) {
            positional = a;
        } else {
            return fail(QStringLiteral("unknown option \"%1\" (see slidora --help)").arg(a));
        }
    }
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (version) {
        std::printf("Slidora %s\n", SLIDORA_VERSION);
        return 0;
    }
    if (!positional.isEmpty()) {
        if (exportTrace)
            return fail(QStringLiteral("unknown argument \"%1\" (an export takes --experiment FILE)").arg(positional));
        *fileToOpen = positional;
    }
    if (!exportTrace) {
        if (!experiment.isEmpty() || haveCatalogue || !output.isEmpty())
            return fail(
                QStringLiteral("--experiment, --catalogue, --ticks, --speed and --output belong to --export-trace"));
        return -1;
    }
    if (!experiment.isEmpty() && haveCatalogue)
        return fail(QStringLiteral("--experiment and --catalogue cannot both be given"));

    // No window: the rules the window follows set the table up, and the
    // toolkit's own notes would only clutter the one line an error gets.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    if (!experiment.isEmpty()) {
        QString error;
        const std::optional<exper::ExperimentRecord> record = readExperiment(experiment, &error);
        if (!record)
            return fail(error);
        exper::applyRecord(setup.rules(), *s, setup, *record, exper::RecordSource::File);
    } else if (haveCatalogue) {
        const exper::ParameterParse p =
            exper::parseParameterText(exper::catalogueExperiment(catalogue)->parameterText());
        exper::applyRecord(setup.rules(), *s, setup, *p.record, exper::RecordSource::Catalogue);
    }
    setup.rules().chooseComputerSpeed(speed == QLatin1String("slow") ? 50 : speed == QLatin1String("medium") ? 25 : 10);
    // the time line stands at its first tick through a run
    sim::HeadlessRun run(*s, setup.model().mark(sim::ArrowsMark), 1);
    run.start();
    run.runThrough(ticks);

    // Row by row into the output: memory stays as it was however long the run.
    SafeSave file(output);
    if (!output.isEmpty() && !file.open())
        return fail(file.message());
    bool written = true;
    auto put = [&](const std::string& text) {
        if (output.isEmpty())
            written = written && std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        else
            file.write(text);
    };
    put("tick,redX,redY,blackX,blackY,redSpeed,redDirection,blackSpeed,blackDirection,compression\n");
    const sim::SampleLog& log = s->sampleLog;
    std::string row;
    row.reserve(512);
    for (int t = 1; t <= ticks; ++t) {
        const sim::PositionSample& p = log.positions[static_cast<size_t>(t)];
        const sim::VelocitySample& v = log.velocities[static_cast<size_t>(t)];
        row = std::to_string(t);
        for (double x : {p.redX, p.redY, p.blackX, p.blackY, v.redSpeed, v.redDirection, v.blackSpeed, v.blackDirection,
                         log.compression[static_cast<size_t>(t)]}) {
            row += ',';
            appendNumber(row, x);
        }
        row += '\n';
        put(row);
    }
    if (output.isEmpty())
        return written && std::fflush(stdout) == 0 ? 0 : fail(QStringLiteral("cannot write to standard output"));
    if (!file.commit())
        return fail(file.message());
    return 0;
}
