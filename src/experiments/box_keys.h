#pragma once
// While the Experiment box shows, the keyboard works it as it would a
// dialog: Return presses its focused or default button, its access keys win
// over the menu bar's, and the table's own keys do not act behind it. The
// mouse still reaches the table.

#include <QObject>
#include <functional>
#include <vector>

class QKeyEvent;
class QPushButton;
class QWidget;

class BoxKeys : public QObject {
public:
    // `buttons` lists the box's buttons; `defaultButton` names the one Return
    // presses when none of them has the focus.
    BoxKeys(QWidget* box, std::vector<QPushButton*> buttons, std::function<QPushButton*()> defaultButton,
            QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool concerns(QObject* watched, const QKeyEvent& key) const;
    QPushButton* buttonFor(const QKeyEvent& key) const;

    QWidget* box_;
    std::vector<QPushButton*> buttons_;
    std::function<QPushButton*()> default_;
};
