#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "ui/canvas.h"

MovableShape::MovableShape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(false);
}

void MovableShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    QRect r(0, 0, width() - 1, height() - 1);
    const qreal dpr = devicePixelRatioF();
    if (dpr != std::floor(dpr)) {
        // at 125 % or 150 % the shape is drawn on whole screen pixels from the
        // screen pixel its corner rounds to, or the clip cuts a row off the ring
        p.scale(1.0 / dpr, 1.0 / dpr);
        const QTransform t = p.deviceTransform();
        p.translate(qRound(t.dx()) - t.dx(), qRound(t.dy()) - t.dy());
        r = QRect(0, 0, qRound(width() * dpr) - 1, qRound(height() * dpr) - 1);
    }
    if (kind_ == Kind::DottedFrame) {
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        return;
    }
    p.setPen(QPen(pen_, 0));
    p.setBrush(brush_);
    switch (kind_) {
    case Kind::Circle: p.drawEllipse(r); break;
    case Kind::Square: p.drawRect(r); break;
    case Kind::RoundRect: p.drawRoundedRect(r, 2, 2); break;
    case Kind::DottedFrame: break;
    }
    if (!letter_.isEmpty()) {
        QFont f = p.font();
        f.setPixelSize(std::max(7, (r.height() + 1) / 2));
        f.setBold(true);
        p.setFont(f);
        p.setPen(pen_);
        p.drawText(r.adjusted(0, 0, 1, 1), Qt::AlignCenter, letter_);
    }
    if (showsFocusMark(this)) {
        // the keyboard's mark: a dotted frame, as the style draws on buttons
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

void MovableShape::moveEvent(QMoveEvent*)
{
    emit moved();
}

// the focus mark is drawn over the shape: a repaint shows or clears it
void MovableShape::focusInEvent(QFocusEvent*)
{
    update();
}

void MovableShape::focusOutEvent(QFocusEvent*)
{
    update();
}

void MovableShape::setKeyboardMovable(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void MovableShape::keyPressEvent(QKeyEvent* e)
{
    const int step = (e->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (e->key()) {
    case Qt::Key_Left: emit keyMove(-step, 0); break;
    case Qt::Key_Right: emit keyMove(step, 0); break;
    case Qt::Key_Up: emit keyMove(0, -step); break;
    case Qt::Key_Down: emit keyMove(0, step); break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

namespace {
// The window pixel under the cursor: at a zoom a screen pixel may lie at a
// half window pixel, which rounding would put in the next one.
QPoint pixelAt(const QMouseEvent* e)
{
    return {static_cast<int>(std::floor(e->position().x())), static_cast<int>(std::floor(e->position().y()))};
}
}   // namespace

void MovableShape::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit mouseDown(pixelAt(e).x(), pixelAt(e).y());
}

void MovableShape::mouseDoubleClickEvent(QMouseEvent* e)
{
    // the second press is a press as before; the double click is told apart
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void MovableShape::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMove(pixelAt(e).x(), pixelAt(e).y());
}

void MovableShape::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit mouseUp(pixelAt(e).x(), pixelAt(e).y());
}

PictureWidget::PictureWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QRect r = e->rect();
    p.drawImage(r, canvas_.image(), r);
    if (showsFocusMark(this)) {
        // the keyboard's mark, over the picture only while it has the focus
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureWidget::keyPressEvent(QKeyEvent* e)
{
    // a picture nobody steers by key lets its keys go on: Escape still closes the dialog
    if (!isSignalConnected(QMetaMethod::fromSignal(&PictureWidget::keyCancel))) {
        QWidget::keyPressEvent(e);
        return;
    }
    const int step = (e->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (e->key()) {
    case Qt::Key_Left: emit keyStep(-step, 0); break;
    case Qt::Key_Right: emit keyStep(step, 0); break;
    case Qt::Key_Up: emit keyStep(0, -step); break;
    case Qt::Key_Down: emit keyStep(0, step); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit keyPlace(); break;
    case Qt::Key_Escape: emit keyCancel(); break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

void PictureWidget::mousePressEvent(QMouseEvent* e)
{
    // any button: a selection may be started with either
    emit mouseDown(pixelAt(e).x(), pixelAt(e).y());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMove(pixelAt(e).x(), pixelAt(e).y());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* e)
{
    emit mouseUp(pixelAt(e).x(), pixelAt(e).y());
}

void PictureWidget::leaveEvent(QEvent*)
{
    emit mouseLeft();
}

KeyScrollBar::KeyScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void KeyScrollBar::keyPressEvent(QKeyEvent* e)
{
    // Qt's own reading of the arrows depends on orientation and on
    // invertedControls (on by default for scroll bars, which turns Right
    // into a step down); Page Up and Page Down already go the screen's way.
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        e->accept();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        e->accept();
        break;
    default: QScrollBar::keyPressEvent(e);
    }
}

void KeyScrollBar::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!showsFocusMark(this))
        return;
    // the style draws no mark on a scroll bar: a black frame, seen on the light
    // groove and on the table's brown alike
    QPainter p(this);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

bool showsFocusMark(const QWidget* w)
{
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void setCaption(QLabel* l, const QString& text)
{
    l->setText(text);
    if (!l->property("keepWidth").toBool())
        l->adjustSize();
    if (QWidget* control = l->buddy())
        control->setAccessibleName(text);   // captions carry no '&'
}

void tieCaption(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text());
}

namespace {
// A puck or handle: a graphic a screen reader is told can be moved.
class ShapeAccessible : public QAccessibleWidget {
public:
    explicit ShapeAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    // Where the shape is in the screen's own pixels, as a screen reader
    // measures: at a zoom the window's units are larger than the screen's.
    QRect rect() const override
    {
        const QRect r = QAccessibleWidget::rect();
        const QScreen* screen = widget()->screen();
        const qreal f = widget()->devicePixelRatioF();
        const QPointF origin = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
        return QRectF(origin + (QPointF(r.topLeft()) - origin) * f, QSizeF(r.size()) * f).toRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.movable = widget()->isEnabled() && widget()->focusPolicy() != Qt::NoFocus;
        return st;
    }
};

QAccessibleInterface* shapeFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("MovableShape") && object && object->isWidgetType())
        return new ShapeAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
}   // namespace

void installShapeAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(shapeFactory);
    installed = true;
}

QStringList frequencyItems()
{
    return {QStringLiteral("20 Hz"),  QStringLiteral("10 Hz"),  QStringLiteral("  5 Hz"),
            QStringLiteral("  4 Hz"), QStringLiteral("  2 Hz"), QStringLiteral("  1 Hz")};
}
