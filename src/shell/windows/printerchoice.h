#pragma once

#include <memory>

class QPrinter;
class QWidget;

// The printer every print of the run goes to: the system's default printer
// until the user picks another in the printer set-up, then that one.
class PrinterChoice
{
public:
    PrinterChoice();
    ~PrinterChoice();

    QPrinter &printer();

    // The platform's printer set-up dialog; true when the user confirmed a printer.
    bool runSetup(QWidget *parent);

private:
    std::unique_ptr<QPrinter> m_printer; // made when first needed
};
