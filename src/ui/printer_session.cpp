#include "ui/printer_session.h"

#include <QPageLayout>
#include <QPrinter>

#include "ui/platform.h"

PrinterSession::PrinterSession() = default;
PrinterSession::~PrinterSession() = default;

QPrinter& PrinterSession::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool PrinterSession::choose(const std::function<bool(QPrinter&)>& dialog)
{
    return dialog(printer());
}

std::unique_ptr<PrintJob> PrinterSession::begin()
{
    QPrinter& p = printer();
    if (!p.isValid())
        return nullptr;   // no default printer and none chosen
    const int width = p.pageLayout().paintRectPixels(p.resolution()).width();
    std::unique_ptr<PrintJob> job = makePainterJob(p, width);
    if (!job)
        renew();
    return job;
}

void PrinterSession::renew()
{
    const QPageLayout layout = printer_->pageLayout();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageLayout(layout);
}
