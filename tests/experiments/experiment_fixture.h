#pragma once
// The Experiment box beside a table window, files in a scratch folder.
#include "table_fixture.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "experiments/catalogue.h"
#include "experiments/experiment_box.h"
#include "setup/puck_placer.h"

using exper::ExperimentRecord;
using F = ExperimentRecord::Field;

namespace {
struct Outcome {
    int status;
    QByteArray out, err;
};
[[maybe_unused]] Outcome slidora(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(SLIDORA_BINARY), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Each command line refused: exit 2, one line on standard error, no file.
[[maybe_unused]] void expectRefused(const QList<QStringList>& refused, const QString& out)
{
    for (const QStringList& args : refused) {
        const Outcome r = slidora(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}
}   // namespace

class ExperimentTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        box = std::make_unique<ExperimentBox>(*window, platform);
    }
    ExperimentRecord now() { return box->applier().makeRecord(); }
    QString path(const QString& name) { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name)
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void save(const QString& name, const QString& text)
    {
        c().Save1->trigger();
        box->memo()->setPlainText(text);
        platform.saveAnswers.push_back(path(name));
        box->loadSaveButton()->click();
    }
    void preview(const QString& name)
    {
        c().Load1->trigger();
        platform.openAnswers.push_back(path(name));
        box->loadSaveButton()->click();
    }
    void runEntry(int number)
    {
        box->showEntry(*exper::catalogueExperiment(number));
        box->cancelButton()->click();
    }

    QTemporaryDir dir;
    std::unique_ptr<ExperimentBox> box;
};
