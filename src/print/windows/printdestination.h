#pragma once

#include "print/printjob.h"

#include <QString>

class QPrinter;

// Why nothing was printed: the printer named, or, when the computer has no
// printer, that there is none, pointing to PDF保存 instead.
QString printFailureMessage(const QString &printerName);

// Where the print dialog's runs go: the program's chosen printer, or a
// recording in tests.
class PrintDestination
{
public:
    virtual ~PrintDestination() = default;
    // The printer's name, for messages.
    virtual QString name() const = 0;
    virtual PrintResult print(const PrintRun &run) = 0;
};

// The printer chosen in the printer set-up, with its own unprintable margins.
class PrinterDestination : public PrintDestination
{
public:
    explicit PrinterDestination(QPrinter &printer)
        : m_printer(printer)
    {}

    QString name() const override;
    PrintResult print(const PrintRun &run) override;

private:
    QPrinter &m_printer;
};
