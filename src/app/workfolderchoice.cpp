#include "workfolderchoice.h"

#include "data/settingsstore.h"
#include "ui/platform.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString FolderDialogCaption = u"作業フォルダーの選択"_s;

QString shown(const QString &folder)
{
    return QDir::toNativeSeparators(folder);
}

std::optional<QString> remember(Platform &platform, const QString &folder)
{
    const QString absolute = QDir(folder).absolutePath();
    platform.store.setValue(WorkFolderSection, WorkFolderKey, shown(absolute));
    return absolute;
}

std::optional<QString> pickFolder(Platform &platform, const QString &startFolder)
{
    const QString folder = platform.prompts.existingFolder(nullptr, FolderDialogCaption, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return remember(platform, folder);
}

// Proposes 出席簿 in the documents folder; "No" lets the user pick another.
std::optional<QString> askForFolder(Platform &platform, const QString &documentsFolder)
{
    const QString proposed = QDir(documentsFolder).filePath(u"出席簿"_s);
    const PromptMessage question{u"作業フォルダーを次のフォルダーにしますか\n%1\n\n"
                                 u"「いいえ」を選ぶと別のフォルダーを選べます"_s.arg(shown(proposed)),
                                 ProgramTitle, PromptIcon::Question, PromptButtons::YesNo};
    if (platform.prompts.ask(nullptr, question) != PromptAnswer::Yes)
        return pickFolder(platform, documentsFolder);
    if (!QDir().mkpath(proposed)) {
        tell(platform, nullptr, u"作業フォルダーを作成できません\n%1"_s.arg(shown(proposed)), PromptIcon::Warning);
        return std::nullopt;
    }
    return remember(platform, proposed);
}

QString lastChosen(const Platform &platform)
{
    return platform.store.value(WorkFolderSection, WorkFolderKey);
}

} // namespace

std::optional<QString> chooseWorkFolder(const StartOptions &options, Platform &platform,
                                        const QString &currentDirectory, const QString &documentsFolder)
{
    switch (options.workFolder) {
    case StartOptions::WorkFolder::CurrentDirectory:
        return QDir(currentDirectory).absolutePath();
    case StartOptions::WorkFolder::Given: {
        const QString folder = QDir(currentDirectory).absoluteFilePath(options.givenFolder);
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
        tell(platform, nullptr, u"作業フォルダーがありません\n%1"_s.arg(shown(folder)), PromptIcon::Warning);
        return std::nullopt;
    }
    case StartOptions::WorkFolder::LastChosen: {
        const QString last = lastChosen(platform);
        if (!last.isEmpty() && QFileInfo(last).isDir())
            return QDir(last).absolutePath();
        if (!last.isEmpty())
            tell(platform, nullptr, u"前回の作業フォルダーが見つかりません\n%1"_s.arg(last), PromptIcon::Warning);
        return askForFolder(platform, documentsFolder);
    }
    case StartOptions::WorkFolder::Choose: {
        const QString last = lastChosen(platform);
        return pickFolder(platform, QFileInfo(last).isDir() ? last : documentsFolder);
    }
    }
    return std::nullopt;
}
