#include "programlook.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPixmap>

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
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x2e, 0x6b, 0x4f));
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
        QFont font(RegisterFontFamily);
        font.setPixelSize(size * 3 / 4);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, u"出"_s);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
