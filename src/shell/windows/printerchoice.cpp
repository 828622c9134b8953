#include "printerchoice.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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
    // The set-up only chooses the printer: its confirming button must not say 印刷.
    const auto *buttons = dialog.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (QPushButton *confirm = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr)
        confirm->setText(u"ＯＫ"_s);
    // Sized by its contents, as the other dialogs: the window manager then
    // draws no resize handle under it.
    if (QLayout *layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    return dialog.exec() == QDialog::Accepted;
}
