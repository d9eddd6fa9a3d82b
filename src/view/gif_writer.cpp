#include "view/gif_writer.h"

#include <gif_lib.h>

#include <QHash>
#include <cstring>
#include <vector>

namespace {
int append(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// The box's colours, in the order met; beyond 256 the nearest of them.
struct Palette {
    std::vector<QRgb> colours;
    QHash<QRgb, int> index;
    int of(QRgb c)
    {
        if (const auto it = index.constFind(c); it != index.constEnd())
            return *it;
        if (colours.size() < 256) {
            colours.push_back(c);
            return index[c] = static_cast<int>(colours.size() - 1);
        }
        int best = 0, bestDistance = 1 << 30;
        for (size_t i = 0; i < colours.size(); ++i) {
            const int dr = qRed(c) - qRed(colours[i]), dg = qGreen(c) - qGreen(colours[i]),
                      db = qBlue(c) - qBlue(colours[i]);
            if (const int d = dr * dr + dg * dg + db * db; d < bestDistance)
                best = static_cast<int>(i), bestDistance = d;
        }
        return best;
    }
};
}   // namespace

GifWriter::GifWriter(int width, int height) : width_(width), height_(height) {}

GifWriter::~GifWriter()
{
    if (gif_)
        EGifCloseFile(gif_, &error_);
}

void GifWriter::open()
{
    gif_ = EGifOpen(&bytes_, append, &error_);
    if (!gif_)
        return;
    EGifSetGifVersion(gif_, true);
    GifColorType black[2] = {{0, 0, 0}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(2, black);
    if (EGifPutScreenDesc(gif_, width_, height_, 8, 1, map) == GIF_ERROR)
        error_ = gif_->Error;
    GifFreeMapObject(map);
    // loop for ever (the Netscape application extension)
    const GifByteType loop[3] = {1, 0, 0};
    EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0");
    EGifPutExtensionBlock(gif_, 3, loop);
    EGifPutExtensionTrailer(gif_);
}

QRect GifWriter::changedBox(const QImage& picture) const
{
    if (last_.isNull())
        return QRect(0, 0, width_, height_);
    int x1 = width_, y1 = height_, x2 = -1, y2 = -1;
    for (int y = 0; y < height_; ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(last_.constScanLine(y));
        if (std::memcmp(a, b, static_cast<size_t>(width_) * sizeof(QRgb)) == 0)
            continue;
        for (int x = 0; x < width_; ++x)
            if (a[x] != b[x]) {
                x1 = std::min(x1, x);
                x2 = std::max(x2, x);
            }
        y1 = std::min(y1, y);
        y2 = y;
    }
    return x2 < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(x1, y1), QPoint(x2, y2));   // unchanged: one pixel
}

void GifWriter::frame(const QImage& picture, int delayCs)
{
    if (!gif_ && error_ == 0)
        open();
    if (!gif_ || error_ != 0)
        return;
    const QImage p = picture.convertToFormat(QImage::Format_RGB32);
    const QRect box = changedBox(p);
    Palette palette;
    std::vector<GifPixelType> rows(static_cast<size_t>(box.width()) * static_cast<size_t>(box.height()));
    for (int y = 0; y < box.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(p.constScanLine(box.top() + y));
        for (int x = 0; x < box.width(); ++x)
            rows[static_cast<size_t>(y * box.width() + x)] =
                static_cast<GifPixelType>(palette.of(line[box.left() + x] | 0xff000000u));
    }
    const int size = 1 << GifBitSize(static_cast<int>(palette.colours.size()));
    std::vector<GifColorType> colours(static_cast<size_t>(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.colours.size(); ++i)
        colours[i] = {static_cast<GifByteType>(qRed(palette.colours[i])),
                      static_cast<GifByteType>(qGreen(palette.colours[i])),
                      static_cast<GifByteType>(qBlue(palette.colours[i]))};
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    GraphicsControlBlock gcb{DISPOSE_DO_NOT, false, delayCs, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&gcb, extension);
    bool ok = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR
        && EGifPutImageDesc(gif_, box.left(), box.top(), box.width(), box.height(), false, map) != GIF_ERROR;
    for (int y = 0; ok && y < box.height(); ++y)
        ok = EGifPutLine(gif_, rows.data() + static_cast<size_t>(y * box.width()), box.width()) != GIF_ERROR;
    GifFreeMapObject(map);
    if (!ok)
        error_ = gif_->Error;
    last_ = p;
}

QByteArray GifWriter::finish(QString* error)
{
    if (!gif_ && error_ == 0)
        open();
    int closing = 0;
    const bool closed = gif_ && EGifCloseFile(gif_, &closing) != GIF_ERROR;
    gif_ = nullptr;
    const int code = error_ != 0 ? error_ : closing;
    if (!closed || code != 0) {
        *error = QStringLiteral("GIF: %1").arg(QString::fromUtf8(GifErrorString(code)));
        return {};
    }
    return bytes_;
}
