#include "ui/text_grid.h"

QList<QStringList> TextGrid::texts() const
{
    QList<QStringList> out;
    for (const QList<TextCell>& row : rows) {
        QStringList line;
        for (const TextCell& c : row)
            line << c.text;
        out << line;
    }
    return out;
}
