#pragma once

#include "totals.h"

#include <QString>

struct ClassEntry;

// The texts that go with the totals on screen, on paper and in messages.
namespace TotalsText {

// The option captions: "１学期", "２学期", "３学期", "１年間".
QString termCaption(int term);

// The printout's title: "令和8年度 １学期 出席簿の集計 1年2組", the school
// year in the era of its 1 May.
QString title(int schoolYear, int term, const ClassEntry &classEntry);

// The class as the title names it: 1年2組, 1・2学年, 星組(知的).
QString className(const ClassEntry &classEntry);

// "集計した月: 4 5 6 7月　ファイルのない月: 8月", with the unreadable months too,
// so a forgotten month is seen before the figures are copied.
QString monthsLine(const Totals &totals);

// The message naming each month file that exists but could not be read;
// empty when every file was read or missing.
QString unreadableMessage(const Totals &totals);

// "長期欠席（30日以上）: 2名".
QString longAbsenceLine(const Totals &totals);

} // namespace TotalsText
