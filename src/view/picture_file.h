#pragma once
// The table picture as a file's bytes: a PNG, each pixel a zoom x zoom
// block, or an SVG drawing. Written through the safe save.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <algorithm>
#include <functional>

#include "view/table_picture.h"

class Canvas;

QImage zoomedPicture(const QImage& picture, int zoom);
QByteArray pngBytes(const QImage& picture);

// A run's picture drawn for a file from data (see table_picture.h) over
// `grid`: as a PNG, as an SVG of the same shapes, and as an animated GIF
// whose frame j shows tick 1 + j x every up to `lastTick`, each shown for
// the simulated time to the next; empty with the reason on failure.
// `progress` (if any) is told each frame done and their number.
QByteArray picturePng(const TablePicture& p, const Canvas& grid, int zoom);
QByteArray pictureSvg(const TablePicture& p, const Canvas& grid, int zoom);
QByteArray animationGif(TablePicture p, const Canvas& grid, int lastTick, int every, int zoom, QString* error,
                        const std::function<void(int done, int frames)>& progress = {});
// A frame every tick of a short run; a long one in about 400 frames, as the window's own.
inline int framesEvery(int lastTick)
{
    return std::max(1, (lastTick + 399) / 400);
}

// Writes `bytes` to `path`; an empty string, or the message why not.
QString writePictureFile(const QString& path, const QByteArray& bytes);
