#pragma once
// The data window's own choices, apart from its widgets: the page in front,
// the Data page's columns, frequency and angle unit, the Graph page's
// choices, the momentum page's own analysis and the export's choice. A
// window made again (a zoom) takes them over whole. The time bars and the
// typed momenta are not here: every opening sets them from the run.

#include <array>

#include "datawin/data_export.h"
#include "datawin/table_text.h"

namespace dw {

struct GraphChoice {
    int quantity = 0;   // velocity, energy, momentum
    int component = 0;   // x, y, size
    int series = 0;   // the "Draw" list
    int frequency = 0;
    bool springEnergy = false;
};

struct DataViewModel {
    int page = 2;   // the momentum page is in front the first time
    std::array<bool, ColumnCount> columns = TableChoice().columns;
    bool radians = false;
    int tableFrequency = 0;
    GraphChoice graph;
    bool analyseOwn = false;
    DataExport exportChoice;
};

}   // namespace dw
