#pragma once

#include "ui/platform.h"

#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <optional>

class MainWindow;
class RollForm;
struct Session;

// The log of a scripted run: one line a step, "<milliseconds since the epoch>
// <step>", each written straight through to the file, so that whatever ends
// the program finds every step it took on disk.
class RunLog
{
public:
    explicit RunLog(const QString &path);
    void write(const QString &step);

private:
    QFile m_file;
};

// A run of the program driven by a script instead of a person, for the kill
// trials. Started only by hidden switches (--scripted-run=LOG with
// --scripted-class, --scripted-month=YYYY-MM, --scripted-first, --scripted-seed),
// it chooses the month in the month dialog, makes the numbered scripted changes
// on the open sheet at random moments, now and then closes the month and opens
// it again, answers every question with its default button, and logs each step.
class ScriptedRun : public QObject
{
public:
    struct Options
    {
        QString log;
        QString classTitle;
        int year = 0;
        int month = 0;
        int firstChange = 1;
        quint32 seed = 1;
    };
    // The options when the arguments ask for a scripted run.
    static std::optional<Options> fromArguments(const QStringList &arguments);

    explicit ScriptedRun(const Options &options);
    Prompts &prompts() { return m_prompts; }
    void drive(MainWindow &window, Session &session);

private:
    class LoggedPrompts : public Prompts
    {
    public:
        explicit LoggedPrompts(RunLog &log)
            : m_log(log)
        {}
        PromptAnswer ask(QWidget *parent, const PromptMessage &message) override;
        QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }

    private:
        RunLog &m_log;
    };

    void step();
    bool confirmMonthDialog();
    RollForm *openEditor() const;
    void saveAndReopen();

    Options m_options;
    RunLog m_log;
    LoggedPrompts m_prompts{m_log};
    QRandomGenerator m_random;
    QTimer m_timer;
    MainWindow *m_window = nullptr;
    Session *m_session = nullptr;
    int m_next = 1;
    bool m_open = false;
};
