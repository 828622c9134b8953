#include "schoolday.h"

#include "calendar/monthchoice.h"
#include "data/reasoncategories.h"

#include <algorithm>

using namespace Qt::StringLiterals;

int SchoolDay::schoolYear() const
{
    return schoolYearOf({date.year(), date.month()});
}

int SchoolDay::classesOverThreshold() const
{
    return int(
        std::count_if(classes.begin(), classes.end(), [this](const ClassDay &day) { return overThreshold(day); }));
}

std::map<int, DayCounts> SchoolDay::grades() const
{
    std::map<int, DayCounts> sums;
    for (const ClassDay &day : classes) {
        for (const auto &[grade, counts] : day.byGrade)
            sums[grade] += counts;
    }
    return sums;
}

DayCounts SchoolDay::school() const
{
    DayCounts sum;
    for (const ClassDay &day : classes)
        sum += day.counts;
    return sum;
}

SchoolDay readSchoolDay(const ProgramSettings &settings, const ClassList &classes, const QDate &date,
                        int thresholdTenths)
{
    SchoolDay result{date, thresholdTenths, {}, {}};
    ReasonCategories categories;
    if (const LoadResult loaded = ReasonCategoriesFile::load(settings.WorkFolder, categories); !loaded.ok())
        result.notes.append(loaded.describe()
                            + u": 学校で追加した欠席理由を読み込めません。決められた理由だけを使います"_s);
    for (int i = 0; i < std::clamp<int>(classes.ClassCount, 0, ClassSlots); ++i) {
        const ClassEntry &classEntry = classes.Entries[i];
        QStringList notes;
        result.classes.append(readClassDay(settings, classEntry, date, categories, notes));
        for (const QString &note : std::as_const(notes))
            result.notes.append(classEntry.Title + u": "_s + note);
    }
    return result;
}
