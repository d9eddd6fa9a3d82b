#pragma once
// The Graph page's picture, drawn from the run, the kept runs and the
// page's choices onto any canvas: the page and the lab sheet draw the same.

#include <QString>
#include <optional>
#include <vector>

#include "datawin/data_view_model.h"
#include "datawin/fit.h"
#include "datawin/graph_values.h"
#include "datawin/run_data.h"

class Canvas;

// The graph's picture, as the page shows it.
inline constexpr int kGraphWidth = 603, kGraphHeight = 467;

// A kept run drawn under this one in lighter shades, to its own end.
struct KeptGraph {
    dw::RunData run;
    int end = 1;
    QString name;
};

struct GraphScene {
    const dw::RunData& run;
    const std::vector<KeptGraph>& kept;
    const dw::GraphChoice& choice;
    const dw::GraphExtremes& extremes;
};

struct GraphDrawn {
    dw::GraphAxes axes;
    std::optional<dw::Fit> fit;   // when a fit was asked for
};

dw::Quantity quantityOf(const dw::GraphChoice& c);
dw::Component componentOf(const dw::GraphChoice& c);
dw::Series seriesOf(const dw::GraphChoice& c);
// "Velocity", "Energy" or "Momentum", as the page titles it.
QString graphName(const dw::GraphChoice& c);

// The run's and the kept runs' extremes up to the choice's time.
dw::GraphExtremes graphExtremes(const dw::RunData& run, const std::vector<KeptGraph>& kept,
                                const dw::GraphChoice& choice);

GraphDrawn drawRunGraph(Canvas& cv, const GraphScene& g);
