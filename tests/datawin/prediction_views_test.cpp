// Predict First in the data window's numbers: nothing from the contact on
// reaches the table, the graph, the ledger or the side-by-side sheet, and
// the prediction's table as Copy and the export write it.
#include <gtest/gtest.h>

#include "datawin/data_export.h"
#include "datawin/graph_values.h"
#include "datawin/ledger.h"
#include "datawin/ledger_compare.h"
#include "datawin/prediction_sheet.h"
#include "datawin/table_text.h"
#include "head_on_run.h"

namespace {
struct Views {
    std::string table, ledger, compared;
    dw::GraphExtremes graph;
};

// What the pages would show of a run held at its contact, the bars at the run's end.
Views viewsOf(HeadOn& run)
{
    EXPECT_TRUE(run.runToTheOutcome());
    dw::RunData data = dw::runDataOf(*run.s, run.setup.model());
    data.interaction = sim::Interaction::Elastic;   // the mode's own note is no outcome
    data.hiddenFrom = run.p.hiddenFrom();
    const int end = run.s->timeLineEnd + 1;
    dw::TableChoice all;
    all.columns.fill(true);
    all.lastPosition = end + 1;
    const dw::Ledger l = dw::computeLedger(data, end);
    return {dw::buildTableText(data, all), dw::writeSheet(dw::ledgerSheet(l, false, "cm"), dw::SheetFormat::Csv, false),
            dw::writeSheet(dw::ledgersSideBySide({{"This run", "", l}}, false, "cm"), dw::SheetFormat::Csv, false),
            dw::computeGraphExtremes(data, dw::Scalar, dw::shownUpTo(data, end))};
}
}   // namespace

TEST(PredictionViewsTest, ElasticAndStickingLookTheSameUntilRevealed)
{
    HeadOn elastic(sim::Interaction::Elastic), sticking(sim::Interaction::Inelastic);
    const Views a = viewsOf(elastic), b = viewsOf(sticking);
    EXPECT_EQ(a.table, b.table);
    EXPECT_EQ(a.ledger, b.ledger);
    EXPECT_EQ(a.compared, b.compared);
    EXPECT_EQ(a.graph.max, b.graph.max);
    EXPECT_EQ(a.graph.min, b.graph.min);
    EXPECT_NE(a.table.find("?"), std::string::npos) << a.table;
    EXPECT_NE(a.ledger.find("?"), std::string::npos);
    EXPECT_NE(a.ledger.find("black,2.00,0.00,-,0.00,0.00,0.00,0.00,?,?,?,?,?,?"), std::string::npos) << a.ledger;
    // shown, the two differ
    elastic.p.revealed = true;
    sticking.p.revealed = true;
    dw::RunData shownA = dw::runDataOf(*elastic.s, elastic.setup.model());
    dw::RunData shownB = dw::runDataOf(*sticking.s, sticking.setup.model());
    const int end = elastic.s->timeLineEnd;
    EXPECT_NE(dw::computeLedger(shownA, end).after[1].speed, dw::computeLedger(shownB, end).after[1].speed);
}

TEST(PredictionViewsTest, TheTableUnderTheLedger)
{
    HeadOn run(sim::Interaction::Elastic);
    ASSERT_TRUE(run.runToTheOutcome());
    run.p.red = {0.0, 0.0, true};
    run.p.black = {6.0, 0.0, true};
    EXPECT_FALSE(dw::hasPrediction(run.p));   // not before Reveal
    run.p.revealed = true;
    ASSERT_TRUE(dw::hasPrediction(run.p));
    const sim::PredictionTable t = sim::predictionTable(run.p, *run.s, run.p.hideFrom);
    dw::DataExport e;
    e.content = dw::ExportContent::Ledger;
    dw::TableChoice choice;
    choice.lastPosition = run.p.hideFrom;
    const std::string text = dw::exportText(dw::runDataOf(*run.s, run.setup.model()), choice, e, "cm", &t);
    for (const char* line : {"prediction,predicted,actual,difference\n", "black speed (cm/s),6.00,5.00,1.00\n",
                             "red direction (degrees),-,-,-\n", "black momentum (kg cm/s),12.00,10.00,2.00\n",
                             "kinetic energy kept (%),144.0,100.0,44.0\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_EQ(dw::exportText(dw::runDataOf(*run.s, run.setup.model()), choice, e, "cm").find("prediction"),
              std::string::npos);
}
