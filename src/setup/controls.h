#pragma once
// The table window's controls, by the names the rest of the program uses.
// They show the set-up model and change it through its rules; no setting
// lives in a control.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "ui/canvas.h"
#include "ui/operations.h"
#include "ui/widgets.h"

class MovableShape;
class PictureWidget;

// The names are those of the layout, and each is also the control's object
// name. Their endings say what they are: sb a scroll bar, lb a label, bt a
// button, cb a check box or drop-down list (tracecb is a menu entry), rb a
// radio button, sh a movable shape, gb a group box, im a picture; a name
// ending in 1 is a menu entry or a frame. Where a name misleads, its
// declaration says what it is.
struct Controls {
    // table panel
    QFrame* Panel1 = nullptr;
    PictureWidget* tableim = nullptr;
    MovableShape* puck1 = nullptr;
    MovableShape* puck2 = nullptr;
    MovableShape* redansh = nullptr;
    MovableShape* blackansh = nullptr;
    MovableShape* velsh = nullptr;
    MovableShape* copyshape = nullptr;
    QGroupBox* expgb = nullptr;

    // control panel
    QFrame* Panel2 = nullptr;
    QTabWidget* TabbedNotebook1 = nullptr;
    QPushButton* Startbt = nullptr;
    QPushButton* Resetbt = nullptr;
    QLabel* Timelb = nullptr;
    QScrollBar* Timesb = nullptr;
    QFrame* Shape2 = nullptr;   // the frame around Replay
    QPushButton* dstartbt = nullptr;   // "Replay"
    QScrollBar* replaysb = nullptr;   // the replay pace
    QToolButton* SpeedButton1 = nullptr;   // the exit button

    // "&Controls" page
    QPushButton* Recenterbt = nullptr;
    QPushButton* printtrbt = nullptr;
    QLabel* tableanglb = nullptr;
    QScrollBar* tableangsb = nullptr;
    QLabel* Label4 = nullptr;   // "Frequency", the caption of cbfreq
    QComboBox* cbfreq = nullptr;
    QLabel* percentlb = nullptr;
    QScrollBar* persb = nullptr;
    QGroupBox* springgb = nullptr;
    QLabel* klb = nullptr;
    QLabel* llb = nullptr;
    QLabel* slb = nullptr;
    QScrollBar* ksb = nullptr;
    QScrollBar* lsb = nullptr;

    // "&Data" page
    QScrollBar* c1sb = nullptr;
    QScrollBar* c2sb = nullptr;
    QLabel* c1lb = nullptr;
    QLabel* c2lb = nullptr;
    QScrollBar* m1sb = nullptr;
    QScrollBar* m2sb = nullptr;
    QLabel* m1lb = nullptr;
    QLabel* m2lb = nullptr;
    QScrollBar* v1sb = nullptr;
    QScrollBar* v2sb = nullptr;
    QLabel* v1lb = nullptr;
    QLabel* v2lb = nullptr;
    QFrame* Shape1 = nullptr;   // the black line between the two pucks' bars

    // "&Measurements" page
    QGroupBox* GroupBox1 = nullptr;   // the measuring tools
    QCheckBox* measurecb = nullptr;
    QRadioButton* rulerrb = nullptr;
    QRadioButton* Prorb = nullptr;
    QLabel* anslb = nullptr;   // the ruler's or protractor's reading
    QPushButton* showbt = nullptr;   // "Show Data Table"

    // timers
    QTimer* colltimer = nullptr;   // the run timer
    QTimer* delaytimer1 = nullptr;   // the replay timer

