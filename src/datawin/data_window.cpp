#include "datawin/data_window.h"
#include "ui/language.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "datawin/classroom_data.h"
#include "datawin/energy_page.h"
#include "datawin/export_dialog.h"
#include "datawin/graph_page.h"
#include "datawin/investigate_page.h"
#include "datawin/ledger.h"
#include "datawin/ledger_page.h"
#include "datawin/momentum_page.h"
#include "datawin/prediction_sheet.h"
#include "datawin/table_page.h"
#include "engine/numbers.h"
#include "setup/table_access.h"
#include "ui/captions.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "ui/safe_save.h"
#include "ui/widgets.h"
#include "view/printing.h"

DataWindow::DataWindow(TableAccess& table, PlatformServices& platform)
    : QDialog(&table.tableWidget()), w_(table), platform_(platform)
{
    setWindowTitle(tr("Collision Data"));
    setFixedSize(808, 560);
    menu_ = new QMenuBar(this);
    menu_->setGeometry(0, 0, 808, 24);
    QMenu* file = menu_->addMenu(tr("&File"));
    copyGraph = file->addAction(tr("Copy Graph"));
    printGraph = file->addAction(tr("Print Graph"));
    exportData = file->addAction(tr("Export Data..."));
    file->addSeparator();
    keepRun = file->addAction(tr("&Keep This Run"));
    clearKept = file->addAction(tr("Clear Kept Runs"));
    showEnergy = file->addAction(tr("Show &Energy Page"));
    showEnergy->setCheckable(true);
    file->addSeparator();
    printerSetup = file->addAction(tr("Printer Setup"));
    closeEntry = file->addAction(tr("Close"));

    tabs_ = new QTabWidget(this);
    tabs_->setGeometry(0, 26, 808, 534);
    table_ = new TablePage(platform_, view_);
    graph_ = new GraphPage(platform_, view_.graph);
    graph_->setUnit(unit());
    momentum_ = new MomentumPage(platform_, view_.momentum);
    momentum_->setPrediction(&w_.room().prediction(), [this](int puck, const sim::PredictedPuck& q) {
        w_.classroom().run(&sim::Classroom::predict, puck, q);
    });
    ledger_ = new LedgerPage(platform_);
    investigate_ = new InvestigatePage(platform_, view_.investigate);
    investigate_->setSource(&w_.room().model(), &w_.room().state());
    tabs_->addTab(table_, tr("&Data"));
    tabs_->addTab(graph_, tr("&Graph"));
    tabs_->addTab(momentum_, tr("&Momentum Analysis"));
    tabs_->addTab(ledger_, tr("&Before and After"));
    tabs_->addTab(investigate_, tr("&Investigate"));
    tabs_->setCurrentIndex(2);   // in front the first time
    energy_ = new EnergyPage(this);
    energy_->hide();
    connect(showEnergy, &QAction::toggled, this, [this](bool on) { setEnergyShown(on); });

    auto copy = [this] { platform_.copyImage(graph_->canvas().image()); };
    auto print = [this] {
        if (printGraph->isEnabled())   // the graph's own menu too
            w_.printPicture(graph_->canvas().image());
    };
    connect(copyGraph, &QAction::triggered, this, copy);
    connect(graph_, &GraphPage::copyRequested, this, copy);
    connect(printGraph, &QAction::triggered, this, print);
    connect(graph_, &GraphPage::printRequested, this, print);
    connect(printerSetup, &QAction::triggered, this, [this] { platform_.printerSetup(this); });
    connect(closeEntry, &QAction::triggered, this, &QDialog::close);
    connect(exportData, &QAction::triggered, this, [this] { exportToFile(); });
    connect(keepRun, &QAction::triggered, this, [this] {
        w_.classroom().run(&sim::Classroom::keepRun);
        showKept();
    });
    connect(clearKept, &QAction::triggered, this, [this] {
        w_.classroom().run(&sim::Classroom::clearKeptRuns);
        showKept();
    });
    view_.exportChoice = rememberedExport();
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        view_.page = page;
        pageChanged();
    });
    connect(table_->tdsb, &QScrollBar::valueChanged, this, [this] { showLedger(); });
    connect(&w_.classroom(), &ClassroomHub::changed, this, [this](unsigned bits) {
        if (sim::Changes::fromBits(bits).has(sim::Part::Frame))
            showLedger();
    });
    connect(table_->radcb, &QCheckBox::clicked, this, [this] { showLedger(); });

    nameControls();
    const TableLinks links = w_.links();
    connect(links.showData, &QPushButton::clicked, this, [this] { showFromTable(); });
    // the dot size sizes the page's seven markers, shown or not
    for (QAction* a : {links.dotNormal, links.dotLarge})
        connect(a, &QAction::triggered, this, [this] { momentum_->setDotSize(w_.room().model().dotSize); });
    // the zoom keys work here too: a projected table of numbers needs them most
    addActions({links.zoomReset, links.zoomIn, links.zoomOut});
}

