#pragma once
// Keeps the controls a lesson leaves out switched off, whatever the window's
// own code asks of them later. A lesson lasts as long as the program runs.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

class LessonLock : public QObject {
public:
    explicit LessonLock(QObject* parent = nullptr) : QObject(parent) {}

    void lock(QWidget* w);
    void lock(QAction* a);
    // The menu out of the menu bar, and every entry in it off, keys included.
    void hide(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
