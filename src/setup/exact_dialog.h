#pragma once
#include <QDialog>
#include <array>

#include "engine/exact_setup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PlatformServices;

// "Set Up Exactly...": the set-up typed as numbers. Beside each field the
// value it will become; Ok refuses what no bar or drag can give, naming
// the field and its range.
class ExactDialog : public QDialog {
    Q_OBJECT
public:
    // `ranges`: the electrostatic range entries' captions and values.
    ExactDialog(const sim::SetupModel& m, const sim::SimState& s, const QList<QPair<QString, int>>& ranges,
                PlatformServices& platform, QWidget* parent = nullptr);

    QLineEdit* field(sim::ExactField f) const { return edits_[static_cast<size_t>(f)]; }
    QLabel* outcome(sim::ExactField f) const { return outcomes_[static_cast<size_t>(f)]; }
    QComboBox* range = nullptr;
    QPushButton* okButton = nullptr;
    QLabel* note = nullptr;

    // The numbers as typed; a field not shown, or not a number, as the set-up has it.
    sim::ExactNumbers typed() const;
    // A challenge's unknown: "?", not to be typed over; the set-up keeps it.
    void keepUnknown(sim::ExactField f);
    int rangeEntry() const;
    void accept() override;

private:
    void build(const QList<QPair<QString, int>>& ranges);
    void addRow(int row, const QString& caption, sim::ExactField red, sim::ExactField black);
    void preview();
    // a field's number, or false when it is not one
    bool read(sim::ExactField f, double* value) const;
    QString shown(sim::ExactField f, double value) const;
    QString rangeText(sim::ExactField f) const;
    QString nameOf(sim::ExactField f) const;
    QString unitOf(sim::ExactField f) const;

    const sim::SetupModel& m_;
    const sim::SimState& s_;
    PlatformServices& platform_;
    bool comma_ = false;
    sim::ExactNumbers now_{};
    std::array<QLineEdit*, sim::kExactFieldCount> edits_{};
    std::array<QLabel*, sim::kExactFieldCount> outcomes_{};
    std::array<QString, sim::kExactFieldCount> shownAtStart_{};
    std::array<bool, sim::kExactFieldCount> unknown_{};
};
