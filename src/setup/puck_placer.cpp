#include "setup/puck_placer.h"

#include <algorithm>
#include <cmath>

#include "engine/motion.h"
#include "ui/numbers.h"
#include "ui/widgets.h"

namespace {
// A dragged shape is held on the table: past the left or top edge it lands
// one width in, past the right or bottom edge one width back.
void holdOnTable(int& left, int& top, int width, int imageW, int imageH)
{
    if (left < 0)
        left = width;
    else if (left > imageW)
        left = imageW - width;
    if (top < 0)
        top = width;
    else if (top > imageH)
        top = imageH - width;
}
} // namespace

PuckPlacer::PuckPlacer(sim::SimState& s, Controls& c, Operations& ops) : s_(s), c_(c), ops_(ops) {}

void PuckPlacer::connectAll()
{
    for (MovableShape* shape : {c_.puck1, c_.puck2, c_.redansh, c_.blackansh}) {
        QObject::connect(shape, &MovableShape::mouseDown, [this] { buttonDown(); });
        QObject::connect(shape, &MovableShape::mouseUp, [this] { buttonUp(); });
    }
    for (MovableShape* puck : {c_.puck1, c_.puck2})
        QObject::connect(puck, &MovableShape::mouseMove, [this, puck](int x, int y) { puckDrag(puck->tag(), x, y); });
    for (MovableShape* handle : {c_.redansh, c_.blackansh})
        QObject::connect(handle, &MovableShape::mouseMove,
                         [this, handle](int x, int y) { handleDrag(handle->tag(), x, y); });
    QObject::connect(c_.velsh, &MovableShape::mouseDown, [this](int, int y) { launch(y); });
    QObject::connect(c_.velsh, &MovableShape::mouseUp, [this] { s_.dragging = false; });
}

void PuckPlacer::buttonDown()
{
    if (s_.tick == 1)
        s_.dragging = true;
    c_.velsh->hide();
}

void PuckPlacer::buttonUp()
{
    s_.dragging = false;
    c_.velsh->setVisible(c_.Circle1->isChecked());
}

void PuckPlacer::rememberHandle(int tag)
{
    if (tag == 1) {
        s_.redHandleLeft = c_.redansh->x();
        s_.redHandleTop = c_.redansh->y();
    } else {
        s_.blackHandleLeft = c_.blackansh->x();
        s_.blackHandleTop = c_.blackansh->y();
    }
}

void PuckPlacer::recordStart(sim::PuckState& p, int tag)
{
    sim::PositionSample& e = s_.sampleLog.positions[1];
    const double cx = p.x + p.radius - s_.imageLeft;
    const double cy = p.y + p.radius - s_.imageTop;
    if (tag == 1) {
        e.redX = cx;
        e.redY = cy;
    } else {
        e.blackX = cx;
        e.blackY = cy;
    }
    p.startLeft = num::Round(p.x);
    p.startTop = num::Round(p.y);
}

void PuckPlacer::keepHandleOnTable(MovableShape* handle, MovableShape* puck)
{
    // A handle carried off the table would be out of reach: pull it in
    // along its ray towards the puck, so the direction stays as it was.
    const int il = s_.imageLeft, it = s_.imageTop;
    const int maxLeft = il + c_.tableim->width() - handle->width();
    const int maxTop = it + c_.tableim->height() - handle->height();
    auto inside = [&](int l, int t) { return l >= il && t >= it && l <= maxLeft && t <= maxTop; };
    if (inside(handle->x(), handle->y()))
        return;
    const double pcx = puck->x() + puck->width() / 2.0, pcy = puck->y() + puck->width() / 2.0;
    const double h = handle->width() / 2.0;
    const double dx = handle->x() + h - pcx, dy = handle->y() + h - pcy;
    const double len = std::hypot(dx, dy);
    for (double d = len; d > 0.0; d -= 1.0) {
        const int l = num::Trunc(std::lround(pcx + dx * d / len - h));
        const int t = num::Trunc(std::lround(pcy + dy * d / len - h));
        if (inside(l, t) && d > puck->width() / 2.0) {
            handle->move(l, t);
            return;
        }
    }
    // the puck itself hangs over the edge: the nearest place on the table
    handle->move(std::clamp(handle->x(), il, maxLeft), std::clamp(handle->y(), it, maxTop));
}

