#pragma once
// The printer the user chose, made only when printing is asked for. A job
// that cannot start leaves no trace: the printer is made afresh (with its
// page settings), since a printer whose start failed stays "active" and
// refuses every later choice.

#include <QString>
#include <functional>
#include <memory>

class PrintJob;
class QPrinter;

class PrinterSession {
public:
    PrinterSession();
    ~PrinterSession();

    // `dialog` edits the printer as the print dialog does; false: cancelled.
    bool choose(const std::function<bool(QPrinter&)>& dialog);
    // A job on the chosen printer, or null when nothing can be printed.
    std::unique_ptr<PrintJob> begin();
    bool started() const { return printer_ != nullptr; }

private:
    QPrinter& printer();
    void renew();

    std::unique_ptr<QPrinter> printer_;
};
