#pragma once
// Every text a window shows, for checks across all of them.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

// Each piece of text a window shows: captions, titles, menu entries, list
// items, table headers and cells, the lines of text boxes, names for screen
// readers and tips.
[[maybe_unused]] static QStringList shownTexts(const QList<QWidget*>& roots)
{
    QStringList out;
    auto add = [&](const QString& t) {
        for (const QString& line : t.split(QRegularExpression(QStringLiteral("[\\n\\t]"))))
            if (!line.trimmed().isEmpty())
                out << line.trimmed();
    };
    for (QWidget* root : roots) {
        QList<QWidget*> all = root->findChildren<QWidget*>();
        all << root;
        for (QWidget* w : all) {
            add(w->windowTitle());
            add(w->accessibleName());
            add(w->accessibleDescription());
            add(w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w))
                add(l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                add(b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w))
                add(g->title());
            if (auto* e = qobject_cast<QPlainTextEdit*>(w))
                add(e->toPlainText().section(QLatin1Char('\n'), 0, 40));
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i)
                    add(c->itemText(i));
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i)
                    add(list->item(i)->text());
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i)
                    add(t->tabText(i));
            if (auto* t = qobject_cast<QTableWidget*>(w))
                for (int c = 0; c < t->columnCount(); ++c) {
                    if (t->horizontalHeaderItem(c))
                        add(t->horizontalHeaderItem(c)->text());
                    for (int r = 0; r < t->rowCount(); ++r)
                        if (t->item(r, c))
                            add(t->item(r, c)->text());
                }
            if (auto* m = qobject_cast<QMenu*>(w)) {
                add(m->title());
                for (QAction* a : m->actions()) {
                    add(a->text());
                    add(a->toolTip());
                }
            }
        }
    }
    return out;
}
