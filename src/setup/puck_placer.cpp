#include "setup/puck_placer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/numbers.h"
#include "engine/placing.h"
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
}   // namespace

PuckPlacer::PuckPlacer(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops)
    : m_(m), s_(s), c_(c), ops_(ops)
{}

void PuckPlacer::connectAll()
{
    for (MovableShape* shape : {c_.puck1, c_.puck2, c_.redansh, c_.blackansh}) {
        QObject::connect(shape, &MovableShape::mouseDown, &context_, [this] { buttonDown(); });
        QObject::connect(shape, &MovableShape::mouseUp, &context_, [this] { buttonUp(); });
    }
    for (MovableShape* puck : {c_.puck1, c_.puck2})
        QObject::connect(puck, &MovableShape::mouseMove, &context_,
                         [this, puck](int x, int y) { puckDrag(puck->tag(), x, y); });
    for (MovableShape* handle : {c_.redansh, c_.blackansh})
        QObject::connect(handle, &MovableShape::mouseMove, &context_,
                         [this, handle](int x, int y) { handleDrag(handle->tag(), x, y); });
    // The keyboard moves a puck or a handle through the same rules as a drag.
    for (MovableShape* shape : {c_.puck1, c_.puck2, c_.redansh, c_.blackansh}) {
        shape->setKeyboardMovable(true);
        const bool puck = shape == c_.puck1 || shape == c_.puck2;
        QObject::connect(shape, &MovableShape::keyMove, &context_, [this, shape, puck](int dx, int dy) {
            buttonDown();
            const int x = shape->width() / 2 + dx, y = shape->height() / 2 + dy;
            if (puck)
                puckDrag(shape->tag(), x, y);
            else
                handleDrag(shape->tag(), x, y);
            buttonUp();
        });
    }
    QObject::connect(c_.velsh, &MovableShape::mouseDown, &context_, [this](int, int y) { launch(y); });
    QObject::connect(c_.velsh, &MovableShape::mouseUp, &context_, [this] { dragging_ = false; });
}

void PuckPlacer::buttonDown()
{
    if (!sim::runStarted(s_))
        dragging_ = true;
    c_.velsh->hide();
}

void PuckPlacer::buttonUp()
{
    dragging_ = false;
    c_.velsh->setVisible(m_.interaction == sim::Interaction::Circle);
}

QRect PuckPlacer::tableRect() const
{
    return QRect(sim::kImageLeft, sim::kImageTop, c_.tableim->width(), c_.tableim->height());
}

namespace {
// The stretch [*t0, *t1] of distances t >= 0 where (x + ux t, y + uy t)
// lies in the box; false when the ray misses it.
bool rayThroughBox(double x, double y, double ux, double uy, double left, double top, double right, double bottom,
                   double* t0, double* t1)
{
    double lo = 0.0, hi = std::numeric_limits<double>::infinity();
    const double limits[2][3] = {{x, left, right}, {y, top, bottom}};
    const double dir[2] = {ux, uy};
    for (int a = 0; a < 2; ++a) {
        const double p = limits[a][0], l = limits[a][1], r = limits[a][2];
        if (dir[a] == 0.0) {
            if (p < l || p > r)
                return false;
            continue;
        }
        const double ta = (l - p) / dir[a], tb = (r - p) / dir[a];
        lo = std::max(lo, std::min(ta, tb));
        hi = std::min(hi, std::max(ta, tb));
    }
    *t0 = lo;
    *t1 = hi;
    return lo <= hi;
}
}   // namespace