void DataWindow::nameControls()
{
    MomentumPage& m = *momentum_;
    const std::pair<QWidget*, const char*> names[] = {
        {table_->datamem, QT_TR_NOOP("Data table")},
        {table_->tdsb, QT_TR_NOOP("Table time")},
        {ledger_->beforegrid, QT_TR_NOOP("Before")},
        {ledger_->aftergrid, QT_TR_NOOP("After")},
        {ledger_->summarygrid, QT_TR_NOOP("What the numbers say")},
        {ledger_->comparegrid, QT_TR_NOOP("Runs side by side")},
        {table_->cbfreq, QT_TR_NOOP("Table frequency")},
        {graph_->graphim, QT_TR_NOOP("Graph")},
        {graph_->compcb, QT_TR_NOOP("Component")},
        {graph_->drawcb, QT_TR_NOOP("Series")},
        {graph_->gfcb, QT_TR_NOOP("Graph frequency")},
        {graph_->tgsb, QT_TR_NOOP("Draw to")},
        {m.momim, QT_TR_NOOP("Momentum vectors")},
        {m.scalesb, QT_TR_NOOP("Scale")},
        {m.timemomsb, QT_TR_NOOP("Momentum time")},
        {m.rbv, QT_TR_NOOP("Red momentum before")},
        {m.rav, QT_TR_NOOP("Red momentum after")},
        {m.bbv, QT_TR_NOOP("Black momentum before")},
        {m.bav, QT_TR_NOOP("Black momentum after")},
        {m.rba, QT_TR_NOOP("Red angle before")},
        {m.raa, QT_TR_NOOP("Red angle after")},
        {m.bba, QT_TR_NOOP("Black angle before")},
        {m.baa, QT_TR_NOOP("Black angle after")},
        {tabs_, QT_TR_NOOP("Data pages")},
    };
    for (const auto& [w, name] : names)
        w->setAccessibleName(tr(name));
    const char* arrows[] = {QT_TR_NOOP("Red momentum at the start"), QT_TR_NOOP("Red momentum at time t"),
                            QT_TR_NOOP("Black momentum at the start"), QT_TR_NOOP("Black momentum at time t"),
                            QT_TR_NOOP("Resultant")};
    for (int k = 1; k <= 5; ++k) {
        const QString arrow = tr(arrows[k - 1]);
        m.handle(k)->setAccessibleName(arrow);
        m.circle(2 * k - 1)->setAccessibleName(tr("%1, tail").arg(arrow));
        m.circle(2 * k)->setAccessibleName(tr("%1, head").arg(arrow));
    }
}

const char* DataWindow::unit() const
{
    return w_.room().model().lengthUnit();
}

void DataWindow::showFromTable()
{
    if (w_.room().state().tick <= 2)
        return;
    table_->datamem->clear();
    activate();
    runModal();
}

void DataWindow::reopen(dw::DataViewModel v)
{
    showViewModel(v);
    activate();
    // where the bars and the typed values stood, not the run's end
    table_->tdsb->setValue(v.tableTime);
    graph_->tgsb->setValue(v.graph.time);
    momentum_->showChoice(v.momentum);
    runModal();
}

