#include "commands.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    // Printing (print, and totals and day with their printouts) lays out
    // text, which takes the GUI side of Qt; it needs no display and draws
    // offscreen unless told otherwise.
    const bool printing = argc > 1
                          && (std::strcmp(argv[1], "print") == 0 || std::strcmp(argv[1], "totals") == 0
                              || std::strcmp(argv[1], "day") == 0);
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        printing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    CommandOutput output;
    const ExitStatus status = runCommand(QCoreApplication::arguments().mid(1), output);
    return int(writeOutput(output, status, stdout, stderr));
}
