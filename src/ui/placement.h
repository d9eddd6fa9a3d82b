#pragma once
// Where windows go on a classroom screen: the tool windows beside the table
// window, never over it or each other, and every window on the screen's
// available area.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace place {

// The top-left of a frame moved onto `area`; a frame larger than the area
// keeps its top-left corner in it.
QPoint onScreen(const QRect& area, const QRect& frame);

struct Beside {
    QPoint at;   // the new window's frame's top-left
    int tableShift = 0;   // how far the table window moves across to make room
};

// A frame of `size` beside `table` (right, left, then below), clear of the
// table and of `taken`; when the screen has no such room beside the table
// where it stands, the table moves across as little as gives it. With no
// room at all, the right edge of the screen.
Beside besideTable(const QRect& area, const QRect& table, const QSize& size, const QList<QRect>& taken);

// `preferred` moved as little as it must to stand clear of `taken` on `area`.
QPoint clearOf(const QRect& area, const QRect& preferred, const QList<QRect>& taken);

// Moves a window whose frame runs past its screen's available area back
// onto it; one larger than the area keeps its top-left corner in it.
void keepOnScreen(QWidget& w);

// The frames of the windows shown beside `table` (its own top-level
// windows), `except` left out.
QList<QRect> shownBeside(const QWidget& table, const QWidget* except);

// Shows `w` beside `table` as besideTable has it, the table moved across
// first where that makes the room.
void showBeside(QWidget& w, QWidget& table);

}   // namespace place
