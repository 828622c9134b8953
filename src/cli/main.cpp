#include "commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CommandOutput output;
    const int status = int(runCommand(QCoreApplication::arguments().mid(1), output));
    std::fwrite(output.out.constData(), 1, size_t(output.out.size()), stdout);
    std::fputs(output.err.toUtf8().constData(), stderr);
    return status;
}
