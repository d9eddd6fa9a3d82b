// File > Lab Sheet: one PDF page whose words stay text and whose trace is a picture.
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/lab_sheet.h"
#include "app/session.h"
#include "app/session_runs.h"
#include "experiments/catalogue.h"
#include "experiments/challenge_dialog.h"
#include "experiments/experiment_box.h"
#include "private_settings.h"
#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/fake_platform.h"
#include "view/name_dialog.h"

namespace {
QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class LabSheetTest : public ::testing::Test {
protected:
    void entry(int k)
    {
        session.experiments().showEntry(*exper::catalogueExperiment(k));
        session.experiments().cancelOrOk();
    }
    // File > Lab Sheet into `name`, and its text as pdftotext reads it
    QString sheet(const QString& name)
    {
        pdf = dir.filePath(name);
        platform.saveAnswers.push_back(pdf);
        session.table().controls().labSheet1->trigger();
        return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
    PrivateSettings settings;
    QTemporaryDir dir;
    FakePlatform platform;
    Session session{platform, 100};
    QString pdf;
};
}   // namespace

TEST_F(LabSheetTest, TheSheetHoldsTheNameTheExperimentTheLedgerAndTheTrace)
{
    session.table().findChild<NameDialog*>()->nameField()->setText(QStringLiteral("Ada Lovelace"));
    entry(14);
    pauseAfter(session.table(), 200);
    const QString text = sheet(QStringLiteral("lab.pdf"));
    for (const char* words : {"Ada Lovelace", "TEC", "Before and after", "Answers"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words << "\n" << text.toStdString();
    // the ledger's numbers, as the page shows them: the red puck before the collision
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("red\\s+2\\.00\\s+5\\.00\\s+21\\.3"))))
        << text.toStdString();
    // the trace, three pixels to each of the window's, losslessly
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_TRUE(images.contains(QRegularExpression(QStringLiteral("image\\s+2277\\s+1101\\s+rgb.*\\bimage\\b"))))
        << images.toStdString();
}

// A zoom or a language makes the windows again: the sheet still names the experiment.
TEST_F(LabSheetTest, TheExperimentsWordsOutlastAZoom)
{
    entry(14);
    const QString before = sheet(QStringLiteral("before.pdf"));
    ASSERT_TRUE(before.contains(QLatin1String("TEC")));
    session.setZoom(125);
    EXPECT_EQ(sheet(QStringLiteral("zoomed.pdf")), before);
    session.setZoom(100);
}

TEST_F(LabSheetTest, APredictionIsOnTheSheetOnceRevealed)
{
    TableWindow& w = session.table();
    entry(9);
    w.controls().predictFirst1->trigger();
    pauseAfter(w, 200);   // held at the contact
    const QString held = sheet(QStringLiteral("held.pdf"));
    EXPECT_FALSE(held.contains(QLatin1String("Predicted and actual")));
    // black's speed after, 5.00 cm/s, is what the class predicts
    const QRegularExpression blackAfter(QStringLiteral("black\\s+2\\.00\\s+5\\.00"));
    EXPECT_FALSE(held.contains(blackAfter)) << held.toStdString();
    w.reveal();
    pauseAfter(w, 40);
    const QString text = sheet(QStringLiteral("predicted.pdf"));
    EXPECT_TRUE(text.contains(QLatin1String("Predicted and actual")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("black speed \\(cm/s\\)\\s+\\S+\\s+5\\.00"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(blackAfter)) << text.toStdString();
}

TEST_F(LabSheetTest, AChallengesSheetNamesItAndKeepsItsUnknown)
{
    entry(14);
    session.experiments().challengeDialog().setUp(sim::ChallengeKind::Mass, 3);   // the black puck: 5.7 kg
    pauseAfter(session.table(), 300);
    const QString text = sheet(QStringLiteral("challenge.pdf"));
    EXPECT_TRUE(text.contains(QLatin1String("Challenge \"mass\", seed 3"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1String("TEC")));
    const QRegularExpression unknown(QStringLiteral("(?<![\\d.])5\\.70?(?!\\d)"));
    EXPECT_FALSE(text.contains(unknown)) << text.toStdString();
    session.classroom().run(&sim::Classroom::revealChallenge);
    const QString revealed = sheet(QStringLiteral("revealed.pdf"));
    EXPECT_TRUE(revealed.contains(unknown)) << revealed.toStdString();
}

// The sheet's paper is the system's paper setting, A4 unless it says Letter,
// whatever language the windows speak (the C locale's paper is A4).
TEST_F(LabSheetTest, ThePaperIsTheSystemsPaper)
{
    EXPECT_EQ(paperFor(279, 216), QPageSize::Letter);
    EXPECT_EQ(paperFor(297, 210), QPageSize::A4);
    EXPECT_EQ(paperFor(0, 0), QPageSize::A4);
    qputenv("LC_PAPER", "C");
    qunsetenv("LC_ALL");
    EXPECT_EQ(systemPaper(), QPageSize::A4);
    entry(14);
    pauseAfter(session.table(), 20);
    sheet(QStringLiteral("paper.pdf"));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842"))))
        << info.toStdString();
}
