#include "datawin/momentum_page.h"

#include "ui/widgets.h"

// Dragging the arrows: squares carry their arrow, the resultant's ends
// turn it, and an end that comes near another snaps onto it.

void MomentumPage::snap()
{
    if (movingSquare_) {
        const int v = snapArrow_;
        MovableShape* tail = circles_[static_cast<size_t>(v)];
        MovableShape* head = circles_[static_cast<size_t>(v + 1)];
        MovableShape* h = handles_[static_cast<size_t>((v + 1) / 2)];
        for (int j = 1; j <= 10; ++j) {
            MovableShape* cj = circles_[static_cast<size_t>(j)];
            // an arrow's own ends never snap together: a short arrow would creep
            if (cj == tail || cj == head)
                continue;
            for (MovableShape* e : {tail, head}) {
                dw::IPoint d;
                if (dw::snapShift(at(e), at(cj), 5, &d)) {
                    for (MovableShape* m : {tail, head, h})
                        m->move(m->x() + d.x, m->y() + d.y);
                }
            }
        }
    } else if (draggedBlueEnd_ != 0) {
        MovableShape* blue = circles_[static_cast<size_t>(draggedBlueEnd_)];
        for (int j = 1; j <= 10; ++j) {
            MovableShape* cj = circles_[static_cast<size_t>(j)];
            dw::IPoint d;
            if (cj != blue && dw::snapShift(at(blue), at(cj), 6, &d)) {
                moveTo(blue, at(cj));
                recomputeResultant();
            }
        }
    }
}

void MomentumPage::shapeDown()
{
    momDragging_ = true;
}

void MomentumPage::shapeUp()
{
    momDragging_ = false;
}

int MomentumPage::valueOf(const MovableShape* s) const
{
    if (s == circles_[9])
        return 9;
    if (s == circles_[10])
        return 10;
    for (int k = 1; k <= 5; ++k)
        if (s == handles_[static_cast<size_t>(k)])
            return 2 * k - 1;
    return 0;
}

void MomentumPage::shapeMove(MovableShape* s, int x, int y)
{
    const int value = valueOf(s);
    snapArrow_ = value == 10 ? 9 : value;
    if (!momDragging_ || value == 0)
        return;
    int left = s->x() + x - 3, top = s->y() + y - 3;
    const int W = canvas_.width(), H = canvas_.height();
    if (left < 10)
        left = 10;
    else if (left > W)
        left = W - 7;
    if (top < 20)
        top = 20;
    else if (top > H + 10)
        top = H + 10;
    s->move(left, top);
    movingSquare_ = true;
    if (value >= 9) {
        snapArrow_ = 9;
        if (s == circles_[9] || s == circles_[10]) {
            movingSquare_ = false;
            draggedBlueEnd_ = value;
            recomputeResultant();
        } else {
            moveTo(circles_[9], {s->x() + blueHalf_.x, s->y() + blueHalf_.y});
            moveTo(circles_[10], {s->x() - blueHalf_.x, s->y() - blueHalf_.y});
        }
    }
    drawMomentum();
}
