#include "savefolder.h"

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
