#include "registerimport.h"

#include "calendar/era.h"
#include "data/monthfile.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// The pupils who did not leave that month, as imported rows, until the collector is full.
void collectStayers(const RegisterMonth &month, PupilCollector &collector)
{
    for (int i = 0; i < month.PupilCount; ++i) {
        const PupilRecord &pupil = month.Pupils[i];
        if (pupil.OutKind.isEmpty()
            && !collector.add(importedPupil(pupil.Name, pupil.Sex, pupil.RosterNo, pupil.Grade)))
            return;
    }
}

} // namespace

PupilImport ImportLastMonth(const AppState &state, const RegisterMonth &open)
{
    PupilImport import;
    const bool january = state.Month == 1;
    const int year = january ? state.HeiseiYear - 1 : state.HeiseiYear;
    const int month = january ? 12 : state.Month - 1;
    const QString path =
        QDir(state.MonthFolder).filePath(MonthFile::fileName(JapaneseEra::gregorianFromHeisei(year), month));

    RegisterMonth last;
    const LoadResult loaded = MonthFile::load(path, last);
    if (loaded.missing()) {
        import.outcome = ImportOutcome::NoSource;
        import.messages.append(plainMessage(u"先月のデータは、有りません"_s));
        return import;
    }
    if (!loaded.ok())
        return unreadableImport(path);
    if (open.TeacherName.isEmpty() && !last.TeacherName.isEmpty())
        import.teacherName = last.TeacherName;
    PupilCollector collector(import.pupils, import.messages, 0);
    collectStayers(last, collector);
    // A month whose pupils all left gives nobody, and must not empty the open list.
    import.replacesList = !import.pupils.isEmpty();
    return import;
}

RegisterCandidates LoadRegisterCandidates(const QString &path)
{
    RegisterCandidates result;
    RegisterMonth month;
    if (!MonthFile::load(path, month).ok()) {
        result.messages.append(readFailedMessage(path));
        return result;
    }
    result.read = true;
    PupilCollector collector(result.candidates, result.messages, 0, CandidateLimit);
    collectStayers(month, collector);
    return result;
}

PupilImport importCandidates(const QList<PupilRecord> &chosen, int pupilCount)
{
    PupilImport import;
    PupilCollector collector(import.pupils, import.messages, pupilCount);
    for (const PupilRecord &pupil : chosen) {
        if (!collector.add(pupil))
            break;
    }
    return import;
}
