#include <gtest/gtest.h>

#include <QPainter>
#include <climits>
#include <random>

#include "colour.h"
#include "ui/canvas.h"

namespace {
const Colour kRed = qRgb(255, 0, 0);
const Colour kWhite = qRgb(255, 255, 255);
const Colour kBlack = qRgb(0, 0, 0);
}   // namespace

TEST(Canvas, RectangleCoversItsBoxLessRightAndBottom)
{
    Canvas cv(40, 40);
    cv.setPenColor(Qt::red);
    cv.setBrushColor(Qt::black);
    cv.rectangle(10, 10, 14, 14);
    EXPECT_EQ(Colour(cv.pixel(10, 10)), kRed);
    EXPECT_EQ(Colour(cv.pixel(13, 13)), kRed);
    EXPECT_EQ(Colour(cv.pixel(11, 11)), kBlack);   // brush inside
    EXPECT_EQ(Colour(cv.pixel(14, 12)), kWhite);
    EXPECT_EQ(Colour(cv.pixel(12, 14)), kWhite);
}

TEST(Canvas, RectangleIsClippedAtTheEdges)
{
    Canvas cv(20, 20);
    cv.setPenColor(Qt::black);
    cv.rectangle(-5, -5, 3, 3);
    cv.rectangle(18, 18, 30, 30);
    EXPECT_EQ(Colour(cv.pixel(2, 0)), kBlack);
    EXPECT_EQ(Colour(cv.pixel(19, 18)), kBlack);
}

TEST(Canvas, LineLeavesOutItsEndPointAndDotsAlternate)
{
    Canvas cv(40, 10);
    cv.setPenColor(Qt::black);
    cv.line(0, 5, 10, 5);
    EXPECT_EQ(Colour(cv.pixel(0, 5)), kBlack);
    EXPECT_EQ(Colour(cv.pixel(9, 5)), kBlack);
    EXPECT_EQ(Colour(cv.pixel(10, 5)), kWhite);
    cv.setPenStyle(Canvas::PenStyle::Dotted);
    cv.line(0, 2, 20, 2);
    int on = 0;
    for (int x = 0; x < 20; ++x)
        on += cv.pixel(x, 2) == kBlack;
    EXPECT_EQ(on, 10);
    EXPECT_EQ(Colour(cv.pixel(0, 2)), kBlack);
    EXPECT_EQ(Colour(cv.pixel(1, 2)), kWhite);
}

TEST(Canvas, PenAndBrushPersistBetweenCalls)
{
    Canvas cv(20, 20);
    cv.setPenColor(Qt::red);
    cv.setPenWidth(2);
    cv.setBrushStyle(Canvas::BrushStyle::Clear);
    cv.line(0, 0, 5, 5);
    EXPECT_EQ(cv.penColor(), kRed);
    EXPECT_EQ(cv.penWidth(), 2);
    EXPECT_EQ(cv.brushStyle(), Canvas::BrushStyle::Clear);
}

TEST(Canvas, StampedDotsMatchThePainter)
{
    // the fast path must give the same pixels as drawing each dot directly
    for (auto brush : {Canvas::BrushStyle::Solid, Canvas::BrushStyle::Clear}) {
        for (int size : {4, 7, 12}) {
            Canvas cv(40, 40);
            cv.setPenColor(Qt::red);
            cv.setBrushColor(Qt::black);
            cv.setBrushStyle(brush);
            cv.ellipse(5, 6, 5 + size, 6 + size);
            QImage ref(40, 40, QImage::Format_RGB32);
            ref.fill(kWhite.rgb);
            QPainter p(&ref);
            p.setPen(QPen(QColor(kRed.rgb), 0));
            if (brush == Canvas::BrushStyle::Solid)
                p.setBrush(QColor(kBlack.rgb));
            p.drawEllipse(QRect(5, 6, size - 1, size - 1));
            p.end();
            EXPECT_EQ(cv.image(), ref) << size;
        }
    }
}

TEST(Canvas, DotsOffTheImageAreClipped)
{
    Canvas cv(10, 10);
    cv.setPenColor(Qt::red);
    cv.ellipse(-2, -2, 2, 2);
    cv.ellipse(8, 8, 12, 12);
    cv.ellipse(-100, 5, -96, 9);
    int reds = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            reds += cv.pixel(x, y) == kRed;
    EXPECT_GT(reds, 0);
    EXPECT_EQ(Colour(cv.pixel(5, 5)), kWhite);
}

TEST(Canvas, TextOverASolidBrushIsOpaque)
{
    Canvas cv(100, 30);
    cv.setBrushColor(Qt::black);
    cv.textOut(2, 2, QStringLiteral("10.0 cm"));
    // the text's background took the brush colour
    EXPECT_EQ(Colour(cv.pixel(3, 3)), kBlack);
    Canvas clear(100, 30);
    clear.setBrushStyle(Canvas::BrushStyle::Clear);
    clear.textOut(2, 2, QStringLiteral("10.0 cm"));
    EXPECT_EQ(clear.pixel(3, 3), kWhite);
}

TEST(Canvas, CopyRectTakesTheOtherPicture)
{
    Canvas a(30, 30), b(30, 30);
    b.setPenColor(Qt::red);
    b.rectangle(0, 0, 30, 30);
    a.copyRect(0, 0, 30, 30, b.image());
    EXPECT_EQ(a.image(), b.image());
}

