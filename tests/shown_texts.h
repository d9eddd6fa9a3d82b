#pragma once
// Every text a window shows: captions, titles, table cells and headers,
// list entries, menus and tool tips, for checks across all of them.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>

[[maybe_unused]] static QStringList shownTexts(const QWidget& root)
{
    QStringList out{root.windowTitle()};
    QList<QWidget*> all = root.findChildren<QWidget*>();
    for (QWidget* w : all) {
        out << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w))
            out << l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            out << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            out << g->title();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            out << e->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                out << c->itemText(i);
        else if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                out << t->tabText(i);
        else if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
        if (auto* t = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < t->columnCount(); ++c)
                out << (t->horizontalHeaderItem(c) ? t->horizontalHeaderItem(c)->text() : QString());
            for (int r = 0; r < t->rowCount(); ++r) {
                out << (t->verticalHeaderItem(r) ? t->verticalHeaderItem(r)->text() : QString());
                for (int c = 0; c < t->columnCount(); ++c)
                    out << (t->item(r, c) ? t->item(r, c)->text() : QString());
            }
        }
    }
    for (QAction* a : root.findChildren<QAction*>())
        out << a->text() << a->toolTip();
    out.removeAll(QString());
    return out;
}
