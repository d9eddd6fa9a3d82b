#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/canvas.h"

// The ellipses a trace draws again and again (its strobe dots), kept as the
// pixels the painter gave them once, so a pass stamps them without a painter.

void Canvas::remember(const Stamp* s)
{
    for (size_t i = recent_.size() - 1; i > 0; --i)
        recent_[i] = recent_[i - 1];
    recent_[0] = s;
}

const Canvas::Stamp& Canvas::ellipseStamp(int w, int h)
{
    auto matches = [&](const Stamp& s) {
        return s.used && s.w == w && s.h == h && s.pen == penColor_ && s.brush == brushColor_ && s.penWidth == penWidth_
            && s.penStyle == penStyle_ && s.brushStyle == brushStyle_;
    };
    // the trace alternates red and black dots: remember the last few
    for (const Stamp* recent : recent_)
        if (recent && matches(*recent))
            return *recent;
    for (const Stamp& s : stamps_) {
        if (matches(s)) {
            remember(&s);
            return s;
        }
    }
    Stamp& s = stamps_[static_cast<size_t>(nextStamp_)];
    nextStamp_ = (nextStamp_ + 1) % static_cast<int>(stamps_.size());
    s.used = true;
    s.w = w;
    s.h = h;
    s.pen = penColor_;
    s.brush = brushColor_;
    s.penWidth = penWidth_;
    s.penStyle = penStyle_;
    s.brushStyle = brushStyle_;
    // Render once with the painter on a transparent picture; stamping it
    // later gives the same pixels far faster than a painter per dot.
    QImage tmp(kStampSide, kStampSide, QImage::Format_ARGB32);
    tmp.fill(Qt::transparent);
    {
        QPainter p(&tmp);
        setupPainter(p);
        // a margin, as a wide pen may reach outside the box
        p.drawEllipse(QRect(kMargin, kMargin, w - 1, h - 1));
    }
    s.pixels.clear();
    s.minD = s.maxDx = s.maxDy = 0;
    for (int y = 0; y < kStampSide; ++y)
        for (int x = 0; x < kStampSide; ++x) {
            const QRgb c = tmp.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            const int dx = x - kMargin, dy = y - kMargin;
            s.pixels.push_back({dx, dy, c | 0xff000000u});
            s.minD = std::min({s.minD, dx, dy});
            s.maxDx = std::max(s.maxDx, dx);
            s.maxDy = std::max(s.maxDy, dy);
        }
    remember(&s);
    return s;
}
