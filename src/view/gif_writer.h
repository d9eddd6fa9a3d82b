#pragma once
// An animated GIF of the table, written frame by frame: each frame stores
// only the box that changed since the one before, with its own colours
// (exact up to 256 of them), and the animation loops.

#include <QByteArray>
#include <QImage>
#include <QString>

struct GifFileType;

class GifWriter {
public:
    GifWriter(int width, int height);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // The next frame, shown for `delayCs` hundredths of a second.
    void frame(const QImage& picture, int delayCs);
    // The whole file; empty, with the reason, when the encoder failed.
    QByteArray finish(QString* error);

private:
    void open();
    QRect changedBox(const QImage& picture) const;

    int width_, height_;
    GifFileType* gif_ = nullptr;
    QByteArray bytes_;
    QImage last_;
    int error_ = 0;
};
