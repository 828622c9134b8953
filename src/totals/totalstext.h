#pragma once

#include "totals.h"

#include <QString>

struct ClassEntry;

// The texts that go with the totals on screen, on paper and in messages.
namespace TotalsText {

// The printout's title: "令和8年度 前期 出席簿の集計 1年2組", or with
// "出席簿の年間集計" for the whole year; the school year in the era of its 1 May.
QString title(int schoolYear, const TotalsPeriod &period, const ClassEntry &classEntry);

// "期間: 4月1日～10月9日", the dates the totals add up.
QString periodLine(const TotalsPeriod &period);

// The class as the title names it: 1年2組, 1・2学年, 星組(知的).
QString className(const ClassEntry &classEntry);

// "集計した月: 4 5 6 7月　ファイルのない月: 8月", with the unreadable months too,
// so a forgotten month is seen before the figures are copied.
QString monthsLine(const Totals &totals);

// The message naming each month file that exists but could not be read;
// empty when every file was read or missing.
QString unreadableMessage(const Totals &totals);

// "欠席理由別の日数" and a line per mark and category ("ホ　インフルエンザ　12日");
// empty when the period has no reasons.
QString reasonsText(const Totals &totals);

// "長期欠席（30日以上）: 2名".
QString longAbsenceLine(const Totals &totals);

} // namespace TotalsText
