#include "windowposition.h"

#include "keyboardorder.h"
#include "platform.h"
#include "storefailure.h"
#include "twips.h"

#include <QEvent>

#include <utility>

namespace {

// The window's frame; before the window manager has framed it, the frame of
// the window it belongs to, the best guess there is.
QMargins expectedFrame(const QWidget &window, const Screen &screen)
{
    if (const std::optional<QMargins> own = screen.frameMargins(window))
        return *own;
    if (const QWidget *parent = window.parentWidget()) {
        if (const std::optional<QMargins> parents = screen.frameMargins(*parent->window()))
            return *parents;
    }
    return {};
}

} // namespace

QPoint framePosition(const QWidget &window, const Screen &screen)
{
    const QMargins frame = expectedFrame(window, screen);
    return window.geometry().topLeft() - QPoint(frame.left(), frame.top());
}

void placeFrame(QWidget &window, const Screen &screen, QPoint frameTopLeft)
{
    const QMargins frame = expectedFrame(window, screen);
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

// Once the window manager has framed the dialog, its place is checked with
// the frame it really has.
bool RememberedDialog::event(QEvent *event)
{
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
    if (moved && m_wantedFrame && m_platform.screen.frameMargins(*this)) {
        const QPoint wanted = *std::exchange(m_wantedFrame, std::nullopt);
        if (framePosition(*this, m_platform.screen) != wanted)
            placeFrame(*this, m_platform.screen, wanted);
    }
    return QDialog::event(event);
}
