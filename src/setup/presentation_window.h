#pragma once
// "Presentation Window": the table picture scaled to fit a projector, and
// under it the time and the pucks' speeds in large type. It only looks.

#include <QWidget>

#include "engine/challenge.h"
#include "engine/prediction.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"

class QLabel;

class PresentationWindow : public QWidget {
    Q_OBJECT
public:
    // `table`: the panel whose picture area (with the pucks and handles on
    // it) is shown; `timeLabel`: the table window's time caption.
    PresentationWindow(QWidget* table, QLabel* timeLabel, const sim::SimState& s, const sim::SetupModel& m);
    // Predict First: while the outcome is hidden, no speed after it is shown.
    void setPrediction(const sim::Prediction* p) { prediction_ = p; }
    void setChallenge(const sim::Challenge* c) { challenge_ = c; }

    // On a screen of its own when there is one, else an ordinary window.
    void open();
    // The caption under the picture: time and speeds.
    QString captionText() const;
    // The table's picture as shown, before scaling.
    QImage tablePicture() const;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* table_;
    QLabel* timeLabel_;
    const sim::SimState& s_;
    const sim::SetupModel& m_;
    const sim::Prediction* prediction_ = nullptr;
    const sim::Challenge* challenge_ = nullptr;
    bool grabbing_ = false;
};