void PuckPlacer::showHandle(int tag)
{
    // The remembered handle keeps its exact offset from the puck, wherever
    // that is; the marker is put where the mouse can reach it, on the same
    // ray where the table allows.
    MovableShape* handle = tag == 1 ? c_.redansh : c_.blackansh;
    MovableShape* puck = tag == 1 ? c_.puck1 : c_.puck2;
    const int remLeft = tag == 1 ? s_.redHandleLeft : s_.blackHandleLeft;
    const int remTop = tag == 1 ? s_.redHandleTop : s_.blackHandleTop;
    const QRect table = tableRect();
    const int maxLeft = table.right() + 1 - handle->width();
    const int maxTop = table.bottom() + 1 - handle->height();
    auto inside = [&](int l, int t) { return l >= table.left() && t >= table.top() && l <= maxLeft && t <= maxTop; };
    if (inside(remLeft, remTop)) {
        handle->move(remLeft, remTop);
        return;
    }
    const double pcx = puck->x() + puck->width() / 2.0, pcy = puck->y() + puck->width() / 2.0;
    const double h = handle->width() / 2.0;
    const double dx = remLeft + h - pcx, dy = remTop + h - pcy;
    const double len = std::hypot(dx, dy);
    // Places on the ray that may round onto the table lie in one stretch
    // (the ray through the table, a pixel wider): step only through that.
    double first = len, last = 0.0;
    if (!rayThroughBox(pcx - h, pcy - h, dx / len, dy / len, table.left() - 1.0, table.top() - 1.0, maxLeft + 1.0,
                       maxTop + 1.0, &last, &first))
        first = 0.0;
    const double start = len - std::max(0.0, std::floor(len - first));
    for (double d = start; d > puck->width() / 2.0 + h && d >= last - 1.0; d -= 1.0) {
        const int l = static_cast<int>(std::lround(pcx + dx * d / len - h));
        const int t = static_cast<int>(std::lround(pcy + dy * d / len - h));
        if (inside(l, t)) {
            handle->move(l, t);
            return;
        }
    }
    // no room on the ray (the puck hangs over the edge): the nearest place on the table
    handle->move(std::clamp(remLeft, table.left(), maxLeft), std::clamp(remTop, table.top(), maxTop));
}

void PuckPlacer::puckDrag(int tag, int x, int y)
{
    if (!dragging_)
        return;
    MovableShape* puck = tag == 1 ? c_.puck1 : c_.puck2;
    if (m_.dimension == 1)
        y = puck->height() / 2;
    int left = puck->x() + x - puck->width() / 2;
    int top = puck->y() + y - puck->height() / 2;
    holdOnTable(left, top, puck->width(), c_.tableim->width(), c_.tableim->height());

    const int w = c_.puck1->width();
    const int other = tag == 1 ? 2 : 1;
    MovableShape* otherPuck = other == 1 ? c_.puck1 : c_.puck2;
    const sim::PuckState& still = other == 1 ? s_.red : s_.black;
    const bool push = std::fabs(left - still.x) < w + 2 && std::fabs(top - still.y) < w + 2;
    if (push) {
        // The other puck moves aside, 2 pixels away, and stays wholly on
        // the table: at an edge the dragged puck stops instead.
        const QRect table = tableRect();
        const int gap = tag == 1 ? w + 2 : -(w + 2);
        const int ow = otherPuck->width();
        const int pushedLeft = std::clamp(left + gap, table.left(), table.right() + 1 - ow);
        const int pushedTop = std::clamp(top, table.top(), table.bottom() + 1 - ow);
        left = pushedLeft - gap;
        top = pushedTop;
        sim::placePuck(s_, other, pushedLeft, pushedTop);
        otherPuck->move(pushedLeft, pushedTop);
        showHandle(other);
    }
    puck->move(left, top);
    sim::placePuck(s_, tag, left, top);
    showHandle(tag);
    c_.velsh->move(c_.puck1->x() + 10, c_.puck1->y());
    ops_.drawSetUp();
}

void PuckPlacer::handleDrag(int tag, int x, int y)
{
    if (!dragging_)
        return;
    MovableShape* handle = tag == 1 ? c_.redansh : c_.blackansh;
    if (m_.dimension == 1)
        y = handle->width() / 2;
    int left = handle->x() + x - handle->width() / 2;
    int top = handle->y() + y - handle->height() / 2;
    holdOnTable(left, top, handle->width(), c_.tableim->width(), c_.tableim->height());
    handle->move(left, top);
    sim::aimPuck(s_, tag, left, top, handle->width());
    ops_.drawSetUp();
}

void PuckPlacer::launch(int y)
{
    s_.red.speed = (y - c_.velsh->height() / 2) + 0.5;
    dragging_ = false;
    ops_.start();
    c_.velsh->hide();
}
