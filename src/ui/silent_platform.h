#pragma once
// Platform services for runs nobody watches (the export, the fuzz target):
// every dialog is answered "no", nothing is printed or copied, and the last
// message is kept for the caller to report.
#include "ui/platform.h"

class SilentPlatform : public PlatformServices {
public:
    void showMessage(QWidget*, const QString& text) override { message = text; }
    void showAbout(QWidget*) override {}
    int execModal(QDialog&) override { return 0; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    QString folderName(QWidget*, const QString&) override { return QString(); }
    bool askPrinter(QWidget*) override { return false; }
    std::unique_ptr<PrintJob> beginPrintJob() override { return nullptr; }
    void printerSetup(QWidget*) override {}
    void copyImage(const QImage&) override {}
    void copyText(const QString&) override {}
    QString message;
};
