#include "ui/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>

Canvas::Canvas(int width, int height)
    : img_(width, height, QImage::Format_RGB32), fontFamily_(QStringLiteral("Liberation Sans"))
{
    img_.fill(qRgb(255, 255, 255));
    for (Stamp& s : stamps_)
        s.pixels.reserve(kStampSide * kStampSide);
}

void Canvas::setFont(const QString& family, int pixelSize, bool bold)
{
    fontFamily_ = family;
    fontPixelSize_ = pixelSize;
    fontBold_ = bold;
}

void Canvas::setupPainter(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    if (penWidth_ <= 1) {
        QPen pen{QColor(penColor_)};
        pen.setWidth(0);
        pen.setStyle(penStyle_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
    } else {
        // a wide pen always draws solid
        QPen pen(QColor(penColor_), penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
    }
    if (brushStyle_ == BrushStyle::Solid)
        p.setBrush(QColor(brushColor_));
    else
        p.setBrush(Qt::NoBrush);
}

bool Canvas::visibleBox(int& x1, int& y1, int& x2, int& y2) const
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return x2 != x1 && y2 != y1 && !outside(x1, y1, x2, y2);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (!visibleBox(x1, y1, x2, y2))
        return;
    if (sink_)
        sink_->rectangle(x1, y1, x2, y2, pen(), brush());
    if (penWidth_ == 1 && penStyle_ == PenStyle::Solid) {
        // fast path: outline and fill straight into the pixels
        const int cx1 = std::max(x1, 0), cx2 = std::min(x2, img_.width());
        const int cy1 = std::max(y1, 0), cy2 = std::min(y2, img_.height());
        if (cx1 >= cx2 || cy1 >= cy2)
            return;
        QRgb* base = reinterpret_cast<QRgb*>(img_.bits());
        const qsizetype stride = img_.bytesPerLine() / 4;
        const bool fillInside = brushStyle_ == BrushStyle::Solid;
        for (int y = cy1; y < cy2; ++y) {
            QRgb* row = base + y * stride;
            if (y == y1 || y == y2 - 1) {
                std::fill(row + cx1, row + cx2, penColor_);
                continue;
            }
            if (fillInside) {
                const int ix1 = std::max(x1 + 1, cx1), ix2 = std::min(x2 - 1, cx2);
                if (ix1 < ix2)
                    std::fill(row + ix1, row + ix2, brushColor_);
            }
            if (x1 >= cx1)
                row[x1] = penColor_;
            if (x2 - 1 < cx2)
                row[x2 - 1] = penColor_;
        }
        return;
    }
    // far corners come nearer: the part inside the picture stays the same
    const int m = kFar;
    x1 = std::max(x1, -m);
    y1 = std::max(y1, -m);
    x2 = std::min(x2, img_.width() + m);
    y2 = std::min(y2, img_.height() + m);
    QPainter p(&img_);
    setupPainter(p);
    if (penWidth_ <= 1) {
        p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    } else {
        // a wide pen straddles the box edge as it does for lines
        const double half = penWidth_ / 2.0;
        p.drawRect(QRectF(x1 + half - 0.5, y1 + half - 0.5, x2 - x1 - penWidth_, y2 - y1 - penWidth_));
    }
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (!visibleBox(x1, y1, x2, y2))
        return;
    if (sink_)
        sink_->ellipse(x1, y1, x2, y2, pen(), brush());
    const int64_t w64 = int64_t{x2} - x1, h64 = int64_t{y2} - y1;
    if (w64 > 2 * kFar || h64 > 2 * kFar) {
        // an outline far larger than the picture: the painter in real numbers
        QPainter p(&img_);
        setupPainter(p);
        p.drawEllipse(QRectF(x1, y1, static_cast<double>(w64 - 1), static_cast<double>(h64 - 1)));
        return;
    }
    const int w = static_cast<int>(w64), h = static_cast<int>(h64);
    if (w < kStampSide - 2 * kMargin && h < kStampSide - 2 * kMargin && penWidth_ <= 2) {
        const Stamp& s = ellipseStamp(w, h);
        QRgb* base = reinterpret_cast<QRgb*>(img_.bits());
        const qsizetype stride = img_.bytesPerLine() / 4;
        if (x1 + s.minD >= 0 && y1 + s.minD >= 0 && x1 + s.maxDx < img_.width() && y1 + s.maxDy < img_.height()) {
            QRgb* origin = base + y1 * stride + x1;
            for (const Stamp::Pixel& p : s.pixels)
                origin[p.dy * stride + p.dx] = p.colour;
        } else {
            const int W = img_.width(), H = img_.height();
            for (const Stamp::Pixel& p : s.pixels) {
                const int tx = x1 + p.dx, ty = y1 + p.dy;
                if (tx >= 0 && ty >= 0 && tx < W && ty < H)
                    base[ty * stride + tx] = p.colour;
            }
        }
        return;
    }
    QPainter p(&img_);
    setupPainter(p);
    p.drawEllipse(QRect(x1, y1, w - 1, h - 1));
}

void Canvas::polygon(const int* xy, int points)
{
    if (brushStyle_ == BrushStyle::Clear && penWidth_ == 1 && points > 1) {
        if (sink_)
            sink_->polygon(xy, points, pen(), brush());
        CanvasSink* const told = sink_;
        sink_ = nullptr;   // its lines are the polygon's, told once
        // a hollow outline is its closed line path: no painter, no allocation
        moveTo(xy[0], xy[1]);
        for (int i = 1; i <= points; ++i)
            lineTo(xy[2 * (i % points)], xy[2 * (i % points) + 1]);
        sink_ = told;
        return;
    }
    int x1 = xy[0], y1 = xy[1], x2 = xy[0], y2 = xy[1];
    for (int i = 1; i < points; ++i) {
        x1 = std::min(x1, xy[2 * i]);
        x2 = std::max(x2, xy[2 * i]);
        y1 = std::min(y1, xy[2 * i + 1]);
        y2 = std::max(y2, xy[2 * i + 1]);
    }
    if (points < 1 || outside(x1, y1, x2, y2))
        return;
    if (sink_)
        sink_->polygon(xy, points, pen(), brush());
    QPolygon poly;
    for (int i = 0; i < points; ++i)
        poly << QPoint(xy[2 * i], xy[2 * i + 1]);
    QPainter p(&img_);
    setupPainter(p);
    p.drawPolygon(poly);
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    // Anticlockwise from the ray towards (x3, y3) to the ray towards (x4, y4).
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double a1 = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
    const double a2 = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
    double span = a2 - a1;
    while (span <= 0.0)
        span += 360.0;
    if (sink_)
        sink_->arc(x1, y1, x2, y2, x3, y3, x4, y4, pen());
    QPainter p(&img_);
    setupPainter(p);
    p.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), static_cast<int>(std::lround(a1 * 16)),
              static_cast<int>(std::lround(span * 16)));
}

