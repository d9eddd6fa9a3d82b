#pragma once
#include <QWidget>

#include "datawin/data_view_model.h"
#include "datawin/table_text.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class PlatformServices;

// The "&Data" page: the run as a TAB-separated table. Its columns,
// frequency and angle unit are the window's model; the boxes show it and
// change it.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(PlatformServices& platform, dw::DataViewModel& view, QWidget* parent = nullptr);
    // The boxes as the model now says, without a rebuild.
    void showView();

    void setRun(const dw::RunData& run) { run_ = run; }
    void buildTable();
    dw::TableChoice choice() const;

    QPlainTextEdit* datamem = nullptr;
    QGroupBox* redRow = nullptr;
    QGroupBox* blackRow = nullptr;
    QCheckBox* speed1cb = nullptr;
    QCheckBox* angle1cb = nullptr;
    QCheckBox* energy1cb = nullptr;
    QCheckBox* mom1cb = nullptr;
    QCheckBox* speed2cb = nullptr;
    QCheckBox* angle2cb = nullptr;
    QCheckBox* energy2cb = nullptr;
    QCheckBox* mom2cb = nullptr;
    QCheckBox* Sprcb = nullptr;
    QCheckBox* radcb = nullptr;
    QComboBox* cbfreq = nullptr;
    QScrollBar* tdsb = nullptr;
    QLabel* tdlb = nullptr;
    QPushButton* copyallbt = nullptr;
    QPushButton* copysbt = nullptr;

private:
    void timeChanged();
    void copySelection();

    QCheckBox* columnBox(int column) const;

    PlatformServices& platform_;
    dw::DataViewModel& view_;
    dw::RunData run_;
};
