#include "printdestination.h"

#include "print/painterpagesurface.h"

#include <QPrinter>

using namespace Qt::StringLiterals;

QString printFailureMessage(const QString &printerName)
{
    if (printerName.isEmpty())
        return u"プリンタが設定されていないため印刷できません。\n「PDF保存」でPDFファイルに保存できます。"_s;
    return u"プリンタ「%1」に印刷できませんでした"_s.arg(printerName);
}

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
