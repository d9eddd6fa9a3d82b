#pragma once
#include <QObject>
#include <QRect>
#include <QStringList>
#include <functional>

#include "datawin/fit.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QWidget;
class PictureWidget;
class PlatformServices;

// Where a page puts its fit's controls and what they are called.
struct FitLayout {
    QRect kind, source, from, to, result, copy;
    QStringList kinds, sources;   // no sources: the page fills them
    QString kindName, sourceName, fromName, toName;   // for screen readers
    double step = 1.0, lowest = -1e6, highest = 1e6;
    QString suffix;
};

// The page's own choice of fit: its kind (0 none), what it fits, its stretch.
struct FitChoiceRef {
    int& kind;
    int& source;
    double& from;
    double& to;
};

// A fit's controls, the same on the Graph and the Investigate page: its kind,
// what it fits, the stretch's ends (typed, stepped by the arrow keys, or
// dragged across the picture), what it found, and Copy. They show the page's
// choice and change it; the page draws.
class FitControls : public QObject {
    Q_OBJECT
public:
    FitControls(QWidget* page, PlatformServices& platform, FitChoiceRef choice, PictureWidget* picture,
                const FitLayout& layout);

    // the page's part: drawn again after a change; the stretch when a fit is
    // first chosen; the horizontal axis's value at a pixel of the picture
    std::function<void()> redraw, firstStretch;
    std::function<double(int)> valueAt;

    void show();
    // The fit's numbers: each parameter with its unit, then its errors.
    void showFit(const dw::Fit& f, const QStringList& units);

    QComboBox* kind = nullptr;
    QComboBox* source = nullptr;
    QDoubleSpinBox* from = nullptr;
    QDoubleSpinBox* to = nullptr;
    QLabel* result = nullptr;
    QPushButton* copy = nullptr;

private:
    void build(QWidget* page, const FitLayout& layout);
    void connectAll(PlatformServices& platform, PictureWidget* picture);

    FitChoiceRef choice_;
    bool dragging_ = false;
};

// The parameters' units: `y` the fitted value's, `x` the axis's as it is to
// be written after a "/" ("s", "(kg)").
QStringList fitUnits(dw::FitModel model, const QString& x, const QString& y);
