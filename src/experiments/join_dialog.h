#pragma once
// File > Join Class...: a student's name and the code from their slip. A
// mistyped code is said at once, and names no other student.

#include <QDialog>
#include <optional>

#include "experiments/class_code.h"

class QLabel;
class QLineEdit;

class JoinDialog : public QDialog {
    Q_OBJECT
public:
    explicit JoinDialog(QWidget* parent, const QString& name = QString());

    QLineEdit* nameField() const { return name_; }
    QLineEdit* codeField() const { return code_; }
    QLabel* problem() const { return problem_; }
    // After OK: the name and the code's fields.
    QString name() const;
    const std::optional<cls::CodeFields>& code() const { return fields_; }

    void accept() override;

private:
    QLineEdit* name_;
    QLineEdit* code_;
    QLabel* problem_;
    std::optional<cls::CodeFields> fields_;
};
