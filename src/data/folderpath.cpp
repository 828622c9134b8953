#include "folderpath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString withSlashes(const QString &path)
{
    return QString(path).replace(u'\\', u'/');
}

// "C:/" of a drive path, "//server/share" of a server path, empty for any other.
QString volumeRoot(const QString &slashed)
{
    static const QRegularExpression volume(u"^(?:[A-Za-z]:/?|//[^/]+/[^/]+)"_s);
    return volume.match(slashed).captured();
}

} // namespace

QString absoluteFolderPath(const QString &baseFolder, const QString &path)
{
    // Another computer's drive or server keeps its backslashes, which no
    // folder of this computer is made with.
    const QString slashed = isUnreachableVolumePath(path) ? path : withSlashes(path);
    return QDir::cleanPath(QDir(baseFolder).absoluteFilePath(slashed));
}

bool isUnreachableVolumePath(const QString &path)
{
    const QString root = volumeRoot(withSlashes(path.trimmed()));
    if (root.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return !QFileInfo(root).isDir();
#else
    return true;
#endif
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
        if (info.fileName().contains(u':') || info.fileName().contains(u'\\'))
            return std::nullopt;
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
