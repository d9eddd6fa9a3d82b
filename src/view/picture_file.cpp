#include "view/picture_file.h"

#include <QBuffer>

#include "ui/safe_save.h"

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
