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
    box.setWindowTitle(QCoreApplication::translate("About", "About Slidora"));
    box.setText(QStringLiteral("<b>Slidora</b>"));
    box.setInformativeText(QCoreApplication::translate("About",
                                                       "Version %1\n\n"
                                                       "A tilting air table with a red and a black puck.\n"
                                                       "Set masses, speeds and the kind of collision, run it, "
                                                       "and study the strobe trace.\n\n"
                                                       "Licence: %2")
                               .arg(QStringLiteral(SLIDORA_VERSION), QStringLiteral(SLIDORA_LICENCE)));
    box.setIcon(QMessageBox::Information);
    box.exec();
}

QString QtPlatformServices::openFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                                         const QString& startIn)
{
    QFileDialog dlg(parent, QString(), startIn);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(defaultExt);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString QtPlatformServices::saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                                         const QString& startIn)
{
    QFileDialog dlg(parent, QString(), startIn);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(defaultExt);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString QtPlatformServices::folderName(QWidget* parent, const QString& startIn)
{
    return QFileDialog::getExistingDirectory(parent, QString(), startIn);
}

namespace {
class PainterJob : public PrintJob {
public:
    PainterJob(QPagedPaintDevice& device, int pageWidth) : painter_(&device), pageWidth_(pageWidth)
    {
        // the picture goes to paper as it is: no lossy compression of its pixels
        painter_.setRenderHint(QPainter::LosslessImageRendering);
    }
    bool active() const { return painter_.isActive(); }
    int pageWidth() const override { return pageWidth_; }
    void textOut(int x, int y, const QString& text) override
    {
        painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
    }
    void stretchImage(const QRect& target, const QImage& image) override { painter_.drawImage(target, image); }
    void end() override
    {
        if (painter_.isActive())
            painter_.end();
    }
    ~PainterJob() override { end(); }

private:
    QPainter painter_;
    int pageWidth_;
};
}   // namespace

std::unique_ptr<PrintJob> makePainterJob(QPagedPaintDevice& device, int pageWidth)
{
    auto job = std::make_unique<PainterJob>(device, pageWidth);
    if (!job->active())
        return nullptr;
    return job;
}

QtPlatformServices::QtPlatformServices() = default;

QtPlatformServices::~QtPlatformServices() = default;

int QtPlatformServices::execModal(QDialog& dialog)
{
    return dialog.exec();
}

bool QtPlatformServices::askPrinter(QWidget* parent)
{
    return printers_.choose([parent](QPrinter& printer) {
        QPrintDialog dlg(&printer, parent);
        return dlg.exec() == QDialog::Accepted;
    });
}

std::unique_ptr<PrintJob> QtPlatformServices::beginPrintJob()
{
    return printers_.begin();
}

void QtPlatformServices::printerSetup(QWidget* parent)
{
    // the print dialog chooses the printer or a PDF file and its page;
    // nothing is printed until "Print Graph"
    printers_.choose([parent](QPrinter& printer) {
        QPrintDialog dlg(&printer, parent);
        dlg.setWindowTitle(QCoreApplication::translate("PrinterSetup", "Printer Setup"));
        dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dlg.exec() == QDialog::Accepted;
    });
}

void QtPlatformServices::copyImage(const QImage& image)
{
    QApplication::clipboard()->setImage(image);
}

void QtPlatformServices::copyText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}
