#pragma once
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "datawin/data_view_model.h"
#include "datawin/investigation.h"
#include "ui/canvas.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;
class PictureWidget;
class PlatformServices;

// The "&Investigate" page: one setting swept across a range, every point run
// without a window on all cores, and each measure drawn and listed against
// it. Its choices are the window's model; the points are its own.
class InvestigatePage : public QWidget {
    Q_OBJECT
public:
    InvestigatePage(PlatformServices& platform, dw::InvestigateChoice& choice, QWidget* parent = nullptr);
    ~InvestigatePage() override;

    // Where the set-up to sweep is read when Run is pressed.
    void setSource(const sim::SetupModel* m, const sim::SimState* s)
    {
        model_ = m;
        state_ = s;
    }
    // The controls as the model says.
    void showChoice();
    bool running() const { return worker_.joinable(); }
    const dw::Investigation& result() const { return result_; }
    // The points as the sheet writes them (TAB separated): what Copy takes.
    QString resultText() const;

    QComboBox* varycb = nullptr;
    QLineEdit* fromle = nullptr;
    QLineEdit* tole = nullptr;
    QLineEdit* steple = nullptr;
    QListWidget* measurelist = nullptr;
    QCheckBox* textbookcb = nullptr;
    QPushButton* runbt = nullptr;
    QPushButton* cancelbt = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* note = nullptr;
    QPushButton* copybt = nullptr;
    QComboBox* formatcb = nullptr;
    QPushButton* exportbt = nullptr;
    PictureWidget* plot = nullptr;
    QComboBox* fitcb = nullptr;
    QComboBox* fitMeasurecb = nullptr;
    QDoubleSpinBox* fitFrom = nullptr;
    QDoubleSpinBox* fitTo = nullptr;
    QLabel* fitlb = nullptr;
    QPushButton* fitCopybt = nullptr;
    QTableWidget* results = nullptr;
    Canvas& canvas() { return canvas_; }

    void run();
    void cancel();

private:
    void build();
    void buildControls(int x);
    void connectAll();
    void poll();
    void finish();
    void showResults();
    void drawPlot();
    void exportToFile();
    void buildFit();
    void showFitChoice();
    // the fit over the points just drawn: the curve, and its numbers
    void drawFit(const std::function<int(double)>& px, const std::function<int(double)>& py);
    std::vector<dw::Measure> chosenMeasures() const;
    QString whyNot(dw::SweepError e, dw::Vary v, double refused) const;
    // units and labels as the page shows them, in the user's language
    QString varyUnit(dw::Vary v) const;
    QString measureUnit(dw::Measure m) const;
    QString shownLabel(const char* label, const QString& unit) const;
    static const char* const kVaryLabels[dw::kVaryCount];
    static const char* const kMeasureLabels[dw::kMeasureCount];

    PlatformServices& platform_;
    dw::InvestigateChoice& choice_;
    Canvas canvas_;
    const sim::SetupModel* model_ = nullptr;
    const sim::SimState* state_ = nullptr;
    // the run: its own copy of the set-up, its thread and what it has done
    sim::SetupModel baseModel_;
    std::unique_ptr<sim::SimState> baseState_;
    std::vector<double> values_;
    std::vector<dw::Measure> measures_;
    dw::Vary vary_ = dw::Vary::RedMass;
    std::thread worker_;
    std::atomic<int> done_{0};
    std::atomic<bool> cancel_{false}, finished_{false};
    QTimer* poll_ = nullptr;
    dw::Investigation result_, pending_;   // shown, and being run
    std::vector<dw::Measure> shownMeasures_;
    dw::Vary shownVary_ = dw::Vary::RedMass;
    class FitControls* fit_ = nullptr;
};