TEST(Canvas, WideAxisLinesMatchThePainter)
{
    // the painter-free path for 2-px lines, at the edges too
    const int lines[][4] = {{10, 10, 30, 10}, {30, 12, 10, 12}, {5, 5, 5, 35},    {8, 35, 8, 5},
                            {0, 0, 39, 0},    {39, 3, 39, 39},  {-5, 20, 50, 20}, {12, 30, 13, 30}};
    for (const auto& l : lines) {
        Canvas cv(40, 40);
        cv.setPenColor(Qt::black);
        cv.setPenWidth(2);
        cv.line(l[0], l[1], l[2], l[3]);
        QImage ref(40, 40, QImage::Format_RGB32);
        ref.fill(kWhite.rgb);
        QPainter p(&ref);
        p.setPen(QPen(QColor(kBlack.rgb), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(l[0], l[1], l[2], l[3]);
        p.end();
        EXPECT_EQ(cv.image(), ref) << l[0] << "," << l[1] << " " << l[2] << "," << l[3];
    }
}

TEST(Canvas, HollowPolygonIsItsClosedOutline)
{
    // the force arrow's seven points
    const int bx = 50, by = 20, s = 11;
    const int xy[] = {
        bx,         by,     bx - s,     by - s, bx - s, by - s / 2, bx - 7 * s / 2, by - s / 2, bx - 7 * s / 2,
        by + s / 2, bx - s, by + s / 2, bx - s, by + s};
    Canvas cv(60, 40);
    cv.setPenColor(Qt::black);
    cv.setBrushStyle(Canvas::BrushStyle::Clear);
    cv.polygon(xy, 7);
    EXPECT_EQ(Colour(cv.pixel(bx, by)), kBlack);   // the tip
    EXPECT_EQ(Colour(cv.pixel(bx - 7 * s / 2, by)), kBlack);   // the tail's edge
    EXPECT_EQ(Colour(cv.pixel(bx - s, by + s)), kBlack);   // the lower barb
    EXPECT_EQ(Colour(cv.pixel(bx - 2 * s, by)), kWhite);   // hollow inside
    int blacks = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            blacks += cv.pixel(x, y) == kBlack;
    EXPECT_GT(blacks, 60);
}

namespace {
// The walking form of the line the canvas draws in closed form.
void walkedLine(QImage& img, int x1, int y1, int x2, int y2, bool dotted)
{
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    unsigned phase = 0;
    while (!(x == x2 && y == y2)) {
        if ((!dotted || (phase & 1u) == 0) && x >= 0 && y >= 0 && x < img.width() && y < img.height())
            img.setPixel(x, y, kBlack.rgb);
        ++phase;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
}   // namespace

TEST(Canvas, LinesMatchTheWalkedLineAnywhereAndFarEndsCostNothing)
{
    std::mt19937 rng(7);
    for (int n = 0; n < 3000; ++n) {
        const int range = n < 2000 ? 80 : 200000;   // near and far ends
        std::uniform_int_distribution<int> d(-range, range);
        const int x1 = d(rng), y1 = d(rng), x2 = d(rng), y2 = d(rng);
        const bool dotted = n % 2 == 1;
        Canvas cv(60, 40);
        cv.setPenColor(Qt::black);
        cv.setPenStyle(dotted ? Canvas::PenStyle::Dotted : Canvas::PenStyle::Solid);
        cv.moveTo(x1, y1);
        cv.lineTo(x2, y2);
        cv.lineTo(x1 + 3, y2);   // the dots carry on along a path
        QImage ref(60, 40, QImage::Format_RGB32);
        ref.fill(kWhite.rgb);
        walkedLine(ref, x1, y1, x2, y2, dotted);
        QImage second(60, 40, QImage::Format_RGB32);
        second.fill(kWhite.rgb);
        walkedLine(second, x2, y2, x1 + 3, y2, false);
        const unsigned steps = static_cast<unsigned>(std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                const int along = std::abs(x - x2);
                const bool onSecond =
                    second.pixel(x, y) == kBlack && (!dotted || ((steps + static_cast<unsigned>(along)) & 1u) == 0);
                if (onSecond)
                    ref.setPixel(x, y, kBlack.rgb);
            }
        ASSERT_EQ(cv.image(), ref) << x1 << "," << y1 << " " << x2 << "," << y2 << (dotted ? " dotted" : "");
    }

    // ends at the far corners of the 32-bit range, with every pen: a walk
    // along these lines would take minutes (ctest's timeout catches that)
    for (int width : {1, 2, 3}) {
        Canvas cv(60, 40);
        cv.setPenWidth(width);
        cv.line(INT_MIN, 20, INT_MAX, 20);
        EXPECT_EQ(Colour(cv.pixel(0, 20)), kBlack) << width;
        EXPECT_EQ(Colour(cv.pixel(59, 20)), kBlack) << width;
        cv.line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        cv.line(INT_MAX, INT_MIN, INT_MIN, INT_MAX);
        cv.line(5, INT_MIN, 5, INT_MAX);
        EXPECT_EQ(Colour(cv.pixel(5, 0)), kBlack) << width;
        cv.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        cv.ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        cv.ellipse(INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX);
        cv.ellipse(INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10);
        cv.setPenStyle(Canvas::PenStyle::Dotted);
        cv.rectangle(INT_MIN, 10, INT_MAX, 30);
        cv.line(INT_MIN, 7, INT_MAX, 9);
        const int far[] = {INT_MIN, INT_MIN, INT_MAX, 0, 0, INT_MAX};
        cv.polygon(far, 3);
        cv.setBrushStyle(Canvas::BrushStyle::Clear);
        cv.polygon(far, 3);
    }
}
