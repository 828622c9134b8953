#pragma once

#include <QDate>
#include <QString>

#include <optional>

struct AppState;
struct ClassEntry;
struct ProgramSettings;

// The rules of choosing the month to open, apart from the dialog that shows them.

struct YearMonth
{
    int gregorianYear = 0;
    int month = 0;

    friend bool operator==(const YearMonth &, const YearMonth &) = default;
};

// The month the dialog proposes: the month chosen before in this run, else
// the current month from the 11th on and the previous month before it.
YearMonth proposedMonth(const AppState &state, const QDate &today);

// One month on (+1) or back (−1): up past 12 comes 1 of the next year, down
// below 1 comes 12 of the previous year; a month out of range (20) otherwise
// just steps (19).
YearMonth steppedMonth(const YearMonth &yearMonth, int step);

// The calendar year in which the school year of a month began (April to March).
int schoolYearOf(const YearMonth &yearMonth);

struct MonthFolders
{
    QString yearFolder;
    QString monthFolder;
};

// 「保存データ用フォルダーが見つかりません: …」 when the data folder names a drive
// or server that this computer does not have (a ROLL.SEW made on Windows).
std::optional<QString> unreachableDataFolder(const QString &dataFolder);

// <data folder>/<school year> and <data folder>/<school year>/<class title>,
// the data folder taken against the work folder when it is relative.
MonthFolders monthFolders(const ProgramSettings &settings, int schoolYear, const QString &classTitle);

// Copies the class fields of `classEntry` (kind, grades, name, category, title) into AppState.
void applyClassFields(AppState &state, const ClassEntry &classEntry);

// Makes the month of `classEntry` the open month of AppState.
void applyMonthChoice(AppState &state, const ProgramSettings &settings, const ClassEntry &classEntry,
                      const YearMonth &yearMonth);

// The school year the totals dialog proposes: the one chosen before in this
// run, else the school year of today (the previous year from January to March).
int proposedSchoolYear(const AppState &state, const QDate &today);

// Makes `classEntry` of `schoolYear` the class of the totals: TotalsYear, the
// class fields and the folders. The open month's year and month stay.
void applyTotalsChoice(AppState &state, const ProgramSettings &settings, const ClassEntry &classEntry, int schoolYear);
