// Data out of the program: the Before-and-After page, "Export Data..." and
// `slidora --export-data`, against what the data window shows and copies.
#include "experiments/experiment_fixture.h"

#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "datawin/data_window.h"
#include "datawin/export_dialog.h"
#include "datawin/graph_page.h"
#include "datawin/ledger_page.h"
#include "datawin/table_page.h"
#include "experiments/catalogue.h"
#include "experiments/experiment_record.h"

namespace {
// The fields of one CSV line, quotes undone.
QStringList csvFields(const QString& line, QChar separator)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted && ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (ch == separator && !quoted) {
            out << field;
            field.clear();
        } else {
            field += ch;
        }
    }
    return out << field;
}
}   // namespace

class DataExportTest : public ExperimentTest {
protected:
    void SetUp() override
    {
        ExperimentTest::SetUp();
        data = std::make_unique<DataWindow>(*window, platform);
    }
    // A catalogue entry run for `ticks`, paused, and the data window opened.
    void runAndShow(int entry, int ticks)
    {
        runEntry(entry);
        runAndPause(ticks);
        c().showbt->click();
    }
    QString copyAll()
    {
        data->tablePage().copyallbt->click();
        return platform.copiedTexts.last();
    }
    std::unique_ptr<DataWindow> data;
};

TEST_F(DataExportTest, EveryCatalogueEntryExportsWhatCopyAllDataCopies)
{
    for (int n = 1; n <= 17; ++n) {
        runAndShow(n, 60);
        const Outcome tsv =
            slidora({"--export-data", "--catalogue", QString::number(n), "--ticks", "60", "--format", "tsv"});
        ASSERT_EQ(tsv.status, 0) << n << tsv.err.toStdString();
        EXPECT_EQ(QString::fromLatin1(tsv.out), copyAll()) << "entry " << n;
    }
}

TEST_F(DataExportTest, TheCsvFormsReadBackToTheShownValues)
{
    for (int n : {3, 9, 13}) {
        const QStringList base = {"--export-data", "--catalogue", QString::number(n), "--ticks", "80",
                                  "--columns",     "all",         "--frequency",      "4"};
        const QStringList tsv = QString::fromLatin1(slidora(base + QStringList{"--format", "tsv"}).out).split('\n');
        const QStringList csv = QString::fromLatin1(slidora(base + QStringList{"--format", "csv"}).out).split('\n');
        const QStringList semi =
            QString::fromLatin1(slidora(base + QStringList{"--format", "csv-semicolon"}).out).split('\n');
        ASSERT_EQ(tsv.size(), csv.size()) << n;
        ASSERT_EQ(tsv.size(), semi.size()) << n;
        ASSERT_GT(tsv.size(), 5) << n;
        EXPECT_TRUE(csv[0].startsWith("time (s),red speed (cm/s),red angle (degrees)")) << csv[0].toStdString();
        for (int i = 1; i < tsv.size(); ++i) {
            const QStringList shown = tsv[i].split('\t');
            const QStringList a = csvFields(csv[i], ','), b = csvFields(semi[i], ';');
            ASSERT_EQ(shown.size(), a.size()) << n << " row " << i;
            ASSERT_EQ(shown.size(), b.size()) << n << " row " << i;
            for (int k = 0; k < shown.size(); ++k) {
                EXPECT_EQ(a[k], shown[k].trimmed()) << n << " row " << i;
                EXPECT_EQ(QString(b[k]).replace(',', '.'), shown[k].trimmed()) << n << " row " << i;
            }
        }
    }
    // the page's sentences with commas come back whole
    const QStringList ledger =
        QString::fromLatin1(slidora({"--export-data", "--catalogue", "9", "--ticks", "80", "--ledger"}).out)
            .split('\n');
    EXPECT_TRUE(ledger.contains("\"change of total momentum (x, y, size)\",0.00,0.00,0.00"));
    EXPECT_EQ(csvFields(ledger[1], ',').size(), 14);
}

