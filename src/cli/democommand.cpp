#include "commands.h"

#include "demo/demoworkfolder.h"

#include <QDir>

using namespace Qt::StringLiterals;

ExitStatus runDemo(const QStringList &arguments, CommandOutput &output)
{
    if (arguments.size() != 1)
        return usageError(output, u"使い方: veltra-cli demo DIR   (DIR にデモ用の作業フォルダーを作ります)\n"_s);
    const SaveResult saved = DemoWorkFolder::write(arguments[0]);
    if (!saved.ok)
        return saveError(output, saved);
    output.out += u"%1\n"_s.arg(QDir::toNativeSeparators(QDir(arguments[0]).absolutePath())).toUtf8();
    return ExitStatus::Success;
}
