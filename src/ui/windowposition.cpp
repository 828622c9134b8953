#include "windowposition.h"

#include "keyboardorder.h"
#include "platform.h"
#include "storefailure.h"
#include "twips.h"

#include <QEvent>

#include <utility>

QPoint framePosition(const QWidget &window, const Screen &screen)
{
    const QMargins frame = screen.frameMargins(window);
    return window.geometry().topLeft() - QPoint(frame.left(), frame.top());
}

void placeFrame(QWidget &window, const Screen &screen, QPoint frameTopLeft)
{
    const QMargins frame = screen.frameMargins(window);
    window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
}

RememberedDialog::RememberedDialog(Platform &platform, const QString &windowName, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(windowName);
    setModal(true);
}

OptionalWindowPosition RememberedDialog::storedPosition() const
{
    if (!hasWindowPosition(m_platform.store, objectName()))
        return {};
    const QSize screen = m_platform.screen.sizeTwips();
    const WindowPosition stored =
        restoreWindowPosition(m_platform.store, objectName(), screen.width(), screen.height());
    return {stored.WindowLeft, stored.WindowTop};
}

void RememberedDialog::storePosition(QPoint twips)
{
    saveWindowPosition(m_platform.store, objectName(), {twips.x(), twips.y()});
}

void RememberedDialog::done(int result)
{
    const QPoint frame = framePosition(*this, m_platform.screen);
    storePosition({pixelsToTwips(frame.x(), logicalDpiX()), pixelsToTwips(frame.y(), logicalDpiY())});
    reportStoreFailure(m_platform, parentWidget());
    QDialog::done(result);
}

void RememberedDialog::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        orderTabsAsLaidOut(*this);
        const OptionalWindowPosition stored = storedPosition();
        if (stored.left || stored.top) {
            QPoint frame = framePosition(*this, m_platform.screen);
            if (stored.left)
                frame.setX(twipsToPixels(*stored.left, logicalDpiX()));
            if (stored.top)
                frame.setY(twipsToPixels(*stored.top, logicalDpiY()));
            m_wantedFrame = frame;
            placeFrame(*this, m_platform.screen, frame);
        }
    }
    QDialog::showEvent(event);
}

bool RememberedDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_wantedFrame) {
        const QPoint wanted = *std::exchange(m_wantedFrame, std::nullopt);
        if (framePosition(*this, m_platform.screen) != wanted)
            placeFrame(*this, m_platform.screen, wanted);
    }
    return QDialog::event(event);
}
