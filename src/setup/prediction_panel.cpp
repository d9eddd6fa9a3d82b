#include "setup/prediction_panel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/exact_setup.h"
#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/placement.h"

namespace {
const sim::PredictedPuck& puckOf(const sim::Prediction& p, int puck)
{
    return puck == 0 ? p.red : p.black;
}

QString number(double x, int decimals)
{
    return lang::shown(num::F(x, 1, decimals));
}
}   // namespace

PredictionPanel::PredictionPanel(ClassroomHub& classroom, const QString& unit, QWidget* parent)
    : QWidget(parent, Qt::Dialog), hub_(classroom), p_(classroom.room().prediction()), s_(classroom.room().state()),
      unit_(unit)   // a tool window would share the table's keys
{
    setWindowTitle(tr("Predict First"));
    setAttribute(Qt::WA_ShowWithoutActivating);   // the keyboard comes here only when the run is held
    comma_ = QLocale(lang::current()).decimalPoint() == QLatin1String(",");
    build(unit);
    showPrediction();
    for (int puck = 0; puck < 2; ++puck)
        for (QLineEdit* e : {speeds_[static_cast<size_t>(puck)], directions_[static_cast<size_t>(puck)]})
            connect(e, &QLineEdit::textEdited, this, [this, puck] { read(puck); });
    connect(reveal_, &QPushButton::clicked, this, &PredictionPanel::revealPressed);
    connect(&hub_, &ClassroomHub::changed, this, [this](unsigned bits) {
        if (!sending_ && sim::Changes::fromBits(bits).has(sim::Part::Prediction))
            showPrediction();
    });
    showState();
}

void PredictionPanel::showPrediction()
{
    for (int puck = 0; puck < 2; ++puck) {
        const sim::PredictedPuck& q = puckOf(p_, puck);
        speeds_[static_cast<size_t>(puck)]->setText(q.given ? number(q.speed, 2) : QString());
        directions_[static_cast<size_t>(puck)]->setText(q.given ? number(q.direction, 1) : QString());
    }
    note_->clear();
}

