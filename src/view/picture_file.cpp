#include "view/picture_file.h"

#include <QBuffer>

#include "ui/canvas.h"
#include "ui/safe_save.h"
#include "view/gif_writer.h"
#include "view/svg_picture.h"

QImage zoomedPicture(const QImage& picture, int zoom)
{
    const QImage from = picture.convertToFormat(QImage::Format_RGB32);
    if (zoom <= 1)
        return from;
    QImage to(from.width() * zoom, from.height() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < to.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(from.constScanLine(y / zoom));
        QRgb* dst = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < to.width(); ++x)
            dst[x] = src[x / zoom];
    }
    return to;
}

QByteArray pngBytes(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

QString writePictureFile(const QString& path, const QByteArray& bytes)
{
    SafeSave file(path);
    if (!file.open())
        return file.message();
    file.write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return file.commit() ? QString() : file.message();
}

QByteArray picturePng(const TablePicture& p, const Canvas& grid, int zoom)
{
    Canvas table(grid.width(), grid.height());
    drawTablePicture(table, grid, p);
    return pngBytes(zoomedPicture(table.image(), zoom));
}

QByteArray pictureSvg(const TablePicture& p, const Canvas& grid, int zoom)
{
    SvgPicture svg(grid.width(), grid.height(), zoom);
    Canvas shapes(grid.width(), grid.height());
    shapes.setSink(&svg);
    drawTablePicture(shapes, grid, p);
    return svg.svg();
}

QByteArray animationGif(TablePicture p, const Canvas& grid, int lastTick, int every, int zoom, QString* error,
                        const std::function<void(int, int)>& progress)
{
    every = std::max(1, every);
    GifWriter gif(grid.width() * zoom, grid.height() * zoom);
    const int last = std::max(1, lastTick);
    const int frames = (last - 1) / every + 1;
    for (int tick = 1; tick <= last; tick += every) {
        Canvas frame(grid.width(), grid.height());   // each frame as the picture alone at its tick
        p.tick = tick;
        drawTablePicture(frame, grid, p);
        gif.frame(zoomedPicture(frame.image(), zoom), every * 5);   // a tick is 0.05 s; GIF counts 1/100 s
        if (progress)
            progress((tick - 1) / every + 1, frames);
    }
    return gif.finish(error);
}
