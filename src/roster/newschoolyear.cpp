#include "newschoolyear.h"

#include "classtitle.h"
#include "pupilimport.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "calendar/nationalholidays.h"
#include "data/folderpath.h"
#include "data/monthfile.h"
#include "register/monthlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The highest grade of the ordinary classes; 6 when there are none.
int topGradeOf(const ClassList &classes)
{
    int top = 0;
    for (int i = 0; i < classes.ClassCount; ++i) {
        if (classes.Entries[i].Kind == OrdinaryClass)
            top = std::max<int>(top, classes.Entries[i].Grade);
    }
    return top > 0 ? top : 6;
}

bool hasGrade(const ClassEntry &entry, int grade)
{
    return entry.Grade == grade || entry.Grade2 == grade;
}

class Planner
{
public:
    Planner(const ClassList &classes, const QList<ClassYearEnd> &yearEnds, int schoolYear)
        : m_classes(classes)
        , m_yearEnds(yearEnds)
        , m_topGrade(topGradeOf(classes))
    {
        m_plan.schoolYear = schoolYear;
    }

    NewYearPlan plan()
    {
        for (int i = 0; i < m_classes.ClassCount; ++i) {
            const ClassEntry &entry = m_classes.Entries[i];
            const ClassYearEnd &yearEnd = m_yearEnds.value(i);
            if (yearEnd.leftOut || !yearEnd.read) {
                m_plan.skipped.append({title(i), yearEnd.leftOut.value_or(NoSourceMonthReason)});
                continue;
            }
            QList<PupilRecord> stayers;
            std::copy_if(yearEnd.pupils.begin(), yearEnd.pupils.end(), std::back_inserter(stayers),
                         [](const PupilRecord &pupil) { return pupil.OutKind.isEmpty(); });
            if (entry.Kind == OrdinaryClass)
                carryOrdinary(i, stayers);
            else
                carryByGrade(i, stayers);
        }
        leaveRefusingTargets();
        return m_plan;
    }

private:
    QString title(int index) const { return m_classes.Entries[index].Title.trimmed(); }

    void carryOrdinary(int index, const QList<PupilRecord> &stayers)
    {
        const ClassEntry &entry = m_classes.Entries[index];
        if (entry.Grade >= m_topGrade) {
            graduate(index, int(stayers.size()));
            return;
        }
        const int target = ordinaryClassAbove(entry);
        if (target < 0) {
            m_plan.skipped.append({title(index), NoTargetClassReason});
            return;
        }
        for (const PupilRecord &pupil : stayers)
            move(index, target, pupil.Grade, pupil);
    }

    // Special-support and multi-grade classes: each pupil one grade up.
    void carryByGrade(int index, const QList<PupilRecord> &stayers)
    {
        int graduates = 0;
        for (const PupilRecord &pupil : stayers) {
            const int grade = pupil.Grade > 0 ? pupil.Grade + 1 : 0;
            if (grade > m_topGrade) {
                ++graduates;
                continue;
            }
            const int target = grade > 0 ? targetByGrade(index, grade) : -1;
            if (target < 0)
                m_plan.notPlaced.append({title(index), pupil.Name, grade});
            else
                move(index, target, grade, pupil);
        }
        graduate(index, graduates);
    }

    int ordinaryClassAbove(const ClassEntry &entry) const
    {
        for (int i = 0; i < m_classes.ClassCount; ++i) {
            const ClassEntry &other = m_classes.Entries[i];
            if (other.Kind == OrdinaryClass && other.Grade == entry.Grade + 1
                && other.ClassName.trimmed() == entry.ClassName.trimmed())
                return i;
        }
        return -1;
    }

    // A special-support class keeps its pupils; a multi-grade class keeps those
    // of its grades and hands the others to the one multi-grade class of theirs.
    int targetByGrade(int index, int grade) const
    {
        const ClassEntry &entry = m_classes.Entries[index];
        if (entry.Kind != MultiGradeClass || hasGrade(entry, grade))
            return index;
        int found = -1;
        for (int i = 0; i < m_classes.ClassCount; ++i) {
            const ClassEntry &other = m_classes.Entries[i];
            if (other.Kind != MultiGradeClass || !hasGrade(other, grade))
                continue;
            if (found >= 0)
                return -1;
            found = i;
        }
        return found;
    }

