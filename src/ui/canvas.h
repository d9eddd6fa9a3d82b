#pragma once
// One drawing surface with a pen, a brush and a font that persist from one
// call to the next, as several pictures rely on what an earlier pass left.
// Box primitives follow the classic raster rules: a box (x1, y1, x2, y2)
// covers x1..x2-1 and y1..y2-1, and a line leaves out its end point.

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "ui/canvas_sink.h"

class Canvas {
public:
    enum class PenStyle { Solid, Dotted };
    enum class BrushStyle { Solid, Clear };

    Canvas(int width, int height);

    QImage& image() { return img_; }
    const QImage& image() const { return img_; }
    int width() const { return img_.width(); }
    int height() const { return img_.height(); }

    // state
    void setPenColor(QColor c) { penColor_ = c.rgb(); }
    void setPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    void setPenStyle(PenStyle s) { penStyle_ = s; }
    void setBrushColor(QColor c) { brushColor_ = c.rgb(); }
    void setBrushStyle(BrushStyle s) { brushStyle_ = s; }
    void setFont(const QString& family, int pixelSize, bool bold);
    void setFontBold(bool bold) { fontBold_ = bold; }
    void setFontName(const QString& family) { fontFamily_ = family; }

    QRgb penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }
    PenStyle penStyle() const { return penStyle_; }
    QRgb brushColor() const { return brushColor_; }
    BrushStyle brushStyle() const { return brushStyle_; }
    const QString& fontFamily() const { return fontFamily_; }
    bool fontBold() const { return fontBold_; }
    int fontPixelSize() const { return fontPixelSize_; }

    // primitives
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(const int* xy, int points);
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void moveTo(int x, int y)
    {
        curX_ = x;
        curY_ = y;
        dotPhase_ = 0;
    }
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    void textOut(int x, int y, const QString& text);
    // Black text turned to read upwards, starting at (x, y), no box behind it.
    void textUp(int x, int y, const QString& text);
    // How wide `text` stands in the current font.
    int textWidth(const QString& text) const;
    void copyRect(int dx1, int dy1, int dx2, int dy2, const Canvas& src, int sx1, int sy1, int sx2, int sy2);
    void copyRect(int x1, int y1, int x2, int y2, const QImage& src);

    QRgb pixel(int x, int y) const { return img_.pixel(x, y) | 0xff000000u; }

    // Every primitive from now on told to `sink` as well; null for none.
    void setSink(CanvasSink* sink) { sink_ = sink; }

private:
    static constexpr int kStampSide = 48;
    // Coordinates further than this beyond the picture are clipped before
    // the painter sees them, so any 32-bit value draws in bounded time.
    static constexpr int kFar = 1 << 16;
    static constexpr int kMargin = 2;
    struct Stamp {
        bool used = false;
        int w = 0, h = 0;
        QRgb pen = 0, brush = 0;
        int penWidth = 1;
        PenStyle penStyle = PenStyle::Solid;
        BrushStyle brushStyle = BrushStyle::Solid;
        // the covered pixels only, as offsets from the box's top-left
        struct Pixel {
            int dx, dy;
            QRgb colour;
        };
        std::vector<Pixel> pixels;
        int minD = 0, maxDx = 0, maxDy = 0;
    };

    void thinLine(int x1, int y1, int x2, int y2);
    void wideLine(int x1, int y1, int x2, int y2);
    // Puts a box's corners in order; false when it is empty or wholly
    // beyond the picture, so nothing of it can show.
    bool visibleBox(int& x1, int& y1, int& x2, int& y2) const;
    // A box wholly beyond the picture, with room for a wide pen's edge.
    bool outside(int x1, int y1, int x2, int y2) const
    {
        const int m = penWidth_ + 2;
        return x2 < -m || y2 < -m || x1 > img_.width() + m || y1 > img_.height() + m;
    }
    void setupPainter(class QPainter& p) const;
    class QFont font() const;
    const Stamp& ellipseStamp(int w, int h);
    void remember(const Stamp* s);

    QImage img_;
    QRgb penColor_ = qRgb(0, 0, 0);
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QRgb brushColor_ = qRgb(255, 255, 255);
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QString fontFamily_;
    int fontPixelSize_ = 11;
    bool fontBold_ = false;
    int curX_ = 0, curY_ = 0;
    unsigned dotPhase_ = 0;
    std::array<Stamp, 12> stamps_{};
    int nextStamp_ = 0;
    std::array<const Stamp*, 4> recent_{};
    CanvasSink* sink_ = nullptr;
    CanvasSink::Pen pen() const { return {penColor_, penWidth_, penStyle_ == PenStyle::Dotted}; }
    CanvasSink::Brush brush() const { return {brushColor_, brushStyle_ == BrushStyle::Clear}; }
};