    // menu: File
    QMenu* runExperimentMenu = nullptr;
    QAction* Load1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* challenge1 = nullptr;   // "C&hallenge...": a mystery puck from a seed
    QAction* openLesson1 = nullptr;   // "&Open Lesson..."
    QAction* joinClass1 = nullptr;   // "&Join Class...": a student's code opens their challenge
    QAction* handIn1 = nullptr;   // "Hand &In...": the challenge's result file
    QAction* newClass1 = nullptr;   // "&New Class...": a class file from a names file
    QAction* classResults1 = nullptr;   // "Class &Results...": the teacher's board
    QAction* saveAnimation1 = nullptr;   // "Save &Animation...": the run as an animated GIF
    QAction* labSheet1 = nullptr;   // "La&b Sheet...": one page as PDF
    QAction* savePicture1 = nullptr;   // "Save &Picture...": the trace as PNG or SVG
    QAction* CopySelect1 = nullptr;
    QAction* PrintCopySelect1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* WhoAmI1 = nullptr;
    QAction* Exit1 = nullptr;

    // menu: View
    QMenu* typeMenu = nullptr;
    QAction* type2D = nullptr;
    QAction* type1D = nullptr;
    QMenu* massesMenu = nullptr;
    QAction* masses2 = nullptr;
    QAction* masses1 = nullptr;
    QAction* Centerofmass1 = nullptr;
    QAction* tracecb = nullptr;   // "&Trace Centers", a menu entry despite its name
    QAction* TraceBlock1 = nullptr;
    QAction* redb = nullptr;
    QAction* blackb = nullptr;
    QAction* reda = nullptr;
    QAction* blackA = nullptr;
    QAction* ShowForce1 = nullptr;
    QAction* Arrows1 = nullptr;
    QAction* ShowScale1 = nullptr;
    QAction* ShowGrid1 = nullptr;
    QAction* Labelmass1 = nullptr;
    // for the classroom, beyond the original menu
    QAction* presentation1 = nullptr;   // "Prese&ntation Window"
    QAction* predictFirst1 = nullptr;   // "&Predict First": the outcome hidden until revealed
    QAction* fullScreen1 = nullptr;   // "F&ull Screen", F11
    QAction* letterMarks1 = nullptr;   // "&Colour-Blind Friendly": letters and shapes too
    QMenu* zoomMenu = nullptr;   // "&Zoom": 100 % to 200 %
    QAction* zoom[4] = {};
    QAction* zoomIn1 = nullptr;   // Ctrl++
    QAction* zoomOut1 = nullptr;   // Ctrl+-

    // menu: Options
    QMenu* springMenu = nullptr;
    QAction* springElastic = nullptr;
    QAction* springInelastic = nullptr;
    QAction* Elastic1 = nullptr;
    QAction* Inelastic1 = nullptr;
    QAction* SemiElastic1 = nullptr;
    QMenu* electroMenu = nullptr;
    QAction* electroUnlimited = nullptr;
    QAction* electro100 = nullptr;
    QAction* electro50 = nullptr;
    QAction* electro20 = nullptr;
    QAction* Circle1 = nullptr;
    QMenu* timingMenu = nullptr;
    QAction* PlottingError1 = nullptr;
    QMenu* speedMenu = nullptr;
    QAction* speedSlow = nullptr;
    QAction* speedMedium = nullptr;
    QAction* speedFast = nullptr;
    QMenu* circleSizeMenu = nullptr;
    QAction* circleSmall = nullptr;
    QAction* circleMedium = nullptr;
    QAction* circleLarge = nullptr;
    QAction* circleBlackSmall = nullptr;
    QMenu* scaleMenu = nullptr;
    QAction* scaleSmall = nullptr;
    QAction* scaleMedium = nullptr;
    QAction* scaleLarge = nullptr;
    QMenu* dotSizeMenu = nullptr;
    QAction* dotNormal = nullptr;
    QAction* dotLarge = nullptr;
    QMenu* frictionMenu = nullptr;
    QAction* friction[5] = {};
    QAction* exactSetUp1 = nullptr;   // "Set &Up Exactly..."
    QAction* cmFrame1 = nullptr;   // "Centre-of-Mass &Frame": the run as the centre of mass sees it
    QAction* slowMotion1 = nullptr;   // "Slow &Motion at Contact": a quarter of the pace there

    // menu: Help
    QAction* guide1 = nullptr;   // "Slidora &Guide", F1
    QAction* About1 = nullptr;
};