    void move(int from, int to, int grade, const PupilRecord &pupil)
    {
        if (m_placed[to] >= PupilWorkingLimit) {
            m_plan.notPlaced.append({title(from), pupil.Name, grade});
            return;
        }
        ++m_placed[to];
        const PupilRecord carried = importedPupil(pupil.Name, pupil.Sex, pupil.RosterNo, qint16(grade));
        auto found = std::find_if(m_plan.moves.begin(), m_plan.moves.end(), [&](const NewYearMove &item) {
            return item.from == title(from) && item.to == title(to);
        });
        if (found == m_plan.moves.end())
            m_plan.moves.append({title(from), title(to), {carried}});
        else
            found->pupils.append(carried);
    }

    void graduate(int index, int pupils)
    {
        if (pupils > 0)
            m_plan.graduates.append({title(index), pupils});
    }

    // A target whose April cannot take pupils (it has some already) is left alone.
    void leaveRefusingTargets()
    {
        for (int i = 0; i < m_classes.ClassCount; ++i) {
            const std::optional<QString> &refusal = m_yearEnds.value(i).aprilRefusal;
            const auto intoClass = [&](const NewYearMove &item) { return item.to == title(i); };
            if (!refusal || std::none_of(m_plan.moves.begin(), m_plan.moves.end(), intoClass))
                continue;
            m_plan.moves.removeIf(intoClass);
            if (!m_yearEnds.value(i).leftOut)
                m_plan.skipped.append({title(i), *refusal});
        }
    }

    const ClassList &m_classes;
    const QList<ClassYearEnd> &m_yearEnds;
    const int m_topGrade;
    std::array<int, ClassSlots> m_placed{};
    NewYearPlan m_plan;
};

QString monthPath(const ProgramSettings &settings, int schoolYear, const QString &classTitle, int gregorianYear,
                  int month)
{
    return QDir(monthFolders(settings, schoolYear, classTitle).monthFolder)
        .filePath(MonthFile::fileName(gregorianYear, month));
}

// The last month of the school year, March back to April, that reads and has pupil lines.
std::optional<RegisterMonth> lastMonthOf(const ProgramSettings &settings, int schoolYear, const QString &classTitle)
{
    RegisterMonth month;
    for (int step = 0; step < 12; ++step) {
        const int monthNumber = (14 - step) % 12 + 1; // 3, 2, 1, 12, …, 4
        const int gregorianYear = monthNumber <= 3 ? schoolYear + 1 : schoolYear;
        const QString path = monthPath(settings, schoolYear, classTitle, gregorianYear, monthNumber);
        if (MonthFile::load(path, month).ok() && month.PupilCount > 0)
            return month;
    }
    return std::nullopt;
}

std::optional<QString> aprilRefusal(const ProgramSettings &settings, int schoolYear, const QString &classTitle)
{
    RegisterMonth april;
    const LoadResult loaded = MonthFile::load(newYearAprilPath(settings, schoolYear, classTitle), april);
    if (loaded.unreadable())
        return AprilUnreadableReason;
    if (loaded.ok() && april.PupilCount > 0)
        return AprilHasPupilsReason;
    return std::nullopt;
}

// The April register a target receives: the existing file's holidays and
// teacher when it has no pupils yet, else the calendar's days off.
std::optional<QString> fillApril(const QString &path, int gregorianYear, const NewYearTarget &target,
                                 RegisterMonth &april)
{
    const LoadResult loaded = MonthFile::load(path, april);
    if (loaded.unreadable())
        return AprilUnreadableReason;
    if (april.PupilCount > 0)
        return AprilHasPupilsReason;
    if (april.HolidayCount == 0)
        CalcNationalHolidays(JapaneseEra::heiseiFromGregorian(gregorianYear), 4, april);
    for (const PupilRecord &pupil : target.pupils)
        april.Pupils[april.PupilCount++] = pupil;
    return std::nullopt;
}

