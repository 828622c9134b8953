#pragma once

#include "data/settingsstore.h"

#include <QDialog>
#include <QString>

#include <optional>

struct Platform;
class Screen;

// A top-level window's place is the top left of its frame (title bar and
// borders included), as the user sees it; the toolkit places the client area.
QPoint framePosition(const QWidget &window, const Screen &screen);
void placeFrame(QWidget &window, const Screen &screen, QPoint frameTopLeft);

// A modal dialog whose object name is its window name. It opens where it was
// last closed, its frame's left and top kept in twips in the settings store
// under the window's name, or centred over its parent when never placed; it
// remembers its place however it closes.
class RememberedDialog : public QDialog
{
    Q_OBJECT

public:
    RememberedDialog(Platform &platform, const QString &windowName, QWidget *parent);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

    // The stored place; an axis left empty keeps the place the toolkit chose.
    virtual OptionalWindowPosition storedPosition() const;
    virtual void storePosition(QPoint twips);

    Platform &m_platform;

private:
    bool m_placed = false;
    // Where the frame was put before the window manager framed the window:
    // checked again once the frame is known.
    std::optional<QPoint> m_wantedFrame;
};
