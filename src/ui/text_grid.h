#pragma once
// A table as text: what a page shows in its grid and a lab sheet prints.

#include <QList>
#include <QString>
#include <QStringList>

struct TextCell {
    QString text;
    bool number = true;   // right-aligned
};

struct TextGrid {
    QStringList header;
    QList<QList<TextCell>> rows;
    // the cells' texts, a row each
    QList<QStringList> texts() const;
};
