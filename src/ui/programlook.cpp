#include "programlook.h"

#include <QApplication>
#include <QFont>

using namespace Qt::StringLiterals;

void applyProgramFont(QApplication &application)
{
    installRegisterFontSubstitution();
    QFont font(RegisterFontFamily);
    font.setPointSize(10);
    application.setFont(font);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {48, 64, 128, 256})
        icon.addFile(u":/icons/veltra-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}
