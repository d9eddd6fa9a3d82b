#pragma once
#include <QWidget>

#include "datawin/data_view_model.h"

#include "datawin/fit.h"
#include "datawin/graph_drawing.h"
#include "datawin/graph_values.h"

#include "ui/canvas.h"
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QScrollBar;
class PictureWidget;
class PlatformServices;

// The "&Graph" page: a quantity of the run against time.
class GraphPage : public QWidget {
    Q_OBJECT
public:
    // `choice` is the window's model of the page's choices: the controls
    // show it and change it.
    GraphPage(PlatformServices& platform, dw::GraphChoice& choice, QWidget* parent = nullptr);
    // The controls as the model now says, without drawing.
    void showChoice();

    void setRun(const dw::RunData& run) { run_ = run; }
    // Kept runs drawn under this one in lighter shades, each to its own end.
    using KeptSeries = KeptGraph;
    void setKept(std::vector<KeptSeries> kept) { kept_ = std::move(kept); }
    void computeGraphExtremes();
    void drawGraph();
    void readValue(int x, int y);

    dw::Quantity quantity() const;
    dw::Component component() const;
    dw::Series series() const;
    Canvas& canvas() { return canvas_; }
    const dw::GraphAxes& axes() const { return axes_; }
    const dw::GraphExtremes& extremes() const { return extremes_; }

    PictureWidget* graphim = nullptr;
    QComboBox* compcb = nullptr;
    QGroupBox* plotrg = nullptr;
    QRadioButton* plotVelocity = nullptr;
    QRadioButton* plotEnergy = nullptr;
    QRadioButton* plotMomentum = nullptr;
    QComboBox* drawcb = nullptr;
    QComboBox* gfcb = nullptr;
    QScrollBar* tgsb = nullptr;
    QLabel* tglb = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* ylb = nullptr;
    QLabel* xlb = nullptr;
    QCheckBox* spcb = nullptr;
    QMenu* popup = nullptr;
    // the fit: its kind, its series, its stretch, what it found
    QComboBox* fitcb = nullptr;
    QComboBox* fitSeriescb = nullptr;
    QDoubleSpinBox* fitFrom = nullptr;
    QDoubleSpinBox* fitTo = nullptr;
    QLabel* fitlb = nullptr;
    QPushButton* fitCopybt = nullptr;
    // The table window's length unit, for the fit's units.
    void setUnit(const char* unit) { unit_ = unit; }

signals:
    void copyRequested();
    void printRequested();

private:
    void buildFit();
    QString quantityUnit() const;
    class FitControls* fit_ = nullptr;
    double timeAt(int x) const;
    const char* unit_ = "cm";

    PlatformServices& platform_;
    dw::GraphChoice& choice_;
    Canvas canvas_;
    dw::RunData run_;
    std::vector<KeptSeries> kept_;
    dw::GraphExtremes extremes_;
    dw::GraphAxes axes_;
};
