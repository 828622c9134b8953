#pragma once

#include "data/fileio.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Feeds any bytes to a file reader. Besides crashing, the reader fails the run
// when it leaves a count beyond its table (whether or not the read failed), or
// when a file it read in full cannot
// be saved, or is not saved byte for byte the same once it has been saved and
// loaded again. (The first save may differ from the input: writers normalize
// texts, e.g. a double quote in an unquoted item becomes ＂.)
template<typename Record, typename FromBytes, typename ToBytes, typename WithinTables>
int fuzzReader(const uint8_t *data, size_t size, FromBytes fromBytes, ToBytes toBytes, WithinTables withinTables)
{
    Record record;
    const LoadResult read = fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), record);
    if (!withinTables(record))
        __builtin_trap();
    if (!read.ok())
        return 0;
    QString error;
    const QByteArray saved = toBytes(record, &error);
    Record again;
    if (!error.isEmpty() || !fromBytes(saved, again).ok() || toBytes(again, &error) != saved)
        __builtin_trap();
    return 0;
}
