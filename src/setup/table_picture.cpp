#include <QFileInfo>

#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "view/picture_file.h"
#include "view/svg_picture.h"
#include "view/trace_renderer.h"

// File > Save Picture: the table picture as the window holds it, or drawn
// once more as shapes.

QByteArray TableWindow::picturePng(int zoom) const
{
    return pngBytes(zoomedPicture(table_.image(), zoom));
}

QByteArray TableWindow::pictureSvg(int zoom)
{
    SvgPicture svg(table_.width(), table_.height(), zoom);
    table_.setSink(&svg);
    if (!sim::runStarted(*state_))
        ops_.drawSetUp();
    else if (model_.interaction == sim::Interaction::Circle)
        ops_.circleStep();
    else
        renderer_->drawPicture();
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
