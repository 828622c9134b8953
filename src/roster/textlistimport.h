#pragma once

#include "pupilimport.h"

// Pupils taken from a list of names in a text file, one pupil a line: a name,
// or a name and a sex (男 or 女), the items separated by commas or tabs and
// quoted as spreadsheet programs save them. The file is read as UTF-8 when it
// is valid UTF-8, otherwise in code page 932. Blank lines and a heading line
// (氏名, or 氏名 and 性別) are skipped. A list with any line that cannot be
// taken imports nothing, and the message names the first few such lines.

enum class TextLayout { Names, NamesAndSexes };

// The rows follow the month's `pupilCount` rows. A list of names alone gives
// boys, as a name typed into the register does. `path` names the list in the
// message when it is neither UTF-8 nor code page 932.
PupilImport importTextList(const QByteArray &bytes, TextLayout layout, int pupilCount, const QString &path);
PupilImport ImportTextFile(const QString &path, TextLayout layout, int pupilCount);
