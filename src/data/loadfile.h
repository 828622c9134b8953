#pragma once

#include "fileio.h"
#include "recordio.h"

#include <algorithm>
#include <functional>
#include <optional>

// Reads `path` and hands the bytes to `parse`; turns a missing or unreadable
// file into the loaders' failed result with the path filled in.
LoadResult loadDataFile(const QString &path, const std::function<LoadResult(const QByteArray &)> &parse);

// Encodes with `toBytes` and writes atomically; a refused character fails the save.
SaveResult saveDataFile(const QString &path, const std::function<QByteArray(QString *)> &toBytes,
                        WriteTarget target = WriteTarget::DataFile);

// The result for a file that exists but does not parse, at the reader's
// current line; `detail` defaults to the reader's own error.
LoadResult unreadableAt(const RecordReader &reader, const QString &detail = {});

// Reads the `announced` record lines into `table` with `readOne`, keeping
// `count` at the number of lines actually read. More lines than slots read
// what fits and then fail with `tooMany`; a line that fails leaves its slot empty.
template<typename Slots, typename ReadOne>
std::optional<LoadResult> readSlots(RecordReader &reader, int announced, Slots &table, qint16 &count, ReadOne readOne,
                                    const QString &tooMany)
{
    count = 0;
    const int lines = std::max(announced, 0);
    for (int i = 0; i < lines; ++i) {
        if (i == int(table.size())) {
            LoadResult failed = unreadableAt(reader, tooMany.arg(lines));
            ++failed.line; // the first line that has no slot
            return failed;
        }
        if (!readOne(reader, table[i])) {
            table[i] = {};
            return unreadableAt(reader);
        }
        count = qint16(i + 1);
    }
    return std::nullopt;
}
