#include "experiments/box_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>

BoxKeys::BoxKeys(QWidget* box, std::vector<QPushButton*> buttons, Views views, QObject* parent)
    : QObject(parent), box_(box), buttons_(std::move(buttons)), views_(std::move(views))
{
    qApp->installEventFilter(this);
}

namespace {
bool isReturn(const QKeyEvent& k)
{
    return k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter;
}

bool isAltKey(const QKeyEvent& k)
{
    return (k.modifiers() & Qt::AltModifier) && k.key() != Qt::Key_Alt && k.key() != Qt::Key_unknown;
}

bool typesLineEnds(QObject* watched)
{
    const auto* edit = qobject_cast<QPlainTextEdit*>(watched);
    if (!edit && watched && watched->parent())
        edit = qobject_cast<QPlainTextEdit*>(watched->parent());   // its viewport
    return edit && !edit->isReadOnly();
}
}   // namespace

bool BoxKeys::concerns(QObject* watched, const QKeyEvent& key) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!views_.shown() || !widget || widget->window() != box_->window())
        return false;
    return isAltKey(key) || (isReturn(key) && !typesLineEnds(watched));
}

QPushButton* BoxKeys::buttonFor(const QKeyEvent& key) const
{
    if (isReturn(key)) {
        for (QPushButton* b : buttons_)
            if (b->hasFocus() && views_.present(b))
                return b;
        return views_.defaultButton();
    }
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
    for (QPushButton* b : buttons_)
        if (views_.present(b) && b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed)
            return b;
    return nullptr;
}

bool BoxKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!concerns(watched, *key))
        return false;
    // Overriding keeps every shortcut of the window (the menu bar's access
    // keys, Start's Alt+S) from acting; the key press then comes here.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (QPushButton* b = buttonFor(*key))
            b->click();
    }
    return true;
}
