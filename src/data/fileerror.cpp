#include "fileerror.h"

#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace {

// The volume of a missing folder is that of its nearest existing ancestor.
QString nearestExistingFolder(QString path)
{
    while (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return path;
}

} // namespace

FileFailure probeFileFailure(QFileDevice::FileError error, const QString &path, qint64 bytesToWrite)
{
    FileFailure failure;
    failure.error = error;
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QStorageInfo volume(nearestExistingFolder(folder.absoluteFilePath()));
    failure.deviceNotReady = !volume.isValid() || !volume.isReady();
    failure.folderMissing = !folder.isDir();
    failure.folderInTheWay = file.isDir();
    if (bytesToWrite > 0) {
        failure.notWritable = (file.exists() && !file.isWritable()) || (folder.isDir() && !folder.isWritable());
        failure.diskFull =
            error == QFileDevice::ResourceError || (volume.isValid() && volume.bytesAvailable() < bytesToWrite);
    }
    return failure;
}

QString fileFailureText(const FileFailure &failure)
{
    if (failure.deviceNotReady)
        return u"ドライブが見つからないか、準備ができていません"_s;
    if (failure.folderMissing)
        return u"保存先のフォルダーがありません"_s;
    if (failure.folderInTheWay)
        return u"同じ名前のフォルダーがあります"_s;
    if (failure.notWritable)
        return u"書き込みが許可されていません"_s;
    if (failure.diskFull)
        return u"ディスクの空き容量が足りません"_s;
    switch (failure.error) {
    case QFileDevice::ReadError:
        return u"読み込みの途中でエラーが起きました"_s;
    case QFileDevice::WriteError:
        return u"書き込みの途中でエラーが起きました"_s;
    case QFileDevice::OpenError:
        return u"ファイルを開けません"_s;
    case QFileDevice::RenameError:
        return u"ファイルを置き換えられません（ほかのプログラムが使っているかもしれません）"_s;
    case QFileDevice::PermissionsError:
        return u"書き込みが許可されていません"_s;
    case QFileDevice::ResourceError:
        return u"ディスクの空き容量が足りません"_s;
    default:
        return u"ファイルを読み書きできません"_s;
    }
}
