#include "loadfile.h"

#include "recordio.h"

LoadResult loadDataFile(const QString &path, const std::function<LoadResult(const QByteArray &)> &parse)
{
    QByteArray bytes;
    QString error;
    LoadResult result;
    switch (readDataFile(path, bytes, error)) {
    case ReadOutcome::Missing:
        result.failure = LoadFailure::Missing;
        break;
    case ReadOutcome::Unreadable:
        result.failure = LoadFailure::Unreadable;
        result.detail = error;
        break;
    case ReadOutcome::Read:
        result = parse(bytes);
        break;
    }
    result.path = path;
    return result;
}

SaveResult saveDataFile(const QString &path, const std::function<QByteArray(QString *)> &toBytes, WriteTarget target)
{
    QString error;
    const QByteArray bytes = toBytes(&error);
    if (!error.isEmpty())
        return SaveResult{false, path, error, false};
    return writeFileAtomically(path, bytes, target);
}

LoadResult unreadableAt(const RecordReader &reader, const QString &detail)
{
    LoadResult result;
    result.failure = LoadFailure::Unreadable;
    result.line = reader.lineNumber();
    result.detail = detail.isEmpty() ? reader.error() : detail;
    return result;
}
