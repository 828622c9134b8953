#include "classday.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/markreasons.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"
#include "register/enrolment.h"
#include "register/monthstatistics.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool hasReason(const DayPupil &pupil, const QString &mark, const QString &category)
{
    return pupil.mark == mark && pupil.reason && pupil.reason->Categories.contains(category);
}

// The categories of one mark's reasons in the order of its list; a category
// the list no longer has comes after them.
QStringList categoriesInUse(const QList<DayPupil> &pupils, int markCode, const ReasonCategories &categories)
{
    const QString mark = MarkTable[markCode].toString();
    QStringList used;
    for (const DayPupil &pupil : pupils) {
        if (pupil.mark == mark && pupil.reason)
            used += pupil.reason->Categories;
    }
    if (used.isEmpty())
        return {};
    QStringList order = categories.forMark(markCode);
    order.removeIf([&](const QString &category) { return !used.contains(category); });
    for (const QString &category : std::as_const(used)) {
        if (!order.contains(category))
            order.append(category);
    }
    return order;
}

QList<CategoryCount> countCategories(const QList<DayPupil> &pupils, const ReasonCategories &categories)
{
    QList<CategoryCount> counts;
    for (int code = MarkCode::Sick; code <= MarkCode::LateAndEarlyLeave; ++code) {
        const QString mark = MarkTable[code].toString();
        for (const QString &category : categoriesInUse(pupils, code, categories)) {
            const auto pupilsWith = std::count_if(
                pupils.begin(), pupils.end(), [&](const DayPupil &pupil) { return hasReason(pupil, mark, category); });
            counts.append({mark, category, int(pupilsWith)});
        }
    }
    return counts;
}

} // namespace

bool ClassDay::overThreshold(int thresholdTenths) const
{
    const std::optional<int> rate = isRead() ? closureRateTenths(counts) : std::nullopt;
    return rate && *rate >= thresholdTenths;
}

bool isClassDayOff(const RegisterMonth &month, int gregorianYear, int monthNumber, int day)
{
    return month.MonthOffFlag == 1 || isDayOff(month, day + 1)
           || day >= countedDays(month, JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber);
}

ClassDay classDayOf(const ClassEntry &classEntry, const RegisterMonth &month, const QDate &date,
                    const ReasonCategories &categories)
{
    ClassDay result;
    result.classEntry = classEntry;
    const int day = date.day() - 1;
    if (isClassDayOff(month, date.year(), date.month(), day)) {
        result.status = ClassDayStatus::DayOff;
        return result;
    }
    result.status = ClassDayStatus::Read;
    const bool ownGrades = classEntry.Kind != OrdinaryClass;
    for (int row = 0; row < std::clamp<int>(month.PupilCount, 0, PupilSlots); ++row) {
        const PupilRecord &pupil = month.Pupils[row];
        const QString &mark = pupil.Marks[day];
        DayCounts counted;
        if (outsideEnrolment(pupil, day) || !counted.count(mark))
            continue;
        const int grade = ownGrades ? pupil.Grade : classEntry.Grade;
        result.counts += counted;
        result.byGrade[grade] += counted;
        if (mark.isEmpty())
            continue;
        const MarkReason *reason = MarkReasons::find(pupil, day);
        result.pupils.append(
            {row + 1, pupil.Name, pupil.Sex, grade, mark, reason ? std::optional<MarkReason>(*reason) : std::nullopt});
    }
    result.byCategory = countCategories(result.pupils, categories);
    return result;
}

QString classMonthPath(const ProgramSettings &settings, const ClassEntry &classEntry, const QDate &date)
{
    const int schoolYear = schoolYearOf({date.year(), date.month()});
    return QDir(monthFolders(settings, schoolYear, classEntry.Title).monthFolder)
        .filePath(MonthFile::fileName(date.year(), date.month()));
}

ClassDay readClassDay(const ProgramSettings &settings, const ClassEntry &classEntry, const QDate &date,
                      const ReasonCategories &categories, QStringList &notes)
{
    const QString path = classMonthPath(settings, classEntry, date);
    ClassDay result;
    RegisterMonth month;
    const LoadResult loaded = MonthFile::load(path, month);
    if (loaded.ok()) {
        const bool dayOff = isClassDayOff(month, date.year(), date.month(), date.day() - 1);
        const LoadResult reasons =
            dayOff ? LoadResult{} : ReasonFile::load(ReasonFile::pathFor(path), month, categories, notes);
        result = classDayOf(classEntry, month, date, categories);
        if (!reasons.ok())
            notes.append(reasons.describe() + u": 欠席理由を読み込めません"_s);
    } else {
        result.classEntry = classEntry;
        result.status = loaded.missing() ? ClassDayStatus::Missing : ClassDayStatus::Unreadable;
        result.detail = loaded.describe();
    }
    if (const QFileInfo file(path); file.exists())
        result.savedAt = file.lastModified();
    return result;
}
