#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "datawin/arrow_geometry.h"
#include "datawin/data_view_model.h"
#include "datawin/run_data.h"
#include "engine/prediction.h"
#include "ui/canvas.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class MovableShape;
class PictureWidget;
class PlatformServices;

// The "&Momentum Analysis" page: the pucks' momenta as arrows, added by
// hand tail to head, with a blue resultant. Its scale, time, typed values
// and arrows are the window's model: the controls show it and change it.
class MomentumPage : public QWidget {
    Q_OBJECT
public:
    MomentumPage(PlatformServices& platform, dw::MomentumChoice& choice, QWidget* parent = nullptr);
    // The arrows' places and the own-analysis box as the model says, without
    // drawing: the window is closed and has no run yet.
    void showPlaces();
    // The whole of `c` shown and drawn, over the run set before.
    void showChoice(const dw::MomentumChoice& c);

    void setRun(const dw::RunData& run, int N)
    {
        run_ = run;
        N_ = N;
    }
    void startValues();
    void timeChanged();
    // The arrows' directions read from the run at sample T, and (`before`) at its start.
    void readAngles(int T, bool before);
    void recomputeArrows();
    void drawMomentum();
    void recomputeResultant();
    void setDotSize(int side);
    // Predict First: the prediction the after arrows show while the outcome
    // is hidden; `predict` sends a puck's (1 red, 2 black) new prediction
    // when a drag or a typed value changes it.
    void setPrediction(const sim::Prediction* p, std::function<void(int, const sim::PredictedPuck&)> predict);

    // The drag reactions of the seven draggable shapes; a shape's value is
    // the number of its arrow's tail circle (1, 3, 5, 7, 9), 10 for s10.
    void shapeDown();
    void shapeMove(MovableShape* shape, int x, int y);
    void shapeUp();
    int valueOf(const MovableShape* shape) const;

    MovableShape* handle(int arrow) const { return handles_[static_cast<size_t>(arrow)]; }   // 1..5
    MovableShape* circle(int j) const { return circles_[static_cast<size_t>(j)]; }   // 1..10
    dw::IPoint momHalf(int k) const { return momHalf_[static_cast<size_t>(k)]; }
    double momAngle(int k) const { return momAngle_[static_cast<size_t>(k)]; }
    Canvas& canvas() { return canvas_; }

    QGroupBox* vectors = nullptr;
    PictureWidget* momim = nullptr;
    QScrollBar* scalesb = nullptr;
    QScrollBar* timemomsb = nullptr;
    QLabel* timemomlb = nullptr;
    QLabel* bvlb = nullptr;
    QLabel* balb = nullptr;
    QGroupBox* acb = nullptr;
    QLineEdit* rbv = nullptr;
    QLineEdit* rav = nullptr;
    QLineEdit* bbv = nullptr;
    QLineEdit* bav = nullptr;
    QLineEdit* rba = nullptr;
    QLineEdit* raa = nullptr;
    QLineEdit* bba = nullptr;
    QLineEdit* baa = nullptr;

private:
    void editChanged(QLineEdit* edit, int k, bool angle);
    void editFinished(QLineEdit* edit);
    dw::IPoint at(const MovableShape* s) const;
    void moveTo(MovableShape* s, dw::IPoint p);
    void snap();
    void keepPlaces();
    std::array<MovableShape*, 7> placed() const;
    // Predict First
    void connectHeads();
    bool predicting() const;
    double massOf(int arrow) const;
    void predictedArrows();
    void predictedTexts();
    void showHeads();
    void typedPrediction(int arrow);
    void headMove(int arrow, int x, int y);

    PlatformServices& platform_;
    dw::MomentumChoice& choice_;
    Canvas canvas_;
    dw::RunData run_;
    int N_ = 1;
    std::array<MovableShape*, 6> handles_{};   // 1..4 arrows, 5 the resultant
    std::array<MovableShape*, 11> circles_{};   // 1..10
    std::array<dw::IPoint, 5> momHalf_{};
    dw::IPoint blueHalf_{30, 0};
    std::array<double, 6> momAngle_{};
    std::array<double, 5> ownMom_{}, ownAngle_{};
    bool momDragging_ = false;
    int snapArrow_ = 1;
    bool movingSquare_ = false;
    int draggedBlueEnd_ = 0;
    const sim::Prediction* prediction_ = nullptr;
    std::function<void(int, const sim::PredictedPuck&)> predict_;
};
