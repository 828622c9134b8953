#pragma once

#include <QDate>
#include <QMargins>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;
class SettingsStore;

// The seams between the windows and the platform. The program uses the real
// ones; window tests give scripted prompts, a fixed date, a fixed screen and a
// settings store in a temporary file.

enum class PromptIcon { None, Information, Warning, Critical, Question };
// OpenReadOnlyCancel: 読み取り専用で開く (answers Ok) and キャンセル.
enum class PromptButtons { Ok, OkCancel, YesNo, OpenReadOnlyCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptMessage
{
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;

    friend bool operator==(const PromptMessage &, const PromptMessage &) = default;
};

// Message boxes and the file and folder dialogs.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer ask(QWidget *parent, const PromptMessage &message) = 0;
    // An empty text when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // The file to write, proposed as `path`; an empty text when the user
    // cancels, and always for prompts that cannot ask.
    virtual QString saveFileName(QWidget *, const QString &, const QString &, const QString &) { return {}; }
    // An existing folder, starting from `folder`; an empty text when the user
    // cancels, and always for prompts that cannot ask.
    virtual QString existingFolder(QWidget *, const QString &, const QString &) { return {}; }
    // A short note in the main window's status bar, for what needs no answer.
    virtual void showStatus(QWidget *, const QString &) {}
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class Screen
{
public:
    virtual ~Screen() = default;
    // The primary screen's available size in twips (1440 per logical inch).
    virtual QSize sizeTwips() const = 0;
    // What the window manager's frame (title bar and borders) adds around the
    // client area of the top-level `window`, in pixels; nothing until the
    // window manager has framed the window.
    virtual std::optional<QMargins> frameMargins(const QWidget &window) const = 0;
};

// What every window reaches the platform through.
struct Platform
{
    Prompts &prompts;
    Clock &clock;
    Screen &screen;
    SettingsStore &store;
};

// The title of most message boxes.
inline const QString ProgramTitle = QStringLiteral("ヴェルトラ");

// Shows `text` with an OK button, the given icon and title (the program's by default).
PromptAnswer tell(Platform &platform, QWidget *parent, const QString &text, PromptIcon icon = PromptIcon::None,
                  const QString &title = ProgramTitle);
