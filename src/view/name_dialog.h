#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "I am ....": asks for the name printed on every page.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    explicit NameDialog(QWidget* parent = nullptr);

    QString name() const;
    QLineEdit* nameField() const { return Iam_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* Iam_;
    QPushButton* ok_;
};
