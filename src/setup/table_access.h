#pragma once
// What the windows over the table (the data window, the Experiment box,
// the Challenge dialog) may use of it: the classroom it shows, the set-up's
// rules, a few of its menu entries, and a handful of its actions. They never
// see the table window itself, which is one view of the classroom among others.

#include <QImage>

#include "engine/setup_rules.h"
#include "ui/classroom_hub.h"

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QWidget;

// The few controls of the table window that the Experiment box and the
// data window work with; the rest stay the table window's own.
struct TableLinks {
    QGroupBox* experimentBox;
    QAction* load;
    QAction* save;
    QAction* challenge;   // "C&hallenge..."
    QAction* openLesson;   // "&Open Lesson..."
    QAction* joinClass;   // "&Join Class..."
    QAction* handIn;   // "Hand &In..."
    QAction* newClass;   // "&New Class..."
    QAction* classResults;   // "Class &Results..."
    QMenu* runExperiment;
    QPushButton* showData;   // "Show Data Table"
    QAction* dotNormal;
    QAction* dotLarge;
    QAction* zoomReset;   // the zoom's keys, for the windows over this one
    QAction* zoomIn;
    QAction* zoomOut;
};

class TableAccess {
public:
    virtual ~TableAccess() = default;

    // the window, as the parent and the neighbour of the windows over it
    virtual QWidget& tableWidget() = 0;
    virtual ClassroomHub& classroom() = 0;
    const sim::Classroom& room() { return classroom().room(); }
    virtual sim::SetupRules& rules() = 0;
    virtual sim::SetupHost& setupHost() = 0;
    virtual TableLinks links() const = 0;
    // Reset, as its button does
    virtual void resetRun() = 0;
    // The set-up's controls show the model again (a file or an entry applied).
    virtual void showSetUp() = 0;
    // Print with the table's printer and the name of "Who Am I".
    virtual void printPicture(const QImage& picture) = 0;
};
