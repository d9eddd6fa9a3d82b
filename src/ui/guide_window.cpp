#include "ui/guide_window.h"

#include <QUrl>

GuideWindow::GuideWindow(QWidget* parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Slidora Guide"));
    resize(820, 760);
    setOpenExternalLinks(true);
    // the pictures are named relative to the guide, as in the repository
    setSource(QUrl(QStringLiteral("qrc:/guide/guide.md")), QTextDocument::MarkdownResource);
}

void GuideWindow::open()
{
    show();
    raise();
    activateWindow();
}
