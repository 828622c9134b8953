#pragma once

#include "sheetcursor.h"

#include <QString>

struct RegisterMonth;

// What a screen reader says for the cell under the keyboard's cursor: the
// pupil, the column and what the cell holds, such as "3番 山田 太郎 12日 病",
// "3番 山田 太郎 性別 女" or "4番 新しい児童 氏名".
QString cellAnnouncement(const RegisterMonth &month, const SheetCursor &cursor, const SheetCursor::Bounds &bounds);
