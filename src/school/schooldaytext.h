#pragma once

#include "schoolday.h"

#include <QString>

// The day overview's texts, alike on screen, on paper and in the CSV file.
namespace SchoolDayText {

inline const QString WindowTitle = QStringLiteral("本日の出欠");
inline const QString ClosureMark = QStringLiteral("学級閉鎖の目安");

// "令和8年12月9日（水）".
QString dayTitle(const QDate &date);

// What a class's line says instead of or beside its figures: 休日, 出席簿なし,
// 読み込めません, or 学級閉鎖の目安 for a class read over the threshold; empty otherwise.
QString status(const SchoolDay &school, const ClassDay &day);

// When the class's month file was saved: "8:41" on the overview's day,
// "12/8 16:02" in its year, "2025/12/8 16:02" before; empty without a file.
QString savedAt(const ClassDay &day, const QDate &date);

// The closure rate with one decimal, or empty when no pupil is enrolled.
QString closureRate(const ClassDay &day);

// "1年"; 学年なし for pupils of a class without a grade of their own.
QString gradeLabel(int grade);

// "病：発熱 2　頭痛 1　／　ホ：インフルエンザ 3".
QString categoryLine(const QList<CategoryCount> &counts);

} // namespace SchoolDayText
