#include "view/svg_picture.h"

#include <QBuffer>
#include <cmath>

namespace {
// Pixel (x, y) covers x..x+1: a one-pixel line runs through the pixels' middles.
QString at(double v)
{
    return QString::number(v, 'f', 1);
}

QString colour(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xffffffu, 6, 16, QLatin1Char('0'));
}

QString escaped(const QString& s)
{
    return s.toHtmlEscaped();
}
}   // namespace

SvgPicture::SvgPicture(int width, int height, int zoom) : width_(width), height_(height), zoom_(zoom) {}

QByteArray SvgPicture::svg() const
{
    const QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"%1\" height=\"%2\" "
                                        "viewBox=\"0 0 %3 %4\" shape-rendering=\"crispEdges\">\n")
                             .arg(width_ * zoom_)
                             .arg(height_ * zoom_)
                             .arg(width_)
                             .arg(height_);
    return (head + body_ + QStringLiteral("</svg>\n")).toUtf8();
}

QString SvgPicture::stroke(const Pen& pen) const
{
    QString s = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"").arg(colour(pen.colour)).arg(pen.width);
    if (pen.dotted)
        s += QStringLiteral(" stroke-dasharray=\"1 1\"");
    return s;
}

QString SvgPicture::fill(const Brush& brush) const
{
    return brush.clear ? QStringLiteral("fill=\"none\"") : QStringLiteral("fill=\"%1\"").arg(colour(brush.colour));
}

void SvgPicture::rectangle(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush)
{
    body_ += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5 %6/>\n")
                 .arg(at(x1 + 0.5), at(y1 + 0.5), at(x2 - x1 - 1.0), at(y2 - y1 - 1.0), fill(brush), stroke(pen));
}

void SvgPicture::ellipse(int x1, int y1, int x2, int y2, const Pen& pen, const Brush& brush)
{
    ++ellipses_;
    body_ += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5 %6/>\n")
                 .arg(at((x1 + x2) / 2.0), at((y1 + y2) / 2.0), at((x2 - x1 - 1) / 2.0), at((y2 - y1 - 1) / 2.0),
                      fill(brush), stroke(pen));
}

void SvgPicture::polygon(const int* xy, int points, const Pen& pen, const Brush& brush)
{
    QString list;
    for (int i = 0; i < points; ++i)
        list += at(xy[2 * i] + 0.5) + QLatin1Char(',') + at(xy[2 * i + 1] + 0.5) + QLatin1Char(' ');
    body_ += QStringLiteral("<polygon points=\"%1\" %2 %3/>\n").arg(list.trimmed(), fill(brush), stroke(pen));
}

void SvgPicture::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, const Pen& pen)
{
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1 - 1) / 2.0, ry = (y2 - y1 - 1) / 2.0;
    const double a1 = std::atan2(-(y3 - cy), x3 - cx), a2 = std::atan2(-(y4 - cy), x4 - cx);
    double span = a2 - a1;
    while (span <= 0.0)
        span += 2 * M_PI;
    const double sx = cx + rx * std::cos(a1), sy = cy - ry * std::sin(a1);
    const double ex = cx + rx * std::cos(a1 + span), ey = cy - ry * std::sin(a1 + span);
    // anticlockwise on the screen is SVG's negative sweep
    body_ += QStringLiteral("<path d=\"M %1 %2 A %3 %4 0 %5 0 %6 %7\" fill=\"none\" %8/>\n")
                 .arg(at(sx), at(sy), at(rx), at(ry), span > M_PI ? QStringLiteral("1") : QStringLiteral("0"), at(ex),
                      at(ey), stroke(pen));
}

void SvgPicture::line(int x1, int y1, int x2, int y2, const Pen& pen)
{
    body_ += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>\n")
                 .arg(at(x1 + 0.5), at(y1 + 0.5), at(x2 + 0.5), at(y2 + 0.5), stroke(pen));
}

void SvgPicture::textUp(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                        int boxWidth)
{
    Q_UNUSED(boxWidth);
    body_ += textElement(x, y, text, family, pixelSize, bold,
                         QStringLiteral(" transform=\"rotate(-90 %1 %2)\"").arg(x).arg(y));
}

QString SvgPicture::textElement(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                                const QString& turn)
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\"%7 font-family=\"%3\" font-size=\"%4\"%5 "
                          "dominant-baseline=\"text-before-edge\" fill=\"#000000\">%6</text>\n")
        .arg(x)
        .arg(y)
        .arg(escaped(family))
        .arg(pixelSize)
        .arg(bold ? QStringLiteral(" font-weight=\"bold\"") : QString())
        .arg(escaped(text), turn);
}

void SvgPicture::text(int x, int y, const QString& text, const QString& family, int pixelSize, bool bold,
                      const Brush& brush, int boxWidth, int boxHeight)
{
    if (!brush.clear)
        body_ += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5/>\n")
                     .arg(x)
                     .arg(y)
                     .arg(boxWidth)
                     .arg(boxHeight)
                     .arg(fill(brush));
    body_ += textElement(x, y, text, family, pixelSize, bold, QString());
}

void SvgPicture::image(int x, int y, const QImage& part)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    part.save(&buffer, "PNG");
    body_ += QStringLiteral(
                 "<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" xlink:href=\"data:image/png;base64,%5\"/>\n")
                 .arg(x)
                 .arg(y)
                 .arg(part.width())
                 .arg(part.height())
                 .arg(QString::fromLatin1(png.toBase64()));
}
