#pragma once
#include <QWidget>

#include "datawin/table_text.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class PlatformServices;

// The "&Data" page: the run as a TAB-separated table.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(PlatformServices& platform, QWidget* parent = nullptr);

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

    PlatformServices& platform_;
    dw::RunData run_;
};
