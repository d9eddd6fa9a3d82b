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
    // What the keys read of the box's state, never of its widgets.
    struct Views {
        std::function<QPushButton*()> defaultButton;   // Return's when no button has the focus
        std::function<bool(QPushButton*)> present;   // a button the box offers now
        std::function<bool()> shown;   // the box is up
    };
    // `buttons` lists the box's buttons.
    BoxKeys(QWidget* box, std::vector<QPushButton*> buttons, Views views, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool concerns(QObject* watched, const QKeyEvent& key) const;
    QPushButton* buttonFor(const QKeyEvent& key) const;

    QWidget* box_;
    std::vector<QPushButton*> buttons_;
    Views views_;
};
