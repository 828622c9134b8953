#pragma once

#include "platform.h"

// The real platform: message boxes, the file dialog, the system date and the screen.
class WidgetPrompts : public Prompts
{
public:
    PromptAnswer ask(QWidget *parent, const PromptMessage &message) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &path, const QString &filter) override;
    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override;
    void showStatus(QWidget *parent, const QString &text) override;
};

class SystemClock : public Clock
{
public:
    QDate today() const override;
};

class PrimaryScreen : public Screen
{
public:
    QSize sizeTwips() const override;
    // A window's own frame once the window manager has framed it; before that
    // the frame of the window it belongs to, the best guess there is.
    QMargins frameMargins(const QWidget &window) const override;
};
