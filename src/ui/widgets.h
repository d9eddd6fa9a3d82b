#pragma once
// Small shared widgets: the movable shapes over the table and the picture
// that shows a canvas.

#include <QColor>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

class Canvas;

class MovableShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Circle, Square, RoundRect, DottedFrame };

    MovableShape(Kind kind, QWidget* parent);

    void setKind(Kind k)
    {
        kind_ = k;
        update();
    }
    Kind kind() const { return kind_; }
    void setPenColor(QColor c)
    {
        pen_ = c;
        update();
    }
    void setBrushColor(QColor c)
    {
        brush_ = c;
        update();
    }
    void setTag(int t) { tag_ = t; }
    // A letter in the middle, in the pen's colour; empty for none.
    void setLetter(const QString& letter)
    {
        if (letter_ != letter) {
            letter_ = letter;
            update();
        }
    }
    int tag() const { return tag_; }

    // Tab reaches it and the arrow keys move it: one pixel, ten with Shift.
    void setKeyboardMovable(bool on);

signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(int x, int y);
    void keyMove(int dx, int dy);
    // its place changed (a drag, a key, Reset): what it says of itself follows
    void moved();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Kind kind_;
    QColor pen_ = Qt::black;
    QColor brush_ = Qt::white;
    int tag_ = 0;
    QString letter_;
};

// Shows a canvas's picture and reports mouse events on it.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(Canvas& canvas, QWidget* parent);
    Canvas& canvas() { return canvas_; }

signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(int x, int y);
    void mouseLeft();
    // the keyboard, when the picture has the focus: a cursor step (Shift: 10
    // px), Return to place a point, Escape to cancel
    void keyStep(int dx, int dy);
    void keyPlace();
    void keyCancel();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

private:
    Canvas& canvas_;
};

// A scroll bar whose arrow keys follow the screen: Right and Down move
// towards the maximum, Left and Up towards the minimum, whichever way the
// bar lies. It takes the focus from Tab and from a click.
class KeyScrollBar : public QScrollBar {
    Q_OBJECT
public:
    KeyScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// Whether `w` should show its focus mark: it has the focus and the keyboard
// moved it there, as Qt's own styles decide; the mouse alone draws none.
bool showsFocusMark(const QWidget* w);

// The strobe frequencies as the lists show them, "20 Hz" to "  1 Hz".
QStringList frequencyItems();

// The pale yellow of the table window, its name dialog and its boxes.
// A control as it is made, with the name the code knows it by (findChild,
// a debugger, an accessibility tree).
template <class T> T* named(T* made, const QString& name)
{
    made->setObjectName(name);
    return made;
}
template <class T> T* named(T* made, const char* name)
{
    return named(made, QString::fromLatin1(name));
}

inline QColor windowColour()
{
    return QColor(254, 253, 199);
}

class QLabel;
// Sets a label's text and fits its width to it, as auto-sized labels do.
// A control the label is tied to is named by the text, so a screen reader
// hears what the label shows ("Mass 1: 2.0 kg").
void setCaption(QLabel* label, const QString& text);

// Ties a label to its control: the control is named by the label's text
// from now on.
void tieCaption(QLabel* label, QWidget* control);

// Screen readers learn that the pucks and handles can be moved.
void installShapeAccessibility();