void PuckPlacer::puckDrag(int tag, int x, int y)
{
    if (!s_.dragging)
        return;
    MovableShape* puck = tag == 1 ? c_.puck1 : c_.puck2;
    MovableShape* handle = tag == 1 ? c_.redansh : c_.blackansh;
    sim::PuckState& p = tag == 1 ? s_.red : s_.black;
    const int offX = handle->x() - puck->x(), offY = handle->y() - puck->y();
    if (c_.dimension() == 1)
        y = puck->height() / 2;
    int left = puck->x() + x - puck->width() / 2;
    int top = puck->y() + y - puck->height() / 2;
    holdOnTable(left, top, puck->width(), c_.tableim->width(), c_.tableim->height());
    puck->move(left, top);
    p.x = left;
    p.y = top;

    const int w = c_.puck1->width();
    if (std::fabs(s_.red.x - s_.black.x) < w + 2 && std::fabs(s_.red.y - s_.black.y) < w + 2) {
        // keep the pucks apart: the other one moves aside, 2 pixels away
        const int other = tag == 1 ? 2 : 1;
        MovableShape* otherPuck = other == 1 ? c_.puck1 : c_.puck2;
        MovableShape* otherHandle = other == 1 ? c_.redansh : c_.blackansh;
        sim::PuckState& q = other == 1 ? s_.red : s_.black;
        const int oldLeft = otherPuck->x(), oldTop = otherPuck->y();
        if (tag == 1) {
            q.x = s_.red.x + w + 2.0;
            q.y = s_.red.y;
            otherPuck->move(left + w + 2, top);
        } else {
            q.x = s_.black.x - w - 2.0;
            q.y = s_.black.y;
            otherPuck->move(left - w - 2, top);
        }
        otherHandle->move(otherHandle->x() + otherPuck->x() - oldLeft, otherHandle->y() + otherPuck->y() - oldTop);
        keepHandleOnTable(otherHandle, otherPuck);
        rememberHandle(other);
        recordStart(q, other);
    }
    recordStart(p, tag);
    handle->move(left + offX, top + offY);
    keepHandleOnTable(handle, puck);
    rememberHandle(tag);
    c_.velsh->move(c_.puck1->x() + 10, c_.puck1->y());
    ops_.drawSetUp();
}

void PuckPlacer::handleDrag(int tag, int x, int y)
{
    if (!s_.dragging)
        return;
    MovableShape* handle = tag == 1 ? c_.redansh : c_.blackansh;
    sim::PuckState& p = tag == 1 ? s_.red : s_.black;
    const bool oneD = c_.dimension() == 1;
    if (oneD)
        y = handle->width() / 2;
    int left = handle->x() + x - handle->width() / 2;
    int top = handle->y() + y - handle->height() / 2;
    holdOnTable(left, top, handle->width(), c_.tableim->width(), c_.tableim->height());
    handle->move(left, top);
    rememberHandle(tag);
    const int h = handle->width() / 2;
    double dx = (left + h) - (p.x + p.radius);
    const double dy = (p.y + p.radius) - (top + h);
    if (oneD && dx == 0.0)
        dx = 1.0;
    const double dir = sim::directionOf(dx, dy);
    p.direction = dir;
    // With one mass the unseen black puck keeps to the red puck's course.
    if (tag == 1 && c_.massCount() == 1)
        s_.black.direction = dir;
    ops_.drawSetUp();
    if (tag == 1)
        s_.redStartDirection = dir;
    else
        s_.blackStartDirection = dir;
}

void PuckPlacer::launch(int y)
{
    s_.red.speed = (y - c_.velsh->height() / 2) + 0.5;
    s_.dragging = false;
    ops_.start();
    c_.velsh->hide();
}
