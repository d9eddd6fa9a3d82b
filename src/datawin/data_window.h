#pragma once
#include <QDialog>
#include <optional>

#include "datawin/data_export.h"
#include "datawin/data_view_model.h"
#include "datawin/graph_page.h"
#include "datawin/ledger_compare.h"
#include "datawin/run_data.h"
#include "engine/disclosure.h"
#include "engine/kept_runs.h"
#include "engine/prediction.h"

class QMenuBar;
class QAction;
class QTabWidget;
class TableAccess;
class PlatformServices;
class TablePage;
class MomentumPage;
class LedgerPage;
class InvestigatePage;

// "Collision Data": the run as a table, as graphs and as momentum arrows.
// It reads the table window's state and changes none of it.
class DataWindow : public QDialog {
    Q_OBJECT
public:
    DataWindow(TableAccess& table, PlatformServices& platform);

    // "Show Data Table": only once a run has gone beyond tick 2; modal.
    void showFromTable();
    // Every page rebuilt from the log, as each time the window opens.
    void activate();
    // The pages' choices for a lab sheet: as an opening sets them, unless the window is open.
    dw::DataViewModel sheetView() const;
    // The window's own choices, to hand to the window that replaces it.
    const dw::DataViewModel& viewModel() const { return view_; }
    void showViewModel(const dw::DataViewModel& v);
    // Open again as `v` says, the times and typed values included: the window
    // made again while its predecessor was open.
    void reopen(dw::DataViewModel v);
    // The window is showing and its own event loop runs.
    bool isOpen() const { return open_; }

    TablePage& tablePage() { return *table_; }
    GraphPage& graphPage() { return *graph_; }
    MomentumPage& momentumPage() { return *momentum_; }
    LedgerPage& ledgerPage() { return *ledger_; }
    InvestigatePage& investigatePage() { return *investigate_; }
    QTabWidget* tabs() const { return tabs_; }
    QAction* copyGraph = nullptr;
    QAction* printGraph = nullptr;
    QAction* exportData = nullptr;
    QAction* keepRun = nullptr;   // "&Keep This Run"
    QAction* clearKept = nullptr;
    QAction* printerSetup = nullptr;
    QAction* closeEntry = nullptr;
    QAction* showEnergy = nullptr;   // "Show &Energy Page"
    class EnergyPage* energyPage() const { return energy_; }

private:
    void setEnergyShown(bool on);
    void showEnergyBars();
    class EnergyPage* energy_ = nullptr;
    void showAllowedPages();
    void runModal();
    void pageChanged();
    // the Before-and-After page for the Data page's time
    void showLedger();
    // "Export Data...": the choice, a file name, then the file through the safe save
    void exportToFile();
    void nameControls();
    dw::RunData runData() const;
    // What the class may see now, as the one rule has it.
    sim::Disclosure disclosure() const;
    // the kept runs' ledgers and this run's, "after" at the Data page's time
    std::vector<dw::NamedLedger> sideBySide(int after) const;
    std::vector<GraphPage::KeptSeries> keptSeries() const;
    // Predict First's table with "actual" at `after`, once revealed
    std::optional<sim::PredictionTable> predictionAt(int after) const;
    // a run kept or the kept runs cleared: the graph and the ledger again
    void showKept();
    // the table window's length unit, "cm" or "m" for the pushed block
    const char* unit() const;

    TableAccess& w_;
    PlatformServices& platform_;
    QMenuBar* menu_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    TablePage* table_ = nullptr;
    GraphPage* graph_ = nullptr;
    MomentumPage* momentum_ = nullptr;
    LedgerPage* ledger_ = nullptr;
    InvestigatePage* investigate_ = nullptr;
    dw::DataViewModel view_;   // the window's own choices; the export's is offered again
    bool open_ = false;
};