void DataWindow::runModal()
{
    // over the table as always, but clear of Predict First's panel and the Challenge dialog
    if (const QScreen* screen = w_.tableWidget().screen()) {
        QRect preferred(QPoint(), frameGeometry().size());
        preferred.moveCenter(w_.tableWidget().frameGeometry().center());
        const QPoint at =
            place::clearOf(screen->availableGeometry(), preferred, place::shownBeside(w_.tableWidget(), this));
        move(pos() + (at - frameGeometry().topLeft()));
    }
    open_ = true;
    platform_.execModal(*this);
    open_ = false;
}

void DataWindow::activate()
{
    const sim::SetupModel& m = w_.room().model();
    const dw::RunData run = runData();
    const int N = std::max(1, w_.room().state().timeLineEnd);
    // every opening starts at the run's end and the first scale
    view_.tableTime = view_.graph.time = view_.momentum.time = N;
    view_.momentum.scale = 10;
    table_->setRun(run);
    graph_->setRun(run);
    graph_->setUnit(unit());
    graph_->setKept(keptSeries());
    momentum_->setRun(run, N);
    showAllowedPages();
    // what the modes show: one block in 1-D has no components and no black row
    graph_->plotrg->show();
    graph_->drawcb->show();
    graph_->compcb->show();
    if (m.pushed()) {
        graph_->compcb->setCurrentIndex(0);
        graph_->compcb->hide();
        graph_->plotrg->hide();
        graph_->drawcb->setCurrentIndex(0);
        graph_->drawcb->hide();
        for (QCheckBox* b : {table_->speed2cb, table_->angle2cb, table_->energy2cb, table_->mom2cb})
            b->setChecked(false);
    }
    table_->blackRow->setVisible(m.massCount == 2);
    table_->Sprcb->setVisible(run.springShown);
    graph_->spcb->setVisible(run.springShown && view_.graph.quantity == dw::Energy);
    // the numbers of the run, every bar at its last tick
    graph_->computeGraphExtremes();
    table_->buildTable();
    momentum_->recomputeArrows();
    for (QScrollBar* sb : {momentum_->timemomsb, graph_->tgsb, table_->tdsb})
        sb->setMaximum(N);
    table_->tdsb->setValue(N);
    momentum_->startValues();
    momentum_->timemomsb->setValue(N);
    graph_->tgsb->setValue(N);
    momentum_->scalesb->setValue(10);
    showLedger();
    if (tabs_->currentWidget() == momentum_)
        momentum_->recomputeArrows();
    else if (tabs_->currentWidget() == graph_)
        graph_->drawGraph();
}

void DataWindow::showLedger()
{
    const int after = view_.tableTime;
    const dw::TableChoice choice = table_->choice();
    const dw::Ledger ledger = dw::computeLedger(runData(), after);
    const sim::KeptRuns& kept = w_.room().kept();
    // a run held for a prediction is not kept: its trace would show the outcome
    keepRun->setEnabled(!kept.full() && disclosure().mayKeep);
    clearKept->setEnabled(!kept.runs().empty());
    const std::optional<sim::PredictionTable> predicted = predictionAt(after);
    showEnergyBars();
    const std::optional<dw::Ledger> fromCm = ClassroomData::cmLedger(w_.room(), after);
    if (kept.runs().empty() && !fromCm) {
        ledger_->show(ledger, choice.radians, unit(), timeCaption(after, 4));
        if (predicted)
            ledger_->addPrediction(*predicted, unit());
        return;
    }
    QStringList names;
    for (const sim::KeptRun& r : kept.runs())
        names << ClassroomData::runName(r);
    names << tr("This run");
    std::vector<dw::NamedLedger> runs = sideBySide(after);
    if (fromCm) {   // beside the run, the same run from its centre of mass
        runs.push_back({"From the centre of mass", runs.back().setUp, *fromCm});
        names << tr("From the centre of mass");
    }
    ledger_->showSideBySide(runs, names, choice.radians, unit());
    for (size_t i = 0; i < kept.runs().size(); ++i)
        for (int c : {1, 2})
            ledger_->comparegrid->horizontalHeaderItem(static_cast<int>(2 * i) + c)
                ->setToolTip(ClassroomData::setUpText(kept.runs()[i].model));
    if (predicted)
        ledger_->addPrediction(*predicted, unit());
}

