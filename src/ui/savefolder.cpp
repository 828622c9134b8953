#include "savefolder.h"

#include "data/fileio.h"
#include "data/settingsstore.h"
#include "platform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"SAVE"_s;
const QString Key = u"Folder"_s;

} // namespace

QString proposedSavePath(const Platform &platform, const QString &fileName)
{
    QString folder = platform.store.value(Section, Key);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

void noteSaved(Platform &platform, QWidget *parent, const QString &path)
{
    platform.store.setValue(Section, Key, QFileInfo(path).absolutePath());
    platform.prompts.showStatus(parent, u"保存しました: "_s + QDir::toNativeSeparators(path));
}

bool reportSaved(Platform &platform, QWidget *parent, const SaveResult &result)
{
    if (result.ok) {
        noteSaved(platform, parent, result.path);
        return true;
    }
    QString text = u"ファイルの保存に失敗しました\n"_s + QDir::toNativeSeparators(result.path);
    if (!result.error.isEmpty())
        text += u'\n' + result.error;
    tell(platform, parent, text, PromptIcon::Warning);
    return false;
}
