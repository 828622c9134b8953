#include "data/session.h"
#include "data/settingsstore.h"
#include "shell/windows/instancelock.h"
#include "shell/windows/mainwindow.h"
#include "shell/windows/scriptedrun.h"
#include "ui/programlook.h"
#include "ui/qttranslations.h"
#include "ui/widgetplatform.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(u"VELTRA"_s);
    application.setApplicationDisplayName(u"ヴェルトラ"_s);
    const std::unique_ptr<QTranslator> qtTranslations = loadQtTranslations();
    if (qtTranslations)
        application.installTranslator(qtTranslations.get());
    applyProgramFont(application);
    application.setWindowIcon(programIcon());

    Session session;
    session.Settings.WorkFolder = QDir::currentPath();

    // Kill trials drive the program through hidden switches; nobody else passes them.
    const std::optional<ScriptedRun::Options> script = ScriptedRun::fromArguments(application.arguments());
    std::unique_ptr<ScriptedRun> scripted = script ? std::make_unique<ScriptedRun>(*script) : nullptr;
    WidgetPrompts widgetPrompts;
    Prompts &prompts = scripted ? scripted->prompts() : static_cast<Prompts &>(widgetPrompts);
    SystemClock clock;
    PrimaryScreen screen;
    const std::unique_ptr<SettingsStore> store = SettingsStore::forUser();
    Platform platform{prompts, clock, screen, *store};

    LockFileInstanceLock lock;
    MainWindow window(session, platform);
    if (!window.startUp(lock))
        return 0;
    if (scripted)
        scripted->drive(window, session);
    window.showInRememberedPlace();
    return application.exec();
}
