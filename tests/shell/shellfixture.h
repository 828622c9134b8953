#pragma once

#include "data/classlistfile.h"
#include "data/session.h"
#include "data/settingsfile.h"
#include "shell/windows/instancelock.h"
#include "testplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// A session whose work folder lies in a temporary folder, with the test
// platform (scripted prompts, 7 December 2026, a 1920 × 1080 screen).
struct ShellFixture
{
    ShellFixture()
    {
        QDir(test.folder.path()).mkpath(QStringLiteral("work"));
        session.Settings.WorkFolder = test.folder.filePath(QStringLiteral("work"));
        session.Settings.DataFolder = test.folder.filePath(QStringLiteral("data"));
    }

    void addClass(const QString &title, qint16 grade = 1, const QString &className = QStringLiteral("2"))
    {
        ClassEntry &entry = session.Classes.Entries[session.Classes.ClassCount++];
        entry.Grade = grade;
        entry.ClassName = className;
        entry.Title = title;
    }

    QString workFile(const QString &name) const { return QDir(session.Settings.WorkFolder).filePath(name); }

    TestPlatform test;
    Session session;
};

// An instance lock whose answer the test decides.
class FixedInstanceLock : public InstanceLock
{
public:
    explicit FixedInstanceLock(bool free)
        : m_free(free)
    {}
    bool tryLock() override { return m_free; }

private:
    bool m_free;
};

template<typename Widget = QWidget> Widget *named(const QObject &parent, const QString &name)
{
    Widget *child = parent.findChild<Widget *>(name);
    if (!child)
        qFatal("no control named %s", qPrintable(name));
    return child;
}

inline void click(const QObject &parent, const QString &buttonName)
{
    QTest::mouseClick(named<QAbstractButton>(parent, buttonName), Qt::LeftButton);
}

// Replaces the text of a box as typing would (through its validator), ending
// with the box losing the focus.
inline void typeInto(const QObject &parent, const QString &boxName, const QString &text)
{
    QLineEdit *box = named<QLineEdit>(parent, boxName);
    box->clear();
    box->insert(text);
    emit box->editingFinished();
}

// While it lives, runs `action` once on the next modal dialog as soon as its
// exec() shows it.
class NextModalDialog
{
public:
    explicit NextModalDialog(std::function<void(QDialog &)> action)
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this, action = std::move(action)] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_poll.stop();
            action(*dialog);
        });
        m_poll.start();
    }

private:
    QTimer m_poll;
};
