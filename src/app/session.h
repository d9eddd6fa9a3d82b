#pragma once
// The program's windows, made again when the zoom changes: the table
// window, its name dialog, the data window and the Experiment box, at one
// zoom for all, with the set-up and the run kept across.

#include <QObject>
#include <memory>

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

    // Makes the windows again at `percent`, keeping the set-up and the run,
    // and remembers the zoom for the next start.
    void setZoom(int percent);

    // The zoom remembered from the last start.
    static int rememberedZoom();

    // The scale of the windows at `percent`: the user's own QT_SCALE_FACTOR
    // (its text, read as Qt reads it) times the zoom.
    static qreal scaleFor(int percent, const QByteArray& userScale);

private:
    void makeWindows();
    void dropWindows();

    PlatformServices& platform_;
    QByteArray userScale_;   // QT_SCALE_FACTOR as the program started
    int zoom_ = 100;
    QString who_;   // "Who Am I", kept across a zoom's new windows
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<NameDialog> nameDialog_;
    std::unique_ptr<DataWindow> data_;
    std::unique_ptr<ExperimentBox> experiments_;
};
