#include "data/session.h"
#include "data/settingsstore.h"
#include "shell/windows/instancelock.h"
#include "shell/windows/mainwindow.h"
#ifdef VELTRA_SCRIPTED_RUNS
#include "shell/windows/scriptedrun.h"
#endif
#include "startoptions.h"
#include "ui/programlook.h"
#include "ui/qttranslations.h"
#include "ui/widgetplatform.h"
#include "workfolderchoice.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int print(const QByteArray &text, std::FILE *stream, int status)
{
    std::fputs(text.constData(), stream);
    return status;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

int main(int argc, char **argv)
{
    // Answered before the toolkit starts, so that they need no display.
    const StartOptions asked = StartOptions::fromArguments(argumentsOf(argc, argv));
    if (asked.action == StartOptions::Action::ShowVersion)
        return print(programVersionLine(), stdout, 0);
    if (asked.action == StartOptions::Action::ShowHelp)
        return print(programUsage(), stdout, 0);

    QApplication application(argc, argv);
    application.setApplicationName(u"VELTRA"_s);
    application.setApplicationDisplayName(u"ヴェルトラ"_s);
    application.setDesktopFileName(QStringLiteral(VELTRA_APP_ID));
    // The toolkit has taken its own options out by now.
    const StartOptions options = StartOptions::fromArguments(application.arguments().mid(1));
    if (options.action == StartOptions::Action::Refuse)
        return print(programUsage(), stderr, 1);
    const std::unique_ptr<QTranslator> qtTranslations = loadQtTranslations();
    if (qtTranslations)
        application.installTranslator(qtTranslations.get());
    applyProgramFont(application);
    application.setWindowIcon(programIcon());

    WidgetPrompts widgetPrompts;
    Prompts *prompts = &widgetPrompts;
#ifdef VELTRA_SCRIPTED_RUNS
    // Kill trials drive the program through hidden switches; nobody else passes them.
    const std::optional<ScriptedRun::Options> script = ScriptedRun::fromArguments(application.arguments());
    const std::unique_ptr<ScriptedRun> scripted = script ? std::make_unique<ScriptedRun>(*script) : nullptr;
    if (scripted)
        prompts = &scripted->prompts();
#endif
    SystemClock clock;
    PrimaryScreen screen;
    const std::unique_ptr<SettingsStore> store = SettingsStore::forUser();
    Platform platform{*prompts, clock, screen, *store};

    const std::optional<QString> workFolder =
        chooseWorkFolder(options, platform, QDir::currentPath(), documentsFolder());
    if (!workFolder)
        return 1;
    Session session;
    session.Settings.WorkFolder = *workFolder;

    LockFileInstanceLock lock;
    MainWindow window(session, platform);
    if (!window.startUp(lock))
        return 0;
#ifdef VELTRA_SCRIPTED_RUNS
    if (scripted)
        scripted->drive(window, session);
#endif
    window.showInRememberedPlace();
    return application.exec();
}
