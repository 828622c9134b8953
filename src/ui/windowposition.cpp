#include "windowposition.h"

#include "data/settingsstore.h"
#include "platform.h"
#include "storefailure.h"
#include "twips.h"

void restoreDialogPosition(QWidget &window, Platform &platform, const QString &windowName)
{
    const QSize screen = platform.screen.sizeTwips();
    const WindowPosition position = restoreWindowPosition(platform.store, windowName, screen.width(), screen.height());
    window.move(twipsToPixels(position.WindowLeft, window.logicalDpiX()),
                twipsToPixels(position.WindowTop, window.logicalDpiY()));
}

void saveDialogPosition(const QWidget &window, Platform &platform, const QString &windowName)
{
    const WindowPosition position{pixelsToTwips(window.x(), window.logicalDpiX()),
                                  pixelsToTwips(window.y(), window.logicalDpiY())};
    saveWindowPosition(platform.store, windowName, position);
    reportStoreFailure(platform, window.parentWidget());
}

RememberedDialog::RememberedDialog(Platform &platform, const QString &windowName, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(windowName);
    setModal(true);
}

void RememberedDialog::done(int result)
{
    saveDialogPosition(*this, m_platform, objectName());
    QDialog::done(result);
}

void RememberedDialog::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        restoreDialogPosition(*this, m_platform, objectName());
    }
    QDialog::showEvent(event);
}
