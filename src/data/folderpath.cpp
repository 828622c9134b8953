#include "folderpath.h"

#include <QDir>
#include <QFileInfo>

QString absoluteFolderPath(const QString &baseFolder, const QString &path)
{
    return QDir::cleanPath(QDir(baseFolder).absoluteFilePath(QDir::fromNativeSeparators(path)));
}

std::optional<QStringList> missingFolders(const QString &absolutePath)
{
    QString folder = QDir::cleanPath(absolutePath);
    if (folder.count(u'/') > MaximumFolderDepth)
        return std::nullopt;
    QStringList missing;
    for (;;) {
        const QFileInfo info(folder);
        if (info.exists())
            return info.isDir() ? std::optional(missing) : std::nullopt;
        missing.prepend(folder);
        const QString parent = info.path();
        if (parent == folder)
            return std::nullopt; // a root that does not exist
        folder = parent;
    }
}

bool createFolders(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (!QDir().mkdir(folder))
            return false;
    }
    return true;
}