void Canvas::thinLine(int x1, int y1, int x2, int y2)
{
    // Bresenham with the end point left out, in closed form: the pixel of
    // step i along the major axis is computed, not walked to, so only the
    // steps inside the picture cost anything however far the ends lie.
    using Wide = __int128;
    const int64_t a = std::llabs(int64_t{x2} - x1), b = std::llabs(int64_t{y2} - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool xMajor = a >= b;
    const int64_t major = xMajor ? a : b, minor = xMajor ? b : a;
    const int64_t m0 = xMajor ? x1 : y1;
    const int sm = xMajor ? sx : sy;
    const int64_t size = xMajor ? img_.width() : img_.height();
    // steps whose major coordinate m0 + i * sm lies in 0 .. size - 1
    int64_t lo = sm > 0 ? -m0 : m0 - (size - 1);
    int64_t hi = sm > 0 ? size - 1 - m0 : m0;
    lo = std::max<int64_t>(lo, 0);
    hi = std::min<int64_t>(hi, major - 1);
    const bool dotted = penStyle_ == PenStyle::Dotted;
    if (lo <= hi) {
        // minor steps taken by step i: k = (2 minor i + major) div (2 major),
        // the tie rule of the walking form; found once, then carried along
        int64_t k = 0, rem = major;   // a line that starts inside: step 0
        if (lo > 0) {
            const Wide first = Wide{2} * minor * lo + major;
            k = static_cast<int64_t>(first / (Wide{2} * major));
            rem = static_cast<int64_t>(first % (Wide{2} * major));
        }
        // walk the visible steps: the major coordinate by one each, the
        // minor one when the remainder runs over
        int64_t px = x1 + (xMajor ? lo : k) * sx, py = y1 + (xMajor ? k : lo) * sy;
        const int64_t majorStepX = xMajor ? sx : 0, majorStepY = xMajor ? 0 : sy;
        const int64_t minorStepX = xMajor ? 0 : sx, minorStepY = xMajor ? sy : 0;
        const int W = img_.width(), H = img_.height();
        QRgb* const bits = reinterpret_cast<QRgb*>(img_.bits());
        const qsizetype stride = img_.bytesPerLine() / 4;
        for (int64_t i = lo; i <= hi; ++i) {
            if ((!dotted || ((dotPhase_ + static_cast<unsigned>(i)) & 1u) == 0) && px >= 0 && py >= 0 && px < W
                && py < H)
                bits[py * stride + px] = penColor_;
            px += majorStepX;
            py += majorStepY;
            rem += 2 * minor;
            if (rem >= 2 * major) {
                rem -= 2 * major;
                px += minorStepX;
                py += minorStepY;
            }
        }
    }
    dotPhase_ += static_cast<unsigned>(major);
}

void Canvas::lineTo(int x, int y)
{
    if (sink_)
        sink_->line(curX_, curY_, x, y, pen());
    const bool axisAligned = (x == curX_) != (y == curY_);
    if (penWidth_ <= 1) {
        thinLine(curX_, curY_, x, y);
    } else if (penWidth_ == 2 && axisAligned) {
        // the painter's 2-px round-capped line, without a painter (no
        // allocation): one pixel before the lower end to the higher end,
        // and the row or column above or left of the line
        const int64_t xa = int64_t{std::min(curX_, x)} - 1, xb = std::max(curX_, x);
        const int64_t ya = int64_t{std::min(curY_, y)} - 1, yb = std::max(curY_, y);
        const int cx1 = static_cast<int>(std::max<int64_t>(xa, 0));
        const int cx2 = static_cast<int>(std::min<int64_t>(xb, img_.width() - 1));
        const int cy1 = static_cast<int>(std::max<int64_t>(ya, 0));
        const int cy2 = static_cast<int>(std::min<int64_t>(yb, img_.height() - 1));
        for (int py = cy1; py <= cy2; ++py) {
            QRgb* row = reinterpret_cast<QRgb*>(img_.scanLine(py));
            for (int px = cx1; px <= cx2; ++px)
                row[px] = penColor_;
        }
    } else {
        wideLine(curX_, curY_, x, y);
    }
    curX_ = x;
    curY_ = y;
}

void Canvas::wideLine(int x1, int y1, int x2, int y2)
{
    QPainter p(&img_);
    setupPainter(p);
    const int m = kFar;
    auto near = [&](int v, int size) { return v >= -m && v <= size + m; };
    if (near(x1, img_.width()) && near(y1, img_.height()) && near(x2, img_.width()) && near(y2, img_.height())) {
        p.drawLine(x1, y1, x2, y2);
        return;
    }
    // Clipped to a box well beyond the picture (Liang-Barsky), in real
    // numbers: the pen never reaches the box's edges from inside.
    double t0 = 0.0, t1 = 1.0;
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    const double edges[4][2] = {{-dx, x1 + static_cast<double>(m)},
                                {dx, img_.width() + m - static_cast<double>(x1)},
                                {-dy, y1 + static_cast<double>(m)},
                                {dy, img_.height() + m - static_cast<double>(y1)}};
    for (const auto& e : edges) {
        if (e[0] == 0.0) {
            if (e[1] < 0.0)
                return;
            continue;
        }
        const double t = e[1] / e[0];
        if (e[0] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return;
    p.drawLine(QPointF(x1 + t0 * dx, y1 + t0 * dy), QPointF(x1 + t1 * dx, y1 + t1 * dy));
}

QFont Canvas::font() const
{
    QFont f(fontFamily_);
    f.setPixelSize(fontPixelSize_);
    f.setBold(fontBold_);
    return f;
}

void Canvas::textUp(int x, int y, const QString& text)
{
    const QFont f = font();
    const QFontMetrics fm(f);
    if (sink_)
        sink_->textUp(x, y, text, fontFamily_, fontPixelSize_, fontBold_, fm.horizontalAdvance(text));
    QPainter p(&img_);
    p.setFont(f);
    p.setPen(Qt::black);
    p.translate(x, y);
    p.rotate(-90.0);
    p.drawText(0, fm.ascent(), text);
}

int Canvas::textWidth(const QString& text) const
{
    return QFontMetrics(font()).horizontalAdvance(text);
}

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFont f = font();
    const QFontMetrics fm(f);
    if (sink_)
        sink_->text(x, y, text, fontFamily_, fontPixelSize_, fontBold_, brush(), fm.horizontalAdvance(text),
                    fm.height());
    QPainter p(&img_);
    p.setFont(f);
    if (brushStyle_ == BrushStyle::Solid)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), QColor(brushColor_));
    p.setPen(Qt::black);
    p.drawText(x, y + fm.ascent(), text);
    curX_ = x + fm.horizontalAdvance(text);
}

