#include "experiments/class_board.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include "experiments/class_collector.h"
#include "experiments/result_folder.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/safe_save.h"

namespace {

QTableWidget* table(QWidget* parent, const QStringList& header)
{
    auto* t = new QTableWidget(0, static_cast<int>(header.size()), parent);
    t->setHorizontalHeaderLabels(header);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void put(QTableWidget* t, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

}   // namespace

ClassBoard::ClassBoard(const cls::ClassFile& c, const QString& folder, PlatformServices& platform, QWidget* parent)
    : QDialog(parent), class_(c), folder_(folder), platform_(platform)
{
    setWindowTitle(tr("Class Results: %1").arg(c.name));
    rows_ = table(this,
                  {tr("Name"), tr("Handed in"), tr("Last answer"), tr("Right"), tr("Tries"), tr("Revealed"),
                   tr("Prediction errors"), tr("Time")});
    apart_ = table(this, {tr("File"), tr("Not merged, because")});
    status_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Cop&y"), QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(tr("E&xport..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this,
            [this] { platform_.copyText(QString::fromStdString(cls::resultsText(results_, "tsv"))); });
    connect(save, &QPushButton::clicked, this, [this] { exportText(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(rows_, 3);
    layout->addWidget(new QLabel(tr("Files not merged:"), this));
    layout->addWidget(apart_, 1);
    layout->addLayout(predictionsRow());
    layout->addLayout(collectRow());
    layout->addWidget(buttons);
    resize(820, 560);
    watcher_ = new QFileSystemWatcher({folder}, this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { readAgain(); });
    // a file copied in is seen at its creation, perhaps before its last byte: looked at again now and then
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { readAgain(); });
    timer->start(5000);
    readAgain();
}

ClassBoard::~ClassBoard()
{
    *alive_ = false;   // a reading still under way shows nothing
}

void ClassBoard::readAgain()
{
    if (reading_) {
        again_ = true;   // once more when this one ends: files may have come meanwhile
        return;
    }
    reading_ = true;
    const std::shared_ptr<bool> alive = alive_;
    QPointer<ClassBoard> self(this);
    const cls::ClassFile c = class_;
    const QString folder = folder_;
    QThreadPool::globalInstance()->start([alive, self, c, folder] {
        cls::ClassResults r;
        QString error;
        readResults(c, folder, &r, &error);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, self, r, error] {
                if (*alive && self)
                    self->showResults(r, error);
            },
            Qt::QueuedConnection);
    });
}

void ClassBoard::showResults(const cls::ClassResults& r, const QString& error)
{
    reading_ = false;
    results_ = r;
    int handedIn = 0;
    rows_->setRowCount(static_cast<int>(r.rows.size()));
    for (size_t i = 0; i < r.rows.size(); ++i) {
        const cls::ResultRow& row = r.rows[i];
        handedIn += row.handedIn;
        QStringList errors;
        for (double e : row.predictionErrors)
            errors << lang::shown(QString::number(e, 'f', 2));
        const QString yes = tr("yes"), no = tr("no");
        put(rows_, static_cast<int>(i),
            {row.student.name, row.handedIn ? yes : no,
             row.answered ? lang::shown(QString::number(row.lastAnswer, 'f', 2)) : QString(),
             row.handedIn ? (row.right ? yes : no) : QString(), row.handedIn ? QString::number(row.tries) : QString(),
             row.handedIn ? (row.revealed ? yes : no) : QString(), errors.join(QLatin1Char(' ')), row.time});
    }
    apart_->setRowCount(static_cast<int>(r.rejected.size()));
    for (size_t i = 0; i < r.rejected.size(); ++i)
        put(apart_, static_cast<int>(i), {r.rejected[i].file, r.rejected[i].reason});
    showPredictions();
    status_->setText(error.isEmpty() ? tr("%1 of %2 handed in, from %3").arg(handedIn).arg(r.rows.size()).arg(folder_)
                                     : error);
    emit shown();
    if (again_) {
        again_ = false;
        readAgain();
    }
}

QLayout* ClassBoard::predictionsRow()
{
    project_ = new QCheckBox(tr("Show the class's &predictions on the presentation window:"), this);
    predictedValue_ = new QComboBox(this);
    predictedValue_->addItems(
        {tr("red speed after"), tr("red direction after"), tr("black speed after"), tr("black direction after")});
    predictedValue_->setCurrentIndex(int(sim::PredictedOf::BlackSpeed));
    connect(project_, &QCheckBox::toggled, this, [this] { showPredictions(); });
    connect(predictedValue_, &QComboBox::currentIndexChanged, this, [this] { showPredictions(); });
    auto* row = new QHBoxLayout;
    row->addWidget(project_);
    row->addWidget(predictedValue_);
    row->addStretch(1);
    return row;
}

void ClassBoard::onPredictions(std::function<void(const std::optional<sim::ClassPredictions>&)> show)
{
    showPredictions_ = std::move(show);
    showPredictions();
}

void ClassBoard::showPredictions()
{
    if (!showPredictions_)
        return;
    if (!project_->isChecked()) {
        showPredictions_(std::nullopt);
        return;
    }
    showPredictions_(cls::classPredictions(results_, sim::PredictedOf(predictedValue_->currentIndex())));
}

QLayout* ClassBoard::collectRow()
{
    collect_ = new QPushButton(tr("Co&llect"), this);
    collect_->setToolTip(tr("Take hand-ins over the classroom's network while this window is open"));
    port_ = new QSpinBox(this);
    port_->setRange(1024, 65535);
    port_->setValue(8765);
    auto* portLabel = new QLabel(tr("Po&rt:"), this);
    portLabel->setBuddy(port_);
    collecting_ = new QLabel(tr("Not collecting: nothing listens on the network."), this);
    collecting_->setWordWrap(true);
    collecting_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(collect_, &QPushButton::clicked, this, [this] { toggleCollecting(); });
    auto* row = new QHBoxLayout;
    row->addWidget(collect_);
    row->addWidget(portLabel);
    row->addWidget(port_);
    row->addWidget(collecting_, 1);
    return row;
}

void ClassBoard::toggleCollecting()
{
    if (collector_) {
        delete collector_;   // the port is closed at once
        collector_ = nullptr;
        collect_->setText(tr("Co&llect"));
        port_->setEnabled(true);
        collecting_->setText(tr("Not collecting: nothing listens on the network."));
        return;
    }
    auto* collector = new cls::Collector(class_, folder_, this);
    QString error;
    if (!collector->start(QHostAddress::Any, quint16(port_->value()), &error)) {
        delete collector;
        collecting_->setText(tr("Not collecting: %1").arg(error));
        return;
    }
    collector_ = collector;
    collect_->setText(tr("Stop Co&llecting"));
    port_->setEnabled(false);
    const QString where = collector->addresses().join(QStringLiteral("  "));
    collecting_->setText(tr("Collecting: students type %1 in Hand In.").arg(where));
    connect(collector, &cls::Collector::received, this, [this, where](const QString& line) {
        collecting_->setText(tr("Collecting: students type %1 in Hand In.").arg(where) + QLatin1Char('\n') + line);
        readAgain();
    });
}

void ClassBoard::exportText()
{
    const QString path =
        platform_.saveFileName(this, tr("CSV (*.csv);;Tab-separated (*.tsv)"), QStringLiteral("csv"), QString());
    if (path.isEmpty())
        return;
    const std::string format = path.endsWith(QLatin1String(".tsv")) ? "tsv" : "csv";
    const std::string text = cls::resultsText(results_, format);
    SafeSave out(path);
    if (out.open())
        out.write(text);
    if (!out.commit())
        platform_.showMessage(this, out.message());
}
