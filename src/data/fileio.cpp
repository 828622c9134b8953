#include "fileio.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

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

QString saveFailureMessage(const SaveResult &result)
{
    QString text = u"データの保存に失敗しました\n"_s + QDir::toNativeSeparators(result.path);
    if (!result.error.isEmpty())
        text += u'\n' + result.error;
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

namespace {

// Why `path` must not be written as `target`, or nothing.
std::optional<QString> refusalOf(const QString &path, WriteTarget target)
{
    const QFileInfo info(path);
    if (target == WriteTarget::DataFile && info.isSymLink())
        return u"リンクになっているファイルには保存できません"_s;
    if (!info.exists() || info.isFile())
        return std::nullopt;
    if (info.isDir())
        return u"同じ名前のフォルダーがあります"_s;
    return u"通常のファイルではないため保存できません"_s;
}

// Writes and flushes everything; QSaveFile keeps small writes in its buffer and
// its commit() renames even when the flush inside it fails.
bool writeEverything(QSaveFile &file, const QByteArray &bytes, WriteFault fault)
{
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (fault == WriteFault::Write || file.write(bytes) != bytes.size())
        return false;
    return fault != WriteFault::Flush && file.flush() && file.error() == QFileDevice::NoError;
}

QFileDevice::FileError injectedError(WriteFault fault)
{
    switch (fault) {
    case WriteFault::Write:
        return QFileDevice::WriteError;
    case WriteFault::Flush:
        return QFileDevice::ResourceError;
    case WriteFault::Rename:
        return QFileDevice::RenameError;
    case WriteFault::None:
        break;
    }
    return QFileDevice::NoError;
}

} // namespace

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes, WriteTarget target, WriteFault fault)
{
    SaveResult result;
    result.path = path;
    if (const auto refusal = refusalOf(path, target)) {
        result.ok = false;
        result.error = *refusal;
        return result;
    }
    QSaveFile file(path);
    if (writeEverything(file, bytes, fault) && fault != WriteFault::Rename && file.commit())
        return result;
    const QFileDevice::FileError error = fault != WriteFault::None ? injectedError(fault) : file.error();
    result.ok = false; // the temporary file goes with `file`; the old file stays
    const FileFailure failure = probeFileFailure(error, path, std::max<qint64>(bytes.size(), 1));
    result.error = fileFailureText(failure);
    result.deviceNotReady = failure.deviceNotReady;
    return result;
}