TEST_F(DataExportTest, FullPrecisionAndBadArguments)
{
    const Outcome full = slidora({"--export-data", "--catalogue", "9", "--ticks", "30", "--every-sample", "--columns",
                                  "rspeed,rmom", "--full-precision"});
    const QStringList rows = QString::fromLatin1(full.out).trimmed().split('\n');
    ASSERT_EQ(rows.size(), 31);   // samples 1 to 30, as --export-trace writes them, and the header
    EXPECT_EQ(rows[0], "time (s),red speed (cm/s),red momentum (kg cm/s)");
    EXPECT_EQ(rows[2], "0.05,5,10");
    const QString out = path(QStringLiteral("out.csv"));
    const QList<QStringList> refused = {
        {"--export-data", "--frequency", "3", "--output", out},
        {"--export-data", "--columns", "rspeed,speed", "--output", out},
        {"--export-data", "--format", "xls", "--output", out},
        {"--export-data", "--ledger", "--every-sample", "--output", out},
        {"--export-trace", "--ledger", "--output", out},
        {"--export-data", "--export-trace", "--output", out},
        {"--export-data", "--experiment", path(QStringLiteral("none.col")), "--output", out},
    };
    expectRefused(refused, out);
    EXPECT_TRUE(slidora({"--help"}).out.contains("--export-data"));
}

TEST_F(DataExportTest, InvestigationsFromTheCommandLine)
{
    const Outcome sweep = slidora({"--investigate", "--catalogue", "4", "--vary", "mass1=1:3:0.5", "--measure",
                                   "speed1,speed2,energy-kept", "--ticks", "400", "--format", "tsv"});
    ASSERT_EQ(sweep.status, 0) << sweep.err.toStdString();
    const QStringList rows = QString::fromLatin1(sweep.out).trimmed().split('\n');
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], "red mass (kg)\tred speed after (cm/s)\tblack speed after (cm/s)\tkinetic energy kept (%)");
    EXPECT_TRUE(rows[3].startsWith("2.00\t")) << rows[3].toStdString();
    const QString out = path(QStringLiteral("sweep.csv"));
    const QList<QStringList> refused = {
        {"--investigate", "--vary", "mass9=1:2:0.5", "--measure", "speed1", "--output", out},
        {"--investigate", "--vary", "mass1=1:2", "--measure", "speed1", "--output", out},
        {"--investigate", "--vary", "mass1=1:x:0.5", "--measure", "speed1", "--output", out},
        {"--investigate", "--vary", "mass1=1:2:0.5", "--measure", "speed", "--output", out},
        {"--investigate", "--vary", "percent=0:100:10", "--measure", "speed1", "--output", out},
        {"--investigate", "--vary", "mass1=0.1:30:0.1", "--measure", "speed1", "--output", out},
        {"--investigate", "--vary", "mass1=1:2:0.5", "--output", out},
        {"--investigate", "--vary", "mass1=1:2:0.5", "--measure", "speed1", "--ledger", "--output", out},
        {"--export-data", "--vary", "mass1=1:2:0.5", "--output", out},
    };
    expectRefused(refused, out);
    EXPECT_TRUE(slidora({"--help"}).out.contains("angle-between"));
    // a refusal names what was typed, or the range the setting takes
    const struct {
        const char* vary;
        const char* says;
    } told[] = {
        {"mass1=0.5:6:inf", "--vary needs NAME=FROM:TO:STEP with plain numbers, not \"mass1=0.5:6:inf\""},
        {"mass1=nan:6:1", "--vary needs NAME=FROM:TO:STEP with plain numbers, not \"mass1=nan:6:1\""},
        {"mass1=1e1:20:1", "--vary needs NAME=FROM:TO:STEP with plain numbers, not \"mass1=1e1:20:1\""},
        {"mass2=18:25:1", "--vary: mass2 = 21.0 is out of its range: mass2 takes 0.1 kg to 20.0 kg"},
        {"spring-k=0:10:1", "--vary: spring-k is not used in this set-up"},
    };
    for (const auto& t : told) {
        const Outcome r = slidora({"--investigate", "--catalogue", "4", "--vary", t.vary, "--measure", "speed1"});
        EXPECT_EQ(r.err.toStdString(), std::string("slidora: ") + t.says + "\n");
    }
}

