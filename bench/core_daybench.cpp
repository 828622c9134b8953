#include "busymonth.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"
#include "school/schoolday.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

constexpr int Classes = 30;
const QDate SchoolDate{BusyMonth::Year, BusyMonth::Month, 14};

// A school of 30 classes of 46 pupils, each class's month on disk with a
// reason for every day mark of the day looked at.
ClassList writeSchool(const ProgramSettings &settings)
{
    RegisterMonth month = BusyMonth::busyMonth();
    const ReasonCategories categories;
    const int day = SchoolDate.day() - 1;
    for (int i = 0; i < month.PupilCount; ++i) {
        PupilRecord &pupil = month.Pupils[i];
        const int code = markCodeOf(pupil.Marks[day]);
        if (ReasonCategories::carriesReasons(code))
            pupil.Reasons.append({qint16(day), pupil.Marks[day], {categories.forMark(code).first()}, u"連絡あり"_s});
    }
    ClassList classes;
    for (int c = 0; c < Classes; ++c) {
        ClassEntry &entry = classes.Entries[classes.ClassCount++];
        entry.Grade = qint16(c / 5 + 1);
        entry.ClassName = QString::number(c % 5 + 1);
        entry.Title = u"%1年%2組"_s.arg(entry.Grade).arg(entry.ClassName);
        const QString path = classMonthPath(settings, entry, SchoolDate);
        QDir().mkpath(QFileInfo(path).absolutePath());
        MonthFile::save(path, month);
        ReasonFile::save(path, month);
    }
    return classes;
}

void SchoolDayFromDisk(benchmark::State &state)
{
    QTemporaryDir work;
    ProgramSettings settings;
    settings.WorkFolder = work.path();
    settings.DataFolder = work.filePath(u"data"_s);
    const ClassList classes = writeSchool(settings);
    for (auto _ : state) {
        const SchoolDay school = readSchoolDay(settings, classes, SchoolDate, 200);
        if (school.classes.size() != Classes || !school.classes.last().isRead()
            || school.classes.last().byCategory.isEmpty())
            state.SkipWithError("the school was not read");
        benchmark::DoNotOptimize(school);
    }
}

} // namespace

BENCHMARK(SchoolDayFromDisk)->Unit(benchmark::kMillisecond);
