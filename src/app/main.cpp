#include "data/session.h"
#include "data/settingsstore.h"
#include "shell/windows/instancelock.h"
#include "shell/windows/mainwindow.h"
#include "ui/programlook.h"
#include "ui/widgetplatform.h"

#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(u"VELTRA"_s);
    applyProgramFont(application);
    application.setWindowIcon(programIcon());

    Session session;
    session.Settings.WorkFolder = QDir::currentPath();

    WidgetPrompts prompts;
    SystemClock clock;
    PrimaryScreen screen;
    const std::unique_ptr<SettingsStore> store = SettingsStore::forUser();
    Platform platform{prompts, clock, screen, *store};

    LockFileInstanceLock lock;
    MainWindow window(session, platform);
    if (!window.startUp(lock))
        return 0;
    window.showMaximized();
    return application.exec();
}
