#pragma once
// What a canvas draws, told to a listener as it draws it, in the canvas's
// own coordinates: the picture once more as shapes (a vector drawing).

#include <QImage>
#include <QRgb>
#include <QString>

class CanvasSink {
public:
    struct Pen {
        QRgb colour;
        int width;
        bool dotted;
    };
    struct Brush {
        QRgb colour;
        bool clear;
    };
    virtual ~CanvasSink() = default;
    // Boxes cover x1..x2-1 and y1..y2-1, as on the canvas.
    virtual void rectangle(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush) = 0;
    virtual void polygon(const int* xy, int points, const Pen& pen, const Brush& brush) = 0;
    // Anticlockwise on the screen from the ray towards (x3, y3) to the ray towards (x4, y4).
    virtual void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, const Pen& pen) = 0;
    virtual void line(int x1, int y1, int x2, int y2, const Pen& pen) = 0;
    // Black text with its top-left at (x, y), on a box of the brush unless clear.
    virtual void text(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                      const Brush& brush, int boxWidth, int boxHeight) = 0;
    // The same, turned to read upwards, its start at (x, y): the box runs
    // from x to x + boxHeight across and from y - boxWidth to y down.
    virtual void textUp(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                        int boxWidth) = 0;
    virtual void image(int x, int y, const QImage& part) = 0;
};
