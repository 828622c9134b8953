#pragma once

#include "data/settingsstore.h"
#include "ui/platform.h"

#include <QList>
#include <QTemporaryDir>

#include <deque>

// Prompts that record every message verbatim and answer from a script; with
// no scripted answer left, the default button (OK or Yes) is taken.
class TestPrompts : public Prompts
{
public:
    PromptAnswer ask(QWidget *, const PromptMessage &message) override
    {
        messages.append(message);
        if (!answers.empty()) {
            const PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return nextFileName();
    }
    // The proposed path is kept in `proposedPaths`.
    QString saveFileName(QWidget *, const QString &, const QString &path, const QString &) override
    {
        proposedPaths.append(path);
        return nextFileName();
    }
    // The starting folder is kept in `proposedPaths`.
    QString existingFolder(QWidget *, const QString &, const QString &folder) override
    {
        proposedPaths.append(folder);
        return nextFileName();
    }
    void showStatus(QWidget *, const QString &text) override { statusTexts.append(text); }
    QString nextFileName()
    {
        if (fileNames.empty())
            return {};
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const PromptMessage &m : messages)
            result.append(m.text);
        return result;
    }

    QList<PromptMessage> messages;
    std::deque<PromptAnswer> answers;
    std::deque<QString> fileNames; // answers of the file and folder dialogs, in turn
    QStringList proposedPaths;
    QStringList statusTexts; // every status-bar note, in turn
};

class FixedClock : public Clock
{
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 7};
};

class FixedScreen : public Screen
{
public:
    QSize sizeTwips() const override { return size; }
    std::optional<QMargins> frameMargins(const QWidget &) const override { return frame; }
    QSize size{1920 * 15, 1080 * 15};
    QMargins frame; // none, as on the offscreen platform
};

// A complete test platform with its settings store in a temporary folder.
struct TestPlatform
{
    QTemporaryDir folder;
    TestPrompts prompts;
    FixedClock clock;
    FixedScreen screen;
    SettingsStore store{folder.filePath(QStringLiteral("settings.ini"))};
    Platform platform{prompts, clock, screen, store};
};
