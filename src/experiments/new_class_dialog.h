#pragma once
// File > New Class...: the class's name, the challenge's kind and a names
// file, one student a line. The names are read and checked whole at OK.

#include <QDialog>
#include <QStringList>

#include "engine/challenge.h"

class PlatformServices;
class QComboBox;
class QLabel;
class QLineEdit;

class NewClassDialog : public QDialog {
    Q_OBJECT
public:
    NewClassDialog(PlatformServices& platform, QWidget* parent);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* namesFileField() const { return file_; }
    QComboBox* kindBox() const { return kind_; }
    QLabel* problem() const { return problem_; }
    // After OK: the class's name, its kind and the students.
    QString className() const;
    sim::ChallengeKind kind() const;
    const QStringList& students() const { return students_; }

    void accept() override;

private:
    PlatformServices& platform_;
    QLineEdit* name_;
    QLineEdit* file_;
    QComboBox* kind_;
    QLabel* problem_;
    QStringList students_;
};
