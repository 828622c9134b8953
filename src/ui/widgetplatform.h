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
    std::optional<QMargins> frameMargins(const QWidget &window) const override;
};
