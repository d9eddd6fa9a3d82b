#pragma once
#include <QDialog>
#include <optional>
#include <utility>

#include "engine/challenge.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class PlatformServices;
class RecordApplier;
class TableAccess;

// File > Challenge: a kind and a seed set the table up with one value
// hidden; the class's answer is checked against it, three tries, then it
// may be revealed. The challenge itself is the table window's.
class ChallengeDialog : public QDialog {
    Q_OBJECT
public:
    ChallengeDialog(TableAccess& window, RecordApplier& applier, PlatformServices& platform);

    // The table set up for `kind` and `seed`, the dialog showing it.
    void setUp(sim::ChallengeKind kind, int seed);
    // The dialog as the challenge stands.
    void showChallenge();
    // Shown beside the table where the screen has room, with the keyboard.
    void showBesideTable();
    // A student who joined a class: the kind and seed stay their code's.
    void keepTo(sim::ChallengeKind kind, int seed);

    QComboBox* kindBox() const { return kind_; }
    QSpinBox* seedBox() const { return seed_; }
    QLineEdit* answerField() const { return answer_; }
    QPushButton* checkButton() const { return check_; }
    QPushButton* revealButton() const { return reveal_; }
    QLabel* verdictLabel() const { return verdict_; }

protected:
    // a lesson's challenge keeps its dialog: the menu that opens it may be hidden
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    std::optional<std::pair<sim::ChallengeKind, int>> kept_;
    void build();
    void checkAnswer();
    void reveal();
    QString valueText() const;

    TableAccess& w_;
    RecordApplier& applier_;
    PlatformServices& platform_;
    QComboBox* kind_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* setUp_ = nullptr;
    QLabel* task_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QLabel* unit_ = nullptr;
    QPushButton* check_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* reveal_ = nullptr;
    QPushButton* close_ = nullptr;
    bool comma_ = false;
};