void Canvas::copyRect(int dx1, int dy1, int dx2, int dy2, const Canvas& src, int sx1, int sy1, int sx2, int sy2)
{
    if (sink_)
        sink_->image(dx1, dy1, src.img_.copy(sx1, sy1, sx2 - sx1, sy2 - sy1).scaled(dx2 - dx1, dy2 - dy1));
    QPainter p(&img_);
    p.drawImage(QRect(dx1, dy1, dx2 - dx1, dy2 - dy1), src.img_, QRect(sx1, sy1, sx2 - sx1, sy2 - sy1));
}

void Canvas::copyRect(int x1, int y1, int x2, int y2, const QImage& src)
{
    if (sink_)
        sink_->image(x1, y1, src.copy(x1, y1, x2 - x1, y2 - y1));
    if (src.size() == img_.size() && x1 == 0 && y1 == 0 && x2 == img_.width() && y2 == img_.height()
        && src.format() == img_.format()) {
        // whole-picture copy, row by row, without a painter
        for (int y = 0; y < img_.height(); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(src.constScanLine(y)), img_.width(),
                        reinterpret_cast<QRgb*>(img_.scanLine(y)));
        return;
    }
    QPainter p(&img_);
    p.drawImage(QRect(x1, y1, x2 - x1, y2 - y1), src, QRect(x1, y1, x2 - x1, y2 - y1));
}
