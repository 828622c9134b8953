#include "printdestination.h"

#include "print/painterpagesurface.h"

#include <QPrinter>

QString PrinterDestination::name() const
{
    return m_printer.printerName();
}

PrintResult PrinterDestination::print(const PrintRun &run)
{
    m_printer.setColorMode(QPrinter::Color);
    PainterPageSurface surface(m_printer);
    const PrintResult result = run(surface);
    if (result == PrintResult::Printed && m_printer.printerState() == QPrinter::Error)
        return PrintResult::DeviceFailed;
    return result;
}
