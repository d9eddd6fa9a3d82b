#pragma once
#include <QMainWindow>
#include <memory>

#include "engine/sim_state.h"
#include "ui/canvas.h"
#include "ui/controls.h"

class PlatformServices;
class TraceRenderer;
class SetupDrawing;
class CircleDrawing;
class TableReset;
class RunControl;
class SetupHandlers;
class ViewOptions;
class TimeLine;
class ModeSwitches;
class PuckPlacer;
class MeasureTools;
class Printing;
class NameDialog;

// The table window: builds the layout and the menu, wires the concerns
// to the controls, and runs the start-up sequence. It owns the state.
class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(PlatformServices& platform, QWidget* parent = nullptr);
    ~TableWindow() override;

    sim::SimState& state() { return *state_; }
    Controls& controls() { return c_; }
    Operations& ops() { return ops_; }
    Canvas& tableCanvas() { return table_; }
    Canvas& gridCanvas() { return grid_; }
    RunControl& runControl() { return *run_; }
    TableReset& tableReset() { return *reset_; }
    ViewOptions& viewOptions() { return *view_; }
    TimeLine& timeLine() { return *timeLine_; }
    ModeSwitches& modeSwitches() { return *modes_; }
    PuckPlacer& puckPlacer() { return *placer_; }
    MeasureTools& measureTools() { return *measure_; }
    Printing& printing() { return *printing_; }

    // Off for a headless run: the log is kept, no picture is drawn.
    void setDrawing(bool on);

    // The name dialog is created after this window; printing reads its name.
    void setNameDialog(NameDialog* dialog);

private:
    void buildLayout();
    void buildControlPanel(QWidget* panel);
    void buildMenu();
    void nameControls();
    void wire();
    void startUp();

    PlatformServices& platform_;
    std::unique_ptr<sim::SimState> state_;
    Canvas table_;
    Canvas grid_;
    Controls c_;
    Operations ops_;
    std::unique_ptr<TraceRenderer> renderer_;
    std::unique_ptr<SetupDrawing> setupDrawing_;
    std::unique_ptr<CircleDrawing> circle_;
    std::unique_ptr<TableReset> reset_;
    std::unique_ptr<RunControl> run_;
    std::unique_ptr<SetupHandlers> handlers_;
    std::unique_ptr<ViewOptions> view_;
    std::unique_ptr<TimeLine> timeLine_;
    std::unique_ptr<ModeSwitches> modes_;
    std::unique_ptr<PuckPlacer> placer_;
    std::unique_ptr<MeasureTools> measure_;
    std::unique_ptr<Printing> printing_;
};
