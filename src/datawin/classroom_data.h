#pragma once
// What the data window shows of the classroom, from the classroom alone:
// the run as the class may see it, the kept runs, the Before-and-After
// tables and the graph. The window's pages and the lab sheet read the same.

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "datawin/data_view_model.h"
#include "datawin/graph_drawing.h"
#include "datawin/ledger_compare.h"
#include "datawin/ledger_grids.h"
#include "datawin/run_data.h"
#include "engine/classroom.h"

class ClassroomData {
    Q_DECLARE_TR_FUNCTIONS(DataWindow)

public:
    // The run with what is hidden now marked for the pages.
    static dw::RunData runData(const sim::Classroom& room);
    static std::vector<KeptGraph> keptGraphs(const sim::Classroom& room);
    // "Run A" in the user's language
    static QString runName(const sim::KeptRun& r);
    // "red 1.0 kg at 5.0 cm/s, black ..., elastic": a run's set-up in a line
    static QString setUpText(const sim::SetupModel& m);
    // The kept runs, each to its end, then this run to `after`.
    static std::vector<dw::NamedLedger> sideBySide(const sim::Classroom& room, int after);
    // The run's Before and After from its centre of mass, while the table shows it so.
    static std::optional<dw::Ledger> cmLedger(const sim::Classroom& room, int after);
    // The Before-and-After tables as the page shows them at `after`: one
    // table side by side once a run is kept, else before, after and the
    // summary; none when the run cannot be compared.
    static std::vector<TextGrid> ledgerTables(const sim::Classroom& room, int after, bool radians);
    // The graph as its page draws it, on a canvas of the page's size.
    static QImage graph(const sim::Classroom& room, const dw::GraphChoice& choice);
    // The page's choices as an opening of the window sets them: every time at the run's end.
    static dw::DataViewModel opened(const sim::Classroom& room, dw::DataViewModel view);
};
