#include "fileio.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString LoadResult::describe() const
{
    QString text = QDir::toNativeSeparators(path);
    if (line > 0)
        text += u":%1"_s.arg(line);
    if (!detail.isEmpty())
        text += u": "_s + detail;
    return text;
}

ReadOutcome readDataFile(const QString &path, QByteArray &bytes, QString &error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ReadOutcome::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        error = u"ファイルを開けません"_s;
        return ReadOutcome::Unreadable;
    }
    if (file.size() > MaximumDataFileSize) {
        error = u"ファイルが大きすぎます"_s;
        return ReadOutcome::Unreadable;
    }
    bytes = file.read(MaximumDataFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaximumDataFileSize) {
        error = fileFailureText(probeFileFailure(file.error(), path));
        return ReadOutcome::Unreadable;
    }
    return ReadOutcome::Read;
}

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    SaveResult result;
    result.path = path;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return result;
    result.ok = false;
    const FileFailure failure = probeFileFailure(file.error(), path, std::max<qint64>(bytes.size(), 1));
    result.error = fileFailureText(failure);
    result.deviceNotReady = failure.deviceNotReady;
    return result;
}
