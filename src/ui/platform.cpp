#include "ui/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void QtPlatformServices::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Slidora"), text);
}

void QtPlatformServices::showAbout(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("About Slidora"));
    box.setText(QStringLiteral("<b>Slidora</b>"));
    box.setInformativeText(QStringLiteral(
        "A tilting air table with a red and a black puck.\n"
        "Set masses, speeds and the kind of collision, run it, "
        "and study the strobe trace."));
    box.setIcon(QMessageBox::Information);
    box.exec();
}

QString QtPlatformServices::openFileName(QWidget* parent, const QString& filter, const QString& defaultExt)
{
    QFileDialog dlg(parent);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(defaultExt);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString QtPlatformServices::saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt)
{
    QFileDialog dlg(parent);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(defaultExt);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

bool QtPlatformServices::printPicture(QWidget* parent, const QString& nameLine, const QImage& picture)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dlg(&printer, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    QPainter p(&printer);
    p.drawText(0, 150, nameLine);
    const int w = printer.pageLayout().paintRectPixels(printer.resolution()).width() - 300;
    if (!picture.isNull() && picture.width() > 0 && w > 0) {
        const int h = picture.height() * w / picture.width();
        p.drawImage(QRect(150, 300, w, h), picture);
    }
    return true;
}

void QtPlatformServices::copyImage(const QImage& image)
{
    QApplication::clipboard()->setImage(image);
}

void QtPlatformServices::copyText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}
