#pragma once
// The table picture as an SVG drawing: every shape the canvas draws while
// it listens, at the same place, so it scales for a slide.

#include <QByteArray>
#include <QString>

#include "ui/canvas_sink.h"

class SvgPicture : public CanvasSink {
public:
    // `zoom` scales the drawing's size, not its coordinates.
    SvgPicture(int width, int height, int zoom = 1);

    // The whole document.
    QByteArray svg() const;
    int ellipses() const { return ellipses_; }

    void rectangle(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush) override;
    void ellipse(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush) override;
    void polygon(const int* xy, int points, const Pen& pen, const Brush& brush) override;
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, const Pen& pen) override;
    void line(int x1, int y1, int x2, int y2, const Pen& pen) override;
    void textUp(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                int boxWidth) override;
    void text(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold, const Brush& brush,
              int boxWidth, int boxHeight) override;
    void image(int x, int y, const QImage& part) override;

private:
    // A <text> element, turned by `turn` (a transform attribute) when not empty.
    static QString textElement(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                               const QString& turn);
    QString stroke(const Pen& pen) const;
    QString fill(const Brush& brush) const;

    int width_, height_, zoom_;
    QString body_;
    int ellipses_ = 0;
};