// --compare: the ledgers of several runs side by side, each the same numbers
// as its own --ledger export.
TEST_F(DataExportTest, LedgersOfSeveralRunsSideBySide)
{
    for (const int k : {14, 15}) {
        const exper::ParameterParse p = exper::parseParameterText(exper::catalogueExperiment(k)->parameterText());
        write(QStringLiteral("%1.col").arg(k), QByteArray::fromStdString(exper::writeExperimentFile({"x"}, *p.record)));
    }
    const QString b = path(QStringLiteral("15.col")), c = path(QStringLiteral("14.col"));
    const QStringList rows =
        QString::fromLatin1(
            slidora({"--export-data", "--catalogue", "14", "--ledger", "--compare", b, "--compare", c}).out)
            .trimmed()
            .split('\n');
    ASSERT_GE(rows.size(), 25);
    EXPECT_EQ(rows[0], "quantity,Run A before,Run A after,Run B before,Run B after,Run C before,Run C after");
    EXPECT_EQ(rows[1], "set-up,catalogue 14,,15.col,,14.col,");
    const auto row = [&](const char* name) {
        for (const QString& r : rows)
            if (csvFields(r, ',')[0] == QLatin1String(name))
                return csvFields(r, ',');
        return QStringList();
    };
    EXPECT_EQ(row("coefficient of restitution"),
              QStringList({"coefficient of restitution", "", "1.00", "", "0.50", "", "1.00"}));
    // Run B's numbers are those of its own ledger
    const QStringList alone =
        QString::fromLatin1(slidora({"--export-data", "--experiment", b, "--ledger"}).out).split('\n');
    const QStringList red = csvFields(alone[1], ',');   // red: mass, then speed, direction, ... before and after
    EXPECT_EQ(row("red speed (cm/s)").mid(3, 2), QStringList({red[2], red[8]}));
    EXPECT_EQ(row("red momentum (kg cm/s)").mid(3, 2), QStringList({red[6], red[12]}));

    const QString out = path(QStringLiteral("out.csv"));
    const QList<QStringList> refused = {
        {"--export-data", "--compare", b, "--output", out},
        {"--export-data", "--ledger", "--compare", b, "--compare", b, "--compare", b, "--output", out},
        {"--export-data", "--ledger", "--compare", path(QStringLiteral("none.col")), "--output", out},
        {"--export-trace", "--compare", b, "--output", out},
    };
    expectRefused(refused, out);
}

