#pragma once
// File > Hand In...: where the hand-in goes, a file the student chooses or
// the teacher's Slidora collecting on the classroom's network.

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;
class QRadioButton;

class HandInDialog : public QDialog {
    Q_OBJECT
public:
    HandInDialog(QWidget* parent, const QString& name, const QString& address);

    QRadioButton* toFile() const { return toFile_; }
    QRadioButton* toTeacher() const { return toTeacher_; }
    QLineEdit* addressField() const { return address_; }
    QLabel* problem() const { return problem_; }
    // After OK: the collector's address, or empty for a file.
    const QUrl& url() const { return url_; }

    void accept() override;

private:
    QRadioButton* toFile_;
    QRadioButton* toTeacher_;
    QLineEdit* address_;
    QLabel* problem_;
    QUrl url_;
};