void DataWindow::setEnergyShown(bool on)
{
    view_.energyPage = on;
    const int at = tabs_->indexOf(energy_);
    if (on && at < 0)
        tabs_->addTab(energy_, tr("&Energy"));   // last: the other pages keep their places
    else if (!on && at >= 0)
        tabs_->removeTab(at);
    showEnergyBars();
}

// The bars at the table's time bar, when the page is there.
void DataWindow::showEnergyBars()
{
    if (!view_.energyPage)
        return;
    energy_->show(dw::energyBarsOf(runData(), view_.tableTime, table_->tdsb->maximum()), unit());
}

std::optional<sim::PredictionTable> DataWindow::predictionAt(int after) const
{
    if (!dw::hasPrediction(w_.room().prediction()))
        return std::nullopt;
    return sim::predictionTable(w_.room().prediction(), w_.room().state(), after);
}

std::vector<GraphPage::KeptSeries> DataWindow::keptSeries() const
{
    return ClassroomData::keptGraphs(w_.room());
}

void DataWindow::showKept()
{
    graph_->setKept(keptSeries());
    graph_->computeGraphExtremes();
    if (tabs_->currentWidget() == graph_)
        graph_->drawGraph();
    showLedger();
}

std::vector<dw::NamedLedger> DataWindow::sideBySide(int after) const
{
    return ClassroomData::sideBySide(w_.room(), after);
}

void DataWindow::exportToFile()
{
    ExportDialog dialog(view_.exportChoice, this);
    if (platform_.execModal(dialog) != QDialog::Accepted)
        return;
    view_.exportChoice = dialog.choice();
    rememberExport(view_.exportChoice);
    const QString suffix = QString::fromLatin1(dw::formatSuffix(view_.exportChoice.format));
    const QString filter =
        suffix == QLatin1String("tsv") ? tr("TAB separated (*.tsv *.txt)") : tr("Comma separated (*.csv)");
    const QString path = platform_.saveFileName(this, filter, suffix, prefs::folder(prefs::Folder::Exports));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Exports, path);
    const bool sideBySideLedgers =
        view_.exportChoice.content == dw::ExportContent::Ledger && !w_.room().kept().runs().empty();
    const std::optional<sim::PredictionTable> predicted = predictionAt(view_.tableTime);
    dw::Sheet compared;
    if (sideBySideLedgers) {
        compared = dw::ledgersSideBySide(sideBySide(view_.tableTime), table_->choice().radians, unit());
        if (predicted)
            dw::appendPrediction(compared, *predicted, unit());
    }
    const std::string text = sideBySideLedgers
        ? dw::writeSheet(compared, view_.exportChoice.format, view_.exportChoice.fullPrecision)
        : dw::exportText(runData(), table_->choice(), view_.exportChoice, unit(), predicted ? &*predicted : nullptr);
    SafeSave file(path);
    if (!file.open()) {
        platform_.showMessage(this, file.message());
        return;
    }
    file.write(text);
    if (!file.commit())
        platform_.showMessage(this, file.message());
}

void DataWindow::pageChanged()
{
    graph_->computeGraphExtremes();
    if (tabs_->currentWidget() == graph_)
        graph_->drawGraph();
    else if (tabs_->currentWidget() == momentum_)
        momentum_->drawMomentum();
}

void DataWindow::showViewModel(const dw::DataViewModel& v)
{
    // quietly: the pages are drawn from the run when the window next opens
    view_ = v;
    table_->showView();
    graph_->showChoice();
    momentum_->showPlaces();
    investigate_->showChoice();
    const QSignalBlocker quietPage(tabs_);
    showEnergy->setChecked(v.energyPage);
    tabs_->setCurrentIndex(v.page);
}
