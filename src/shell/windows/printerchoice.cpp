#include "printerchoice.h"

#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

PrinterChoice::PrinterChoice() = default;
PrinterChoice::~PrinterChoice() = default;

QPrinter &PrinterChoice::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool PrinterChoice::runSetup(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(u"プリンタ設定"_s);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}
