#include "startoptions.h"

using namespace Qt::StringLiterals;

namespace {

const QString WorkFolderOption = u"--work-folder"_s;
const QString WorkFolderAssignment = WorkFolderOption + u'=';

// The kill trials' hidden switches, taken only by a build that has scripted runs.
bool isScriptedRunSwitch(const QString &argument)
{
#ifdef VELTRA_SCRIPTED_RUNS
    return argument.startsWith(u"--scripted-"_s);
#else
    Q_UNUSED(argument);
    return false;
#endif
}

} // namespace

StartOptions StartOptions::fromArguments(const QStringList &arguments)
{
    StartOptions options;
    int folderOptions = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--version"_s) {
            options.action = Action::ShowVersion;
            return options;
        }
        if (argument == u"--help"_s || argument == u"-h"_s) {
            options.action = Action::ShowHelp;
            return options;
        }
        if (argument == WorkFolderOption && i + 1 < arguments.size() && !arguments[i + 1].isEmpty()) {
            options.workFolder = WorkFolder::Given;
            options.givenFolder = arguments[++i];
            ++folderOptions;
        } else if (argument.startsWith(WorkFolderAssignment) && argument.size() > WorkFolderAssignment.size()) {
            options.workFolder = WorkFolder::Given;
            options.givenFolder = argument.mid(WorkFolderAssignment.size());
            ++folderOptions;
        } else if (argument == u"--last-work-folder"_s) {
            options.workFolder = WorkFolder::LastChosen;
            ++folderOptions;
        } else if (argument == u"--choose-work-folder"_s) {
            options.workFolder = WorkFolder::Choose;
            ++folderOptions;
        } else if (!isScriptedRunSwitch(argument)) {
            options.action = Action::Refuse;
        }
    }
    if (folderOptions > 1)
        options.action = Action::Refuse;
    return options;
}

QByteArray programUsage()
{
    return u"使い方: veltra [--work-folder DIR | --last-work-folder | --choose-work-folder]\n"
           u"  作業フォルダー（CLASS.CSD と ROLL.SEW を置くフォルダー）を選んでヴェルトラを起動します。\n"
           u"  オプションがなければ、今いるフォルダーが作業フォルダーです。\n"
           u"  --work-folder DIR      DIR を作業フォルダーにする\n"
           u"  --last-work-folder     前回選んだ作業フォルダー（初回は選ぶ）\n"
           u"  --choose-work-folder   作業フォルダーを選び直す\n"
           u"  --version              バージョンを表示する\n"
           u"  --help                 この説明を表示する\n"_s.toUtf8();
}

QByteArray programVersionLine()
{
    return "veltra " VELTRA_VERSION "\n";
}
