#pragma once
#include "app/lab_sheet.h"
// The program's windows, made again when the zoom changes: the table
// window, its name dialog, the data window and the Experiment box, at one
// zoom for all, with the set-up and the run kept across.

#include <QObject>
#include <functional>
#include <memory>

#include "experiments/experiment_box.h"
#include "ui/classroom_hub.h"

class DataWindow;
class ExperimentBox;
class NameDialog;
class PlatformServices;
class TableWindow;

class Session : public QObject {
    Q_OBJECT
public:
    // `percent`: 100, 125, 150 or 200; anything else is read as 100.
    Session(PlatformServices& platform, int percent);
    ~Session() override;

    TableWindow& table() { return *table_; }
    DataWindow& data() { return *data_; }
    ExperimentBox& experiments() { return *experiments_; }
    int zoom() const { return zoom_; }
    // The lesson at the table: it outlasts every window made over it.
    ClassroomHub& classroom() { return classroom_; }
    // The lab sheet of what the class may see now.
    LabSheet labSheet(const QString& name) const;

    // Makes the windows again at `percent`, keeping the set-up and the run,
    // and remembers the zoom for the next start.
    void setZoom(int percent);
    // Installs the language of `code` ("" as the system) and makes the
    // windows again in it, keeping everything as a zoom does.
    void setLanguage(const QString& code);

    // The set-up run without its timer through tick `lastTick`, and the
    // windows made again over it (the lab sheet from the command line).
    void runHeadless(int lastTick);

    // The zoom remembered from the last start.
    static int rememberedZoom();

    // The scale of the windows at `percent`: the user's own QT_SCALE_FACTOR
    // (its text, read as Qt reads it) times the zoom.
    static qreal scaleFor(int percent, const QByteArray& userScale);

private:
    void makeWindows();
    // File > Lab Sheet: the page as PDF, where the user chooses
    void saveLabSheet();
    void dropWindows();
    // The windows made again, the set-up, the run, the data window's and the
    // box's state kept; `change` runs between the old windows and the new.
    // An open data window is closed first and opened again after.
    void rebuild(const std::function<void()>& change, bool reopenData = false);

    PlatformServices& platform_;
    QByteArray userScale_;   // QT_SCALE_FACTOR as the program started
    int zoom_ = 100;
    QString who_;   // "Who Am I", kept across a zoom's new windows
    ClassroomHub classroom_;
    BoxState boxState_;   // the Experiment box's, across zooms and languages
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<NameDialog> nameDialog_;
    std::unique_ptr<DataWindow> data_;
    std::unique_ptr<ExperimentBox> experiments_;
};
