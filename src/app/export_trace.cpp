#include "app/export_trace.h"

#include <cstdio>
#include <string>

#include "app/class_commands.h"
#include "app/command_line.h"
#include "app/export_data.h"
#include "app/export_image.h"
#include "app/export_investigation.h"
#include "app/headless_job.h"
#include "engine/numbers.h"
#include "experiments/challenge_setup.h"

namespace {

void appendNumber(std::string& out, double v)
{
    char buf[40];
    out.append(buf, static_cast<size_t>(num::formatShortest(buf, sizeof buf, v)));
}

// The run's log into the output in blocks of rows: memory stays as it was
// however long the run, and the file sees a few large writes.
int exportTrace(const CommandLine& line)
{
    HeadlessJob job;
    if (const QString error = runJob(line, job); !error.isEmpty())
        return fail(error);
    Output out(line.output);
    QString error;
    if (!out.open(&error))
        return fail(error);
    out.put("tick,redX,redY,blackX,blackY,redSpeed,redDirection,blackSpeed,blackDirection,compression\n");
    const sim::SampleLog& log = job.state->sampleLog;
    constexpr size_t kBlock = 64 * 1024;
    std::string rows;
    rows.reserve(kBlock + 512);
    for (int t = 1; t <= line.ticks; ++t) {
        const sim::PositionSample& p = log.positions[static_cast<size_t>(t)];
        const sim::VelocitySample& v = log.velocities[static_cast<size_t>(t)];
        rows += std::to_string(t);
        for (double x : {p.redX, p.redY, p.blackX, p.blackY, v.redSpeed, v.redDirection, v.blackSpeed, v.blackDirection,
                         log.compression[static_cast<size_t>(t)]}) {
            rows += ',';
            appendNumber(rows, x);
        }
        rows += '\n';
        if (rows.size() >= kBlock) {
            out.put(rows);
            rows.clear();
        }
    }
    out.put(rows);
    return out.finish();
}

// The teacher's key: no run of the window's, only the seeds' set-ups.
int exportChallengeKey(const CommandLine& line)
{
    const auto kind = sim::challengeKindNamed(line.challenge.toStdString());
    Output out(line.output);
    QString error;
    if (!kind || !out.open(&error))
        return fail(error);
    out.put(exper::challengeKey(*kind, line.seedFrom, line.seedTo));
    return out.finish();
}

}   // namespace

int runCommandLine(int argc, char** argv, CommandLine* result)
{
    CommandLine& line = *result;
    if (isClassCommand(argc, argv)) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return runClassCommand(argc, argv);
    }
    if (const QString error = readCommandLine(argc, argv, &line); !error.isEmpty())
        return fail(error);
    if (line.help) {
        std::fputs(kUsage, stdout);
        std::fputs(kClassUsage, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Slidora %s\n", SLIDORA_VERSION);
        return 0;
    }
    // no window: the toolkit's own notes would only clutter the one line an error gets
    if (line.exportTrace || line.exportData || line.investigate || line.challengeKey || line.exportImage
        || line.exportAnimation || line.labSheet)
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (line.exportTrace)
        return exportTrace(line);
    if (line.exportData)
        return exportData(line);
    if (line.investigate)
        return exportInvestigation(line);
    if (line.challengeKey)
        return exportChallengeKey(line);
    if (line.exportImage || line.exportAnimation)
        return exportImage(argc, argv, line);
    if (line.labSheet)
        return exportLabSheet(argc, argv, line);
    return -1;
}
