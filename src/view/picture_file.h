#pragma once
// The table picture as a file's bytes: a PNG, each pixel a zoom x zoom
// block, or an SVG drawing. Written through the safe save.

#include <QByteArray>
#include <QImage>
#include <QString>

QImage zoomedPicture(const QImage& picture, int zoom);
QByteArray pngBytes(const QImage& picture);

// Writes `bytes` to `path`; an empty string, or the message why not.
QString writePictureFile(const QString& path, const QByteArray& bytes);
