#pragma once
// The data window's own choices, apart from its widgets: the page in front,
// the Data page's columns, frequency, angle unit and time, the Graph page's
// choices, the momentum page's scale, time, typed values and arrows, and the
// export's choice. A window made again (a zoom, a language) takes them over
// whole; an opening from the table sets the times and the typed values from
// the run.

#include <array>
#include <string>

#include "datawin/arrow_geometry.h"
#include "datawin/data_export.h"
#include "datawin/investigation.h"
#include "datawin/table_text.h"

namespace dw {

struct GraphChoice {
    int quantity = 0;   // velocity, energy, momentum
    int component = 0;   // x, y, size
    int series = 0;   // the "Draw" list
    int frequency = 0;
    bool springEnergy = false;
    int time = 1;   // "Draw to", in ticks
    // a fit over a stretch of the graph: 0 none, 1 a line, 2 a parabola;
    // of the red puck, the black puck or the total; from and to in seconds
    int fitModel = 0;
    int fitSeries = 0;
    double fitFrom = 0.0, fitTo = 0.0;
};

struct MomentumChoice {
    int scale = 10;
    int time = 1;
    bool analyseOwn = false;
    // as typed: the momenta of red before, red after, black before, black
    // after, then their angles in the same order
    std::array<std::string, 8> typed{};
    // where the five arrows' handles stand, then the resultant's two ends
    std::array<IPoint, 7> places{{{184, 256}, {272, 256}, {360, 256}, {432, 256}, {296, 144}, {326, 144}, {266, 144}}};
};

// The Investigate page's choices: the setting, its range as typed, what is
// measured, the textbook's line, and the export's format.
struct InvestigateChoice {
    int vary = 0;   // a Vary
    std::string from = "1", to = "5", step = "0.5";
    std::array<bool, kMeasureCount> measures{true, true};   // the speeds after
    bool textbook = true;
    int format = 0;   // csv, csv-semicolon, tsv
    // a fit: 0 none, then a FitModel + 1; of the measure shown at `fitMeasure`
    // (its place in the chosen list); from and to in the setting's units
    int fitModel = 0;
    int fitMeasure = 0;
    double fitFrom = 0.0, fitTo = 0.0;
};

struct DataViewModel {
    int page = 2;   // the momentum page is in front the first time
    bool energyPage = false;   // File > Show Energy Page: the last tab
    std::array<bool, ColumnCount> columns = TableChoice().columns;
    bool radians = false;
    int tableFrequency = 0;
    int tableTime = 1;
    GraphChoice graph;
    MomentumChoice momentum;
    DataExport exportChoice;
    InvestigateChoice investigate;
};

}   // namespace dw
