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

void PuckPlacer::showHandle(int tag)
{
    MovableShape* handle = tag == 1 ? c_.redansh : c_.blackansh;
    MovableShape* puck = tag == 1 ? c_.puck1 : c_.puck2;
    const sim::Place at = sim::handleMarker(s_, tag, {puck->x(), puck->y()}, puck->width(), handle->width());
    handle->move(at.left, at.top);
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
