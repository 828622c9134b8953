#pragma once

#include "fileio.h"

class RecordReader;

#include <functional>

// Reads `path` and hands the bytes to `parse`; turns a missing or unreadable
// file into the loaders' −1 result with the path filled in.
LoadResult loadDataFile(const QString &path, const std::function<LoadResult(const QByteArray &)> &parse);

// Encodes with `toBytes` and writes atomically; a refused character fails the save.
SaveResult saveDataFile(const QString &path, const std::function<QByteArray(QString *)> &toBytes);

// The −1 result for a file that exists but does not parse, at the reader's
// current line; `detail` defaults to the reader's own error.
LoadResult unreadableAt(const RecordReader &reader, const QString &detail = {});
