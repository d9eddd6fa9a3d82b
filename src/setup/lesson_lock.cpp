#include "setup/lesson_lock.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QWidget>

void LessonLock::lock(QWidget* w)
{
    w->setEnabled(false);
    w->installEventFilter(this);
}

void LessonLock::lock(QAction* a)
{
    a->setEnabled(false);
    // the window's own code may switch it on again
    connect(a, &QAction::changed, this, [a] {
        if (a->isEnabled())
            a->setEnabled(false);
    });
}

void LessonLock::hide(QMenu* menu)
{
    for (QAction* a : menu->actions()) {
        if (a->menu())
            hide(a->menu());
        lock(a);
    }
    menu->menuAction()->setVisible(false);
}

bool LessonLock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->isEnabled())
            w->setEnabled(false);
    return QObject::eventFilter(watched, event);
}
