#pragma once
// Modal dialogs, the printer and the clipboard, behind one interface so
// that tests script the answers and never wait on a dialog.

#include <QImage>
#include <QString>
#include <memory>

#include "ui/printer_session.h"

class QDialog;
class QPrinter;
class QWidget;

// One page being printed, in printer device pixels.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual int pageWidth() const = 0;
    // Text with its top-left corner at (x, y), in the printer's default font.
    virtual void textOut(int x, int y, const QString& text) = 0;
    // The bitmap stretched onto the target, pixels unchanged.
    virtual void stretchImage(const QRect& target, const QImage& image) = 0;
    // Ends the job and sends the page.
    virtual void end() = 0;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    virtual void showAbout(QWidget* parent) = 0;
    // Runs a dialog modally; returns its result code.
    virtual int execModal(QDialog& dialog) = 0;
    // Empty string when the user cancels. `startIn`: the folder the dialog
    // opens on; empty for the usual one.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                                 const QString& startIn) = 0;
    // `startIn`: the folder (or file) the dialog opens on; empty for the usual one.
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                                 const QString& startIn) = 0;
    // A folder chosen; empty when the user cancels.
    virtual QString folderName(QWidget* parent, const QString& startIn) = 0;
    // The print dialog; false when the user cancels.
    virtual bool askPrinter(QWidget* parent) = 0;
    // A job on the printer last chosen (the default one before any choice);
    // null when there is no printer to print on.
    virtual std::unique_ptr<PrintJob> beginPrintJob() = 0;
    // Chooses the printer (or PDF file) and page used next, printing nothing.
    virtual void printerSetup(QWidget* parent) = 0;
    virtual void copyImage(const QImage& image) = 0;
    virtual void copyText(const QString& text) = 0;
};

class QtPlatformServices : public PlatformServices {
public:
    QtPlatformServices();
    ~QtPlatformServices() override;

    void showMessage(QWidget* parent, const QString& text) override;
    void showAbout(QWidget* parent) override;
    int execModal(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                         const QString& startIn) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt,
                         const QString& startIn) override;
    QString folderName(QWidget* parent, const QString& startIn) override;
    bool askPrinter(QWidget* parent) override;
    std::unique_ptr<PrintJob> beginPrintJob() override;
    void printerSetup(QWidget* parent) override;
    void copyImage(const QImage& image) override;
    void copyText(const QString& text) override;

private:
    PrinterSession printers_;
};

// A print job painting on any paged device (a printer, a PDF writer);
// null when the device cannot be painted on.
std::unique_ptr<PrintJob> makePainterJob(class QPagedPaintDevice& device, int pageWidth);
