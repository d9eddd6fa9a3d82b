#include "ui/placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace place {
namespace {
constexpr int kGap = 8;

bool fits(const QRect& area, const QRect& r, const QList<QRect>& taken)
{
    if (!area.contains(r))
        return false;
    return std::none_of(taken.begin(), taken.end(), [&](const QRect& t) { return t.intersects(r); });
}

// The first free place of `size` beside `t`: right, left, below, each at
// the table's top and below every window already there.
bool nextTo(const QRect& area, const QRect& t, const QSize& size, QList<QRect> taken, QPoint* at)
{
    QList<int> tops{t.top()};
    for (const QRect& r : taken)
        tops << r.bottom() + 1 + kGap;
    const int xs[] = {t.right() + 1 + kGap, area.right() + 1 - size.width(), t.left() - kGap - size.width()};
    taken << t;
    for (int x : xs)
        for (int y : tops)
            if (fits(area, QRect(QPoint(x, y), size), taken)) {
                *at = {x, y};
                return true;
            }
    for (int x : {t.left(), area.right() + 1 - size.width()})
        if (fits(area, QRect(QPoint(x, t.bottom() + 1 + kGap), size), taken)) {
            *at = {x, t.bottom() + 1 + kGap};
            return true;
        }
    return false;
}
}   // namespace

QPoint onScreen(const QRect& area, const QRect& frame)
{
    return {std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
            std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()))};
}

Beside besideTable(const QRect& area, const QRect& table, const QSize& size, const QList<QRect>& taken)
{
    Beside b;
    if (nextTo(area, table, size, taken, &b.at))
        return b;
    // room on the right: the table as far left as that needs, not off the screen
    const int shift = std::max(area.left(), area.right() + 1 - size.width() - kGap - table.width()) - table.left();
    if (shift < 0 && nextTo(area, table.translated(shift, 0), size, taken, &b.at)) {
        b.tableShift = shift;
        return b;
    }
    b.at = onScreen(area, QRect(QPoint(area.right() + 1 - size.width(), table.top()), size));
    return b;
}

QPoint clearOf(const QRect& area, const QRect& preferred, const QList<QRect>& taken)
{
    const QPoint start = onScreen(area, preferred);
    QList<QPoint> tries{start};
    for (const QRect& t : taken)
        tries << QPoint(t.left() - kGap - preferred.width(), start.y()) << QPoint(t.right() + 1 + kGap, start.y())
              << QPoint(start.x(), t.top() - kGap - preferred.height()) << QPoint(start.x(), t.bottom() + 1 + kGap);
    std::stable_sort(tries.begin(), tries.end(), [&](const QPoint& a, const QPoint& b) {
        return (a - start).manhattanLength() < (b - start).manhattanLength();
    });
    for (const QPoint& p : tries)
        if (fits(area, QRect(p, preferred.size()), taken))
            return p;
    return start;
}

void keepOnScreen(QWidget& w)
{
    const QScreen* screen = w.screen();
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    // at a scale such as 1.5 a logical pixel's edge rounds either way on the
    // screen: one pixel in hand keeps the last row on it
    if (w.devicePixelRatioF() != std::floor(w.devicePixelRatioF()))
        area.adjust(0, 0, -1, -1);
    const QRect frame = w.frameGeometry();
    w.move(w.pos() + (onScreen(area, frame) - frame.topLeft()));
}

QList<QRect> shownBeside(const QWidget& table, const QWidget* except)
{
    QList<QRect> out;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != &table && w != except && w->isVisible() && w->parentWidget() == &table)
            out << w->frameGeometry();
    return out;
}

void showBeside(QWidget& w, QWidget& table)
{
    const QScreen* screen = table.screen();
    if (!screen) {
        w.show();
        return;
    }
    const QRect area = screen->availableGeometry();
    const Beside b = besideTable(area, table.frameGeometry(), w.frameGeometry().size(), shownBeside(table, &w));
    if (b.tableShift != 0)
        table.move(table.pos() + QPoint(b.tableShift, 0));
    w.move(w.pos() + (b.at - w.frameGeometry().topLeft()));
    w.show();
}

}   // namespace place