// Kept runs stand beside this one on the Before-and-After page and in its export.
TEST_F(DataExportTest, AKeptRunStandsBesideThisOne)
{
    runAndShow(14, 200);
    data->keepRun->trigger();
    EXPECT_FALSE(data->ledgerPage().comparegrid->isHidden());
    EXPECT_TRUE(data->ledgerPage().beforegrid->isHidden());
    c().Resetbt->click();
    c().SemiElastic1->trigger();
    c().persb->setValue(50);
    runAndPause(200);
    c().showbt->click();
    // on the table the kept trace lies under this one, in a pale red
    const auto pale = [](Canvas& cv) {
        int n = 0;
        for (int y = 0; y < cv.height(); ++y)
            for (int x = 0; x < cv.width(); ++x)
                n += cv.pixel(x, y) == qRgb(255, 160, 160);
        return n;
    };
    EXPECT_GT(pale(image()), 20);
    data->tabs()->setCurrentIndex(1);   // and on the graph, its series in a lighter shade
    EXPECT_GT(pale(data->graphPage().canvas()), 5);
    QTableWidget* grid = data->ledgerPage().comparegrid;
    ASSERT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Run A before");
    EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), "This run after");
    EXPECT_TRUE(grid->horizontalHeaderItem(2)->toolTip().endsWith(", elastic"));
    EXPECT_EQ(grid->item(29, 2)->text(), "1.00");   // the coefficient of restitution of each, after the impulses
    EXPECT_EQ(grid->item(29, 4)->text(), "0.50");
    EXPECT_EQ(grid->item(23, 0)->text(), "impulse on red x");
    platform.saveAnswers.push_back(path(QStringLiteral("both.csv")));
    platform.onModal = [](QDialog& d) {
        auto* dialog = qobject_cast<ExportDialog*>(&d);
        dialog->ledgerrb->setChecked(true);
        dialog->csvrb->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    data->exportData->trigger();
    EXPECT_TRUE(read(QStringLiteral("both.csv")).startsWith("quantity,Run A before,Run A after,This run before"));
    data->clearKept->trigger();
    EXPECT_EQ(pale(image()), 0);
    EXPECT_EQ(pale(data->graphPage().canvas()), 0);
    EXPECT_FALSE(data->ledgerPage().beforegrid->isHidden());
    EXPECT_TRUE(data->ledgerPage().comparegrid->isHidden());
}

// After --ticks N both exports hold samples 1 to N with the same numbers.
TEST_F(DataExportTest, EverySampleAndTheTraceDescribeTheSameRun)
{
    for (const char* entry : {"3", "14"}) {
        const QStringList trace =
            QString::fromLatin1(slidora({"--export-trace", "--catalogue", entry, "--ticks", "50"}).out)
                .trimmed()
                .split('\n');
        const QStringList data =
            QString::fromLatin1(slidora({"--export-data", "--catalogue", entry, "--ticks", "50", "--every-sample",
                                         "--columns", "rspeed,bspeed", "--full-precision"})
                                    .out)
                .trimmed()
                .split('\n');
        ASSERT_EQ(trace.size(), 51) << entry;
        ASSERT_EQ(data.size(), 51) << entry;
        for (int i = 1; i <= 50; ++i) {
            const QStringList t = trace[i].split(','), d = data[i].split(',');
            EXPECT_EQ(d[1], t[5]) << entry << " sample " << i;
            EXPECT_EQ(d[2], t[7]) << entry << " sample " << i;
        }
    }
}

TEST_F(DataExportTest, TheBeforeAndAfterPageFollowsTheTimeBar)
{
    runAndShow(9, 80);   // a head-on collision of equal masses
    EXPECT_EQ(data->tabs()->tabText(3), "&Before and After");
    QTableWidget* grid = data->ledgerPage().summarygrid;
    auto cellOf = [&](const QString& label) {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 0) && grid->item(r, 0)->text() == label)
                return grid->item(r, 1) ? grid->item(r, 1)->text() : QString();
        return QStringLiteral("(missing)");
    };
    EXPECT_EQ(cellOf("collision"), "elastic");
    EXPECT_EQ(cellOf("coefficient of restitution"), "1.00");
    EXPECT_EQ(cellOf("kinetic energy after / before"), "100.0 %");
    // before: red 5.00 cm/s head on, 2 kg each
    QTableWidget* before = data->ledgerPage().beforegrid;
    EXPECT_EQ(before->item(0, 0)->text(), "red");
    EXPECT_EQ(before->item(0, 2)->text(), "5.00");
    EXPECT_EQ(before->item(2, 6)->text(), "10.00");   // the total momentum
    EXPECT_EQ(data->ledgerPage().aftergrid->item(1, 2)->text(), "5.00");   // black leaves at 5
    data->tablePage().tdsb->setValue(5);   // before the pucks touch
    EXPECT_EQ(cellOf("coefficient of restitution"), "-");
    EXPECT_EQ(grid->item(5, 2)->text(), "no contact");
    EXPECT_EQ(cellOf("collision"), "no collision");
    EXPECT_EQ(data->ledgerPage().aftergrid->item(1, 3)->text(), "-");   // black still at rest
    EXPECT_EQ(data->ledgerPage().whenlb->text(),
              "Before: the start of the run.  After: Time: 0.20 s (the Time bar of the Data page).");
    EXPECT_EQ(data->ledgerPage().unitslb->text(),
              "Speeds in cm/s (the total's is the centre of mass's), momenta in kg cm/s, energies in kg cm²/s².");
    data->ledgerPage().copybt->click();
    EXPECT_EQ(platform.copiedTexts.last().toStdString(),
              dw::writeSheet(data->ledgerPage().sheet(), dw::SheetFormat::Tsv, false));
    EXPECT_TRUE(platform.copiedTexts.last().startsWith("puck\tmass (kg)\tspeed before (cm/s)"));
}

