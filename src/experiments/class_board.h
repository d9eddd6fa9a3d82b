#pragma once
// File > Class Results...: the teacher's board over a class file and a
// folder of hand-ins, a row per student on the roster and the files that
// were not merged apart. The folder is watched and read in a worker, so a
// full folder never stalls the window.

#include <QDialog>
#include <functional>
#include <optional>

#include "experiments/class_results.h"

class PlatformServices;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
namespace cls {
class Collector;
}
class QFileSystemWatcher;
class QLabel;
class QTableWidget;

class ClassBoard : public QDialog {
    Q_OBJECT
public:
    ClassBoard(const cls::ClassFile& c, const QString& folder, PlatformServices& platform, QWidget* parent);
    ~ClassBoard() override;

    QTableWidget* rows() const { return rows_; }
    QTableWidget* apart() const { return apart_; }
    const cls::ClassResults& results() const { return results_; }
    QPushButton* collectButton() const { return collect_; }
    QSpinBox* portField() const { return port_; }
    QLabel* collecting() const { return collecting_; }
    QCheckBox* projectPredictions() const { return project_; }
    QComboBox* predictedValue() const { return predictedValue_; }
    // Told the class's predictions to show on the projector, or none.
    void onPredictions(std::function<void(const std::optional<sim::ClassPredictions>&)> show);
    // Whether hand-ins are being taken over the network, and on which port.
    cls::Collector* collector() const { return collector_; }
    // The folder read again now, in the worker; `done` when it is shown.
    void readAgain();

signals:
    void shown();

private:
    void showResults(const cls::ClassResults& r, const QString& error);
    void exportText();
    QLayout* collectRow();
    QLayout* predictionsRow();
    void showPredictions();
    void toggleCollecting();

    cls::ClassFile class_;
    QString folder_;
    PlatformServices& platform_;
    QTableWidget* rows_;
    QTableWidget* apart_;
    QLabel* status_;
    QPushButton* collect_;
    QSpinBox* port_;
    QLabel* collecting_;
    cls::Collector* collector_ = nullptr;
    QCheckBox* project_;
    QComboBox* predictedValue_;
    std::function<void(const std::optional<sim::ClassPredictions>&)> showPredictions_;
    QFileSystemWatcher* watcher_;
    cls::ClassResults results_;
    bool reading_ = false, again_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
