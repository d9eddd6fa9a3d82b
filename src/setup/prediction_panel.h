#pragma once
#include <QWidget>
#include <array>

#include "engine/prediction.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Predict First's panel: each puck's speed and direction after the
// interaction as the class predicts them, "Reveal", and then the prediction
// against what happened. It shows the prediction and changes it; the run
// and the table are the window's.
class PredictionPanel : public QWidget {
    Q_OBJECT
public:
    // `unit`: the table's length unit, "cm" or "m".
    PredictionPanel(sim::Prediction& p, const sim::SimState& s, const QString& unit, QWidget* parent);

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

signals:
    void predictionChanged();
    void revealPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const QString& unit);
    void read(int puck);
    void fillTable();

    sim::Prediction& p_;
    const sim::SimState& s_;
    bool comma_ = false;
    QLabel* status_ = nullptr;
    QLabel* note_ = nullptr;
    std::array<QLineEdit*, 2> speeds_{}, directions_{};
    QPushButton* reveal_ = nullptr;
    QTableWidget* table_ = nullptr;
};