TEST_F(DataExportTest, ExportDataWritesTheChosenFormAndRemembersIt)
{
    runAndShow(9, 80);
    bool offeredLocaleForm = false;
    platform.onModal = [&](QDialog& d) {
        auto* dialog = qobject_cast<ExportDialog*>(&d);
        if (!dialog)
            return 0;
        offeredLocaleForm =
            (formatForLocale() == dw::SheetFormat::Csv ? dialog->csvrb : dialog->semicolonrb)->isChecked();
        dialog->ledgerrb->setChecked(true);
        dialog->tsvrb->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    const QString file = path(QStringLiteral("ledger.tsv"));
    platform.saveAnswers.push_back(file);
    data->exportData->trigger();
    EXPECT_TRUE(offeredLocaleForm);
    data->ledgerPage().copybt->click();
    EXPECT_EQ(read(QStringLiteral("ledger.tsv")), platform.copiedTexts.last().toLatin1());

    // the last choice and folder are offered again
    bool offeredLast = false;
    platform.onModal = [&](QDialog& d) {
        auto* dialog = qobject_cast<ExportDialog*>(&d);
        offeredLast = dialog && dialog->ledgerrb->isChecked() && dialog->tsvrb->isChecked();
        dialog->tablerb->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    platform.saveAnswers.push_back(path(QStringLiteral("table.tsv")));
    data->exportData->trigger();
    EXPECT_TRUE(offeredLast);
    EXPECT_EQ(platform.saveStartedIn.last(), QFileInfo(file).absolutePath());
    EXPECT_EQ(read(QStringLiteral("table.tsv")), copyAll().toLatin1());

    // a folder that is not there: a message, no file
    platform.saveAnswers.push_back(path(QStringLiteral("gone/table.csv")));
    data->exportData->trigger();
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.messages.last().contains("table.csv"));
}

TEST_F(DataExportTest, ACommaDecimalLanguageGetsSemicolons)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(formatForLocale(), dw::SheetFormat::CsvSemicolon);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(formatForLocale(), dw::SheetFormat::Csv);
    QLocale::setDefault(before);
}

TEST_F(DataExportTest, ColourBlindFriendlyGraphsUseMarkersAndLines)
{
    runAndShow(9, 80);
    GraphPage& graph = data->graphPage();
    graph.drawcb->setCurrentIndex(3);   // red and black
    graph.drawGraph();
    const QImage plain = graph.canvas().image().copy();
    c().letterMarks1->trigger();
    data->activate();
    graph.drawGraph();
    const QImage marked = graph.canvas().image().copy();
    EXPECT_NE(marked, plain);
    // the black series' squares and dotted line hold more black than its dots did
    auto blackCount = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += QColor(img.pixel(x, y)) == QColor(Qt::black);
        return n;
    };
    EXPECT_GT(blackCount(marked), blackCount(plain));
}