std::optional<QString> writeTarget(const ProgramSettings &settings, int schoolYear, const NewYearTarget &target,
                                   NewYearWrittenFile &written)
{
    const QString path = newYearAprilPath(settings, schoolYear, target.classTitle);
    const auto missing = missingFolders(QFileInfo(path).absolutePath());
    if (!missing || !createFolders(*missing))
        return u"フォルダーが作成できません"_s;
    MonthLock lock(path);
    switch (lock.take()) {
    case MonthLock::Outcome::Taken:
        break;
    case MonthLock::Outcome::Held:
        return MonthInUseMessage;
    case MonthLock::Outcome::Unavailable:
        return u"使用中を示すファイルを作れません"_s;
    }
    RegisterMonth april;
    if (const auto refusal = fillApril(path, schoolYear + 1, target, april))
        return refusal;
    QByteArray before;
    QString error;
    if (readDataFile(path, before, error) == ReadOutcome::Read)
        written.before = before;
    const SaveResult saved = MonthFile::save(path, april);
    if (!saved.ok)
        return saved.error;
    written.path = path;
    written.bytes = MonthFile::toBytes(april);
    return std::nullopt;
}

} // namespace

QList<NewYearTarget> NewYearPlan::targets() const
{
    QList<NewYearTarget> result;
    for (const NewYearMove &item : moves) {
        auto found = std::find_if(result.begin(), result.end(),
                                  [&](const NewYearTarget &target) { return target.classTitle == item.to; });
        if (found == result.end())
            result.append({item.to, item.pupils});
        else
            found->pupils.append(item.pupils);
    }
    return result;
}

NewYearPlan planNewSchoolYear(const ClassList &classes, const QList<ClassYearEnd> &yearEnds, int schoolYear)
{
    return Planner(classes, yearEnds, schoolYear).plan();
}

int proposedNewYearSource(const QDate &today)
{
    return today.month() <= 4 ? today.year() - 1 : today.year();
}

QString newYearAprilPath(const ProgramSettings &settings, int schoolYear, const QString &classTitle)
{
    return monthPath(settings, schoolYear + 1, classTitle, schoolYear + 1, 4);
}

QList<ClassYearEnd> readClassYearEnds(const ProgramSettings &settings, const ClassList &classes, int schoolYear)
{
    QList<ClassYearEnd> yearEnds;
    for (int i = 0; i < classes.ClassCount; ++i) {
        const QString title = classes.Entries[i].Title.trimmed();
        ClassYearEnd &yearEnd = yearEnds.emplace_back();
        if (const auto unsafe = ClassTitle::unsafeReason(title)) {
            yearEnd.leftOut = yearEnd.aprilRefusal = *unsafe;
            continue;
        }
        if (const auto last = lastMonthOf(settings, schoolYear, title)) {
            yearEnd.read = true;
            yearEnd.pupils = QList<PupilRecord>(last->Pupils.begin(), last->Pupils.begin() + last->PupilCount);
        }
        yearEnd.aprilRefusal = aprilRefusal(settings, schoolYear, title);
    }
    return yearEnds;
}

NewYearWriteResult writeNewSchoolYear(const ProgramSettings &settings, const NewYearPlan &plan)
{
    NewYearWriteResult result;
    for (const NewYearTarget &target : plan.targets()) {
        if (result.ok()) {
            NewYearWrittenFile written;
            if (const auto failure = writeTarget(settings, plan.schoolYear, target, written))
                result.failure = *failure;
            else
                result.written.append(written);
        }
        if (!result.failure.isEmpty())
            result.notWritten.append(target.classTitle);
    }
    return result;
}

QStringList undoNewSchoolYear(const QList<NewYearWrittenFile> &written)
{
    QStringList kept;
    for (const NewYearWrittenFile &file : written) {
        MonthLock lock(file.path);
        QByteArray bytes;
        QString error;
        const bool unchanged = lock.take() == MonthLock::Outcome::Taken
                               && readDataFile(file.path, bytes, error) == ReadOutcome::Read && bytes == file.bytes;
        const bool takenBack =
            unchanged && (file.before ? writeFileAtomically(file.path, *file.before).ok : QFile::remove(file.path));
        if (!takenBack)
            kept.append(file.path);
    }
    return kept;
}
