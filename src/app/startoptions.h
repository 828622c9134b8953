#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for. Without options the work folder
// is the current directory; the menu entry asks for the folder last chosen.
struct StartOptions
{
    enum class Action { Run, ShowVersion, ShowHelp, Refuse };
    enum class WorkFolder {
        CurrentDirectory, // no option: as started from a shell
        Given,            // --work-folder DIR
        LastChosen,       // --last-work-folder: the folder chosen before, asking on first start
        Choose,           // --choose-work-folder: asks for the folder
    };

    Action action = Action::Run;
    WorkFolder workFolder = WorkFolder::CurrentDirectory;
    QString givenFolder;

    // The arguments after the program's name (Qt's own already taken out).
    static StartOptions fromArguments(const QStringList &arguments);
};

// `veltra --help`, in UTF-8.
QByteArray programUsage();
// `veltra --version`.
QByteArray programVersionLine();
