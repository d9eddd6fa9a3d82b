#pragma once
// The data window's Energy page, shown when File > Show Energy Page is on:
// the energy bars at the table's time bar, drawn from the run's numbers.

#include <QWidget>

#include "datawin/energy_bars.h"
#include "ui/canvas.h"

class EnergyPage : public QWidget {
    Q_OBJECT
public:
    explicit EnergyPage(QWidget* parent = nullptr);

    void show(const dw::EnergyBarsData& d, const QString& unit);
    const Canvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Canvas canvas_;
};