void PredictionPanel::build(const QString& unit)
{
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Speed (%1/s)").arg(unit), this), 0, 1);
    grid->addWidget(new QLabel(tr("Direction (°)"), this), 0, 2);
    const QString names[2] = {tr("Re&d puck after:"), tr("&Black puck after:")};
    const QString speedNames[2] = {tr("Red puck's predicted speed"), tr("Black puck's predicted speed")};
    const QString directionNames[2] = {tr("Red puck's predicted direction"), tr("Black puck's predicted direction")};
    for (size_t i = 0; i < 2; ++i) {
        auto* label = new QLabel(names[i], this);
        speeds_[i] = new QLineEdit(this);
        directions_[i] = new QLineEdit(this);
        label->setBuddy(speeds_[i]);
        speeds_[i]->setAccessibleName(speedNames[i]);
        directions_[i]->setAccessibleName(directionNames[i]);
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(label, row, 0);
        grid->addWidget(speeds_[i], row, 1);
        grid->addWidget(directions_[i], row, 2);
    }
    layout->addLayout(grid);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    layout->addWidget(note_);
    reveal_ = new QPushButton(tr("&Reveal"), this);
    layout->addWidget(reveal_);
    table_ = new QTableWidget(sim::PredictedValueCount, 3, this);
    table_->setHorizontalHeaderLabels(columnLabels());
    table_->setVerticalHeaderLabels(rowLabels(unit));
    table_->setAccessibleName(tr("Prediction against the outcome"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(table_);
}

void PredictionPanel::read(int puck)
{
    const QString text[2] = {speeds_[static_cast<size_t>(puck)]->text().trimmed(),
                             directions_[static_cast<size_t>(puck)]->text().trimmed()};
    sim::PredictedPuck q;
    double v[2] = {0.0, 0.0};
    QString wrong;
    for (int i = 0; i < 2; ++i) {
        const bool ok = text[i].isEmpty() || sim::parseTyped(text[i].toStdString(), comma_, &v[i]);
        if (!ok || (i == 0 && v[0] < 0.0) || std::fabs(v[i]) > 1e6)
            wrong = i == 0 ? tr("A speed is a number, 0 or more.") : tr("A direction is a number of degrees.");
    }
    q.given = wrong.isEmpty() && !text[0].isEmpty();
    q.speed = q.given ? v[0] : 0.0;
    q.direction = q.given ? v[1] : 0.0;
    note_->setText(wrong);
    sending_ = true;
    hub_.run(&sim::Classroom::predict, puck + 1, q);
    sending_ = false;
}

void PredictionPanel::showState()
{
    const bool held = p_.hiding();
    status_->setText(held              ? tr("Predict the outcome, then press Reveal")
                         : p_.revealed ? tr("The outcome, with your prediction beside it.")
                                       : tr("Start the run: it stops where the pucks begin to act on each other."));
    reveal_->setEnabled(held);
    const bool table = p_.revealed && p_.hideFrom > 0;
    table_->setVisible(table);
    if (table)
        fillTable();
    if (isVisible())
        keepOnScreen();
}

// Grown by its table: placed again where it covers neither the screen's
// edge nor the table window.
void PredictionPanel::keepOnScreen()
{
    adjustSize();
    const QScreen* screen = this->screen();
    QWidget* table = parentWidget();
    if (!screen || !table)
        return;
    const QRect frame = frameGeometry();
    if (!screen->availableGeometry().contains(frame) || frame.intersects(table->frameGeometry()))
        place::showBeside(*this, *table);
}

QStringList PredictionPanel::columnLabels()
{
    return {tr("Predicted"), tr("Actual"), tr("Difference")};
}

QStringList PredictionPanel::rowLabels(const QString& unit)
{
    return {tr("red speed (%1/s)").arg(unit),
            tr("red direction (°)"),
            tr("red momentum (kg %1/s)").arg(unit),
            tr("black speed (%1/s)").arg(unit),
            tr("black direction (°)"),
            tr("black momentum (kg %1/s)").arg(unit),
            tr("total momentum (kg %1/s)").arg(unit),
            tr("kinetic energy kept (%)"),
            tr("red velocity x (%1/s)").arg(unit),
            tr("red velocity y (%1/s)").arg(unit),
            tr("black velocity x (%1/s)").arg(unit),
            tr("black velocity y (%1/s)").arg(unit)};
}

TextGrid PredictionPanel::predictionGrid(const sim::Prediction& p, const sim::SimState& s, const QString& unit)
{
    const sim::PredictionTable t = sim::predictionTable(p, s, s.timeLineEnd);
    const auto& decimals = sim::kPredictedDecimals;
    const QStringList labels = rowLabels(unit);
    TextGrid grid;
    grid.header = QStringList{QString()} + columnLabels();
    for (int r = 0; r < sim::PredictedValueCount; ++r) {
        const sim::PredictionLine& l = t[static_cast<size_t>(r)];
        grid.rows.append({{labels[r], false},
                          {l.hasPredicted ? number(l.predicted, decimals[r]) : QStringLiteral("-")},
                          {l.hasActual ? number(l.actual, decimals[r]) : QStringLiteral("-")},
                          {l.hasDifference() ? number(l.difference, decimals[r]) : QStringLiteral("-")}});
    }
    return grid;
}

void PredictionPanel::fillTable()
{
    const TextGrid grid = predictionGrid(p_, s_, unit_);
    for (int r = 0; r < sim::PredictedValueCount; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(grid.rows[r][c + 1].text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    // the whole table in view: it is short
    table_->resizeColumnsToContents();
    const int frame = 2 * table_->frameWidth();
    table_->setFixedSize(table_->verticalHeader()->width() + table_->horizontalHeader()->length() + frame,
                         table_->horizontalHeader()->height() + table_->verticalHeader()->length() + frame);
}

void PredictionPanel::closeEvent(QCloseEvent* event)
{
    // while the outcome is hidden this is where the run goes on from
    if (p_.hiding())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
