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

// The window icon needs only the sizes a title bar and a task switcher show;
// the desktop menu takes the larger ones from the installed icon theme.
// Decoding and handing the 256 px one to the window system cost a noticeable
// part of the start-up.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {48, 64})
        icon.addFile(u":/icons/veltra-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}
