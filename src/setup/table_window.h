#pragma once
#include <QMainWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "engine/setup_rules.h"
#include "engine/usable.h"
#include "setup/table_access.h"
#include "ui/canvas.h"
#include "ui/classroom_hub.h"
#include "ui/operations.h"

class PlatformServices;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QScrollBar;
struct Controls;
class TraceRenderer;
class SetupDrawing;
class TableReset;
class RunControl;
class SetupHandlers;
class ViewOptions;
class TimeLine;
class ModelView;
class PresentationWindow;
class GuideWindow;
class TableHost;
class PuckPlacer;
class MeasureTools;
class Printing;
class NameDialog;
class LanguageMenu;
class PredictionPanel;

// What a table window hands to the one that replaces it (a new zoom):
// only its own place and pages; the classroom stays with the session.
struct KeptTable {
    bool presenting = false;   // the presentation window was open
    QPoint place;
    int page = 0;   // the controls' page in front
};

// The table window: builds the layout and the menu, wires the concerns
// to the controls, and runs the start-up sequence over the classroom; a
// window made again over one already set up shows it as it stands.
class TableWindow : public QMainWindow, public TableAccess {
    Q_OBJECT
public:
    // a classroom of its own
    explicit TableWindow(PlatformServices& platform, QWidget* parent = nullptr);
    TableWindow(PlatformServices& platform, ClassroomHub& classroom, QWidget* parent = nullptr);
    ~TableWindow() override;

    // TableAccess
    QWidget& tableWidget() override { return *this; }
    ClassroomHub& classroom() override { return hub_; }
    sim::SetupRules& rules() override { return *rules_; }
    sim::SetupHost& setupHost() override;
    TableLinks links() const override;
    void resetRun() override;
    void showSetUp() override;
    void printPicture(const QImage& picture) override;

    const sim::Classroom& room() const { return hub_.room(); }
    sim::SimState& state() { return *state_; }
    // every setting of the set-up, and the rules that change it
    const sim::SetupModel& model() const { return model_; }
    ModelView& modelView() { return *modelView_; }
    PresentationWindow* presentation() { return presentation_.get(); }
    PredictionPanel* predictionPanel() { return panel_.get(); }
    // "Reveal": the outcome shown, the run going on from where it was held.
    void reveal();
    GuideWindow* guide() { return guide_.get(); }
    // the widgets, for the table window's own concerns and the tests
    Controls& controls() { return c_; }
    Operations& ops() { return ops_; }
    Canvas& tableCanvas() { return table_; }
    Canvas& gridCanvas() { return grid_; }
    RunControl& runControl() { return *run_; }
    TableReset& tableReset() { return *reset_; }
    ViewOptions& viewOptions() { return *view_; }
    TimeLine& timeLine() { return *timeLine_; }
    PuckPlacer& puckPlacer() { return *placer_; }
    MeasureTools& measureTools() { return *measure_; }
    Printing& printing() { return *printing_; }
    LanguageMenu& languageMenu() { return *language_; }

    // The table picture as a PNG (each pixel a zoom x zoom block) and as an
    // SVG drawing of the same shapes, drawn once more for it.
    QByteArray picturePng(int zoom = 1) const;
    QByteArray pictureSvg(int zoom = 1);
    // File > Save Picture
    void savePicture();
    // The picture as the time line would show it at `tick`; the window's own stays.
    QImage pictureAt(int tick) const;
    // The picture the window shows now: the run's at the time line, else the set-up's.
    QImage pictureNow() const;
    // An animated GIF of the run: frame j the picture at tick 1 + j x every,
    // shown for the simulated time to the next; empty with the reason on failure.
    // `progress` (if any) is told each frame done and their number.
    QByteArray animationGif(int every, int zoom, QString* error,
                            const std::function<void(int done, int frames)>& progress = {});
    // File > Save Animation
    void saveAnimation();

    // The zoom, in per cent, that the Zoom menu shows as chosen.
    void setZoom(int percent);
    // Everything a replacing window needs; a running run is paused first.
    KeptTable keep();
    // Takes over a kept table's place, pages and presentation.
    void restore(const KeptTable& kept);

    // The name dialog is created after this window; printing reads its name.
    void setNameDialog(NameDialog* dialog);

signals:
    // View > Zoom: the windows are to be made again at this zoom
    void zoomChosen(int percent);
    // Options > Language: the windows are to be made again in this language
    // ("" as the system)
    void languageChosen(const QString& code);

private:
    void buildLayout();
    void buildControlPanel(QWidget* panel);
    void buildRunControls(QWidget* panel);
    void buildControlsPage(QWidget* page);
    void buildDataPage(QWidget* page);
    void buildMeasurementsPage(QWidget* page);
    void buildFileMenu();
    void buildViewMenu();
    void buildOptionsMenu();
    void buildMenu();
    void nameControls();
    void wire();
    void startUp();
    // Made again over a classroom already set up: the controls show it, a
    // run paused where it stood.
    void showClassroom();
    // The parts a command changed, shown.
    void refresh(sim::Changes changed);
    void showChallenge();
    void redrawTable();
    void showLesson();
    void wireClassroom();
    void wireZoom();
    void wirePrediction();
    // The run started, stopped, was held or reset: the panel and Start follow.
    void predictionStageChanged();
    void showPredictionPanel();
    // Which controls are on, as the classroom's rule says.
    void showUsable();
    // "Set Up Exactly...": the dialog, then its numbers applied as the bars and drags would
    void setUpExactly();

    PlatformServices& platform_;
    std::unique_ptr<ClassroomHub> ownClassroom_;
    ClassroomHub& hub_;
    sim::SimState* state_;
    const sim::SetupModel& model_;
    Canvas table_;
    Canvas grid_;
    std::unique_ptr<Controls> controls_;
    Controls& c_;
    Operations ops_;
    std::unique_ptr<TraceRenderer> renderer_;
    std::unique_ptr<SetupDrawing> setupDrawing_;
    std::unique_ptr<TableReset> reset_;
    std::unique_ptr<RunControl> run_;
    std::unique_ptr<SetupHandlers> handlers_;
    std::unique_ptr<ViewOptions> view_;
    std::unique_ptr<TimeLine> timeLine_;
    std::unique_ptr<PuckPlacer> placer_;
    std::unique_ptr<MeasureTools> measure_;
    std::unique_ptr<Printing> printing_;
    std::unique_ptr<LanguageMenu> language_;
    std::unique_ptr<ModelView> modelView_;
    std::unique_ptr<TableHost> host_;
    std::unique_ptr<PresentationWindow> presentation_;
    std::unique_ptr<GuideWindow> guide_;
    std::unique_ptr<sim::SetupRules> rules_;
    std::unique_ptr<PredictionPanel> panel_;
    bool lessonShown_ = false;
    bool heldShown_ = false;   // the panel takes the keyboard once, when a run is first held
    std::optional<sim::Usable> shownUsable_;
    bool copiedShown_ = false;
};
