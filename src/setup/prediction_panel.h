#pragma once
#include "ui/text_grid.h"
#include <QWidget>
#include <array>

#include "engine/prediction.h"
#include "ui/classroom_hub.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Predict First's panel: each puck's speed and direction after the
// interaction as the class predicts them, "Reveal", and then the prediction
// against what happened. It shows the classroom's prediction and sends
// the class's changes of it; the run and the table are the window's.
class PredictionPanel : public QWidget {
    Q_OBJECT
public:
    // `unit`: the table's length unit, "cm" or "m".
    PredictionPanel(ClassroomHub& classroom, const QString& unit, QWidget* parent);

    // Shows the prediction and the run's stage as they stand now.
    void showState();
    // Its size to its content, its place within the screen.
    void keepOnScreen();
    // The prediction's numbers again, changed elsewhere (the momentum page).
    void showPrediction();

    QLineEdit* speed(int puck) const { return speeds_[static_cast<size_t>(puck)]; }
    QLineEdit* direction(int puck) const { return directions_[static_cast<size_t>(puck)]; }
    QPushButton* revealButton() const { return reveal_; }
    QTableWidget* table() const { return table_; }
    QLabel* status() const { return status_; }
    // The table of the prediction against the outcome, its row labels first.
    static TextGrid predictionGrid(const sim::Prediction& p, const sim::SimState& s, const QString& unit);

signals:
    void revealPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const QString& unit);
    void read(int puck);
    void fillTable();
    static QStringList columnLabels();
    static QStringList rowLabels(const QString& unit);

    ClassroomHub& hub_;
    const sim::Prediction& p_;
    const sim::SimState& s_;
    bool sending_ = false;   // its own change: the fields keep what is typed
    bool comma_ = false;
    QString unit_;
    QLabel* status_ = nullptr;
    QLabel* note_ = nullptr;
    std::array<QLineEdit*, 2> speeds_{}, directions_{};
    QPushButton* reveal_ = nullptr;
    QTableWidget* table_ = nullptr;
};
