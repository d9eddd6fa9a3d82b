#include <QFileInfo>
#include <algorithm>

#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "view/gif_writer.h"
#include "view/picture_file.h"
#include "view/svg_picture.h"
#include "view/table_picture.h"
#include "view/trace_renderer.h"

// File > Save Picture: the table picture as the window holds it, or drawn
// once more as shapes.

QByteArray TableWindow::picturePng(int zoom) const
{
    return pngBytes(zoomedPicture(table_.image(), zoom));
}

QByteArray TableWindow::pictureSvg(int zoom)
{
    if (sim::runStarted(*state_))
        return ::pictureSvg(renderer_->pictureAt(state_->viewTick), grid_, zoom);
    SvgPicture svg(table_.width(), table_.height(), zoom);
    table_.setSink(&svg);
    ops_.drawSetUp();
    table_.setSink(nullptr);
    return svg.svg();
}

void TableWindow::savePicture()
{
    const QString path = platform_.saveFileName(this, tr("PNG picture (*.png);;SVG drawing (*.svg)"),
                                                QStringLiteral("png"), prefs::folder(prefs::Folder::Exports));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Exports, path);
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    if (const QString error = writePictureFile(path, svg ? pictureSvg() : picturePng()); !error.isEmpty())
        platform_.showMessage(this, error);
}

QImage TableWindow::pictureAt(int tick) const
{
    Canvas frame(table_.width(), table_.height());
    drawTablePicture(frame, grid_, renderer_->pictureAt(std::clamp(tick, 1, std::max(1, state_->timeLineEnd))));
    return frame.image();
}

QImage TableWindow::pictureNow() const
{
    return sim::runStarted(*state_) ? pictureAt(state_->viewTick) : table_.image().copy();
}

QByteArray TableWindow::animationGif(int every, int zoom, QString* error, const std::function<void(int, int)>& progress)
{
    return ::animationGif(renderer_->pictureAt(1), grid_, state_->timeLineEnd, every, zoom, error, progress);
}

void TableWindow::saveAnimation()
{
    if (!sim::runStarted(*state_)) {
        platform_.showMessage(this, tr("Start a run first: the animation shows it tick by tick."));
        return;
    }
    const QString path = platform_.saveFileName(this, tr("GIF animation (*.gif)"), QStringLiteral("gif"),
                                                prefs::folder(prefs::Folder::Exports));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Exports, path);
    QString error;
    const QByteArray gif = animationGif(framesEvery(state_->timeLineEnd), 1, &error);
    if (error.isEmpty())
        error = writePictureFile(path, gif);
    if (!error.isEmpty())
        platform_.showMessage(this, error);
}
