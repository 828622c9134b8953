#include "scriptedrun.h"

#include "calendar/era.h"
#include "data/session.h"
#include "mainwindow.h"
#include "register/scriptedchanges.h"
#include "register/windows/rollform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>

using namespace Qt::StringLiterals;

namespace {

// Between two changes; now and then the month is closed (and so written) and opened again.
constexpr int LeastPause = 20;
constexpr int MostPause = 200;
constexpr int ChangesPerSave = 8;

} // namespace

RunLog::RunLog(const QString &path)
    : m_file(path)
{
    m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void RunLog::write(const QString &step)
{
    m_file.write(QString::number(QDateTime::currentMSecsSinceEpoch()).toUtf8() + ' ' + step.toUtf8() + '\n');
}

std::optional<ScriptedRun::Options> ScriptedRun::fromArguments(const QStringList &arguments)
{
    const auto value = [&arguments](const QString &name) {
        const QString prefix = u"--scripted-"_s + name + u"="_s;
        for (const QString &argument : arguments) {
            if (argument.startsWith(prefix))
                return argument.mid(prefix.size());
        }
        return QString();
    };
    Options options;
    options.log = value(u"run"_s);
    if (options.log.isEmpty())
        return std::nullopt;
    options.classTitle = value(u"class"_s);
    const QStringList month = value(u"month"_s).split(u'-');
    options.year = month.value(0).toInt();
    options.month = month.value(1).toInt();
    options.firstChange = std::max(1, value(u"first"_s).toInt());
    options.seed = value(u"seed"_s).toUInt();
    return options;
}

ScriptedRun::ScriptedRun(const Options &options)
    : m_options(options)
    , m_log(options.log)
    , m_random(options.seed)
    , m_next(options.firstChange)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ScriptedRun::step);
}

PromptAnswer ScriptedRun::LoggedPrompts::ask(QWidget *, const PromptMessage &message)
{
    m_log.write(u"prompt "_s + message.text.section(u'\n', 0, 0));
    return message.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
}

void ScriptedRun::drive(MainWindow &window, Session &session)
{
    m_window = &window;
    m_session = &session;
    // The month dialog proposes the month chosen before.
    session.State.HeiseiYear = qint16(JapaneseEra::heiseiFromGregorian(m_options.year));
    session.State.Month = qint16(m_options.month);
    m_log.write(u"start"_s);
    m_timer.start(10);
}

void ScriptedRun::step()
{
    RollForm *editor = openEditor();
    if (!editor) {
        confirmMonthDialog();
        m_timer.start(10);
        return;
    }
    if (!m_open) {
        m_open = true;
        m_log.write(u"open"_s);
    }
    ScriptedChanges::apply(m_session->Register, m_next);
    editor->RefreshSheet();
    m_log.write(u"change %1"_s.arg(m_next++));
    if (m_random.bounded(ChangesPerSave) == 0)
        saveAndReopen();
    m_timer.start(int(m_random.bounded(LeastPause, MostPause + 1)));
}

bool ScriptedRun::confirmMonthDialog()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || dialog->objectName() != u"F_SET"_s)
        return false;
    auto *classes = dialog->findChild<QComboBox *>(u"CLASS_NAME"_s);
    auto *ok = dialog->findChild<QAbstractButton *>(u"OK"_s);
    if (!classes || !ok)
        return false;
    classes->setCurrentIndex(classes->findText(m_options.classTitle));
    ok->click();
    return true;
}

RollForm *ScriptedRun::openEditor() const
{
    for (RollForm *editor : m_window->findChildren<RollForm *>()) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

void ScriptedRun::saveAndReopen()
{
    const QString written = QString::number(m_next - 1);
    m_log.write(u"save "_s + written);
    m_window->closeDocuments();
    m_log.write(u"saved "_s + written);
    m_open = false;
    m_window->openMonth();
}
