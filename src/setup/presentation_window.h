#pragma once
// "Presentation Window": the table picture scaled to fit a projector, and
// under it the time and the pucks' speeds in large type. It only looks.

#include <QWidget>

#include "engine/classroom.h"

class QLabel;

class PresentationWindow : public QWidget {
    Q_OBJECT
public:
    // `table`: the panel whose picture area (with the pucks and handles on
    // it) is shown; `timeLabel`: the table window's time caption.
    // While an outcome is held for a prediction no speed after it is shown,
    // nor a launch speed being sought.
    PresentationWindow(QWidget* table, QLabel* timeLabel, const sim::Classroom& room);

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
    const sim::Classroom& room_;
    const sim::SimState& s_;
    const sim::SetupModel& m_;
    bool grabbing_ = false;
};
