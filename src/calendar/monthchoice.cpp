#include "monthchoice.h"

#include "calendar/era.h"
#include "data/folderpath.h"
#include "data/records.h"

#include <QDir>

YearMonth proposedMonth(const AppState &state, const QDate &today)
{
    if (state.HeiseiYear != 0) {
        return {JapaneseEra::gregorianFromHeisei(state.HeiseiYear),
                state.Month != 0 ? int(state.Month) : today.month()};
    }
    const YearMonth current{today.year(), today.month()};
    return today.day() > 10 ? current : steppedMonth(current, -1);
}

YearMonth steppedMonth(const YearMonth &yearMonth, int step)
{
    YearMonth stepped{yearMonth.gregorianYear, yearMonth.month + step};
    if (step > 0 && stepped.month > 12) {
        stepped.month = 1;
        ++stepped.gregorianYear;
    } else if (step < 0 && stepped.month < 1) {
        stepped.month = 12;
        --stepped.gregorianYear;
    }
    return stepped;
}

int schoolYearOf(const YearMonth &yearMonth)
{
    return yearMonth.month < 4 ? yearMonth.gregorianYear - 1 : yearMonth.gregorianYear;
}

std::optional<QString> unreachableDataFolder(const QString &dataFolder)
{
    if (!isUnreachableVolumePath(dataFolder))
        return std::nullopt;
    return QStringLiteral("保存データ用フォルダーが見つかりません: ") + dataFolder.trimmed();
}

MonthFolders monthFolders(const ProgramSettings &settings, int schoolYear, const QString &classTitle)
{
    const QDir dataFolder(absoluteFolderPath(settings.WorkFolder, settings.DataFolder));
    const QString yearFolder = dataFolder.filePath(QString::number(schoolYear));
    return {QDir::toNativeSeparators(yearFolder),
            QDir::toNativeSeparators(QDir(yearFolder).filePath(classTitle.trimmed()))};
}

void applyClassFields(AppState &state, const ClassEntry &classEntry)
{
    state.ClassKind = classEntry.Kind;
    state.ClassGrade = classEntry.Grade;
    state.ClassGrade2 = classEntry.Grade2;
    state.ClassName = classEntry.ClassName;
    state.ClassCategory = classEntry.Category;
    state.ClassTitle = classEntry.Title;
}

namespace {

void applyClass(AppState &state, const ProgramSettings &settings, const ClassEntry &classEntry, int schoolYear)
{
    const MonthFolders folders = monthFolders(settings, schoolYear, classEntry.Title);
    state.YearFolder = folders.yearFolder;
    state.MonthFolder = folders.monthFolder;
    applyClassFields(state, classEntry);
}

} // namespace

void applyMonthChoice(AppState &state, const ProgramSettings &settings, const ClassEntry &classEntry,
                      const YearMonth &yearMonth)
{
    state.HeiseiYear = qint16(JapaneseEra::heiseiFromGregorian(yearMonth.gregorianYear));
    state.Month = qint16(yearMonth.month);
    applyClass(state, settings, classEntry, schoolYearOf(yearMonth));
}

int proposedSchoolYear(const AppState &state, const QDate &today)
{
    if (state.TotalsYear != 0)
        return JapaneseEra::gregorianFromHeisei(state.TotalsYear);
    return schoolYearOf({today.year(), today.month()});
}

void applyTotalsChoice(AppState &state, const ProgramSettings &settings, const ClassEntry &classEntry, int schoolYear)
{
    state.TotalsYear = qint16(JapaneseEra::heiseiFromGregorian(schoolYear));
    applyClass(state, settings, classEntry, schoolYear);
}
