#include "rosterimport.h"

#include "calendar/era.h"
#include "rosterfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString RosterTitle = u"児童・生徒名簿"_s;

QList<int> rosterGrades(const AppState &state)
{
    switch (state.ClassKind) {
    case SpecialSupportClass:
        return {1, 2, 3, 4, 5, 6};
    case MultiGradeClass:
        return {state.ClassGrade, state.ClassGrade2};
    default:
        return {state.ClassGrade};
    }
}

int schoolYearOf(const AppState &state)
{
    const int year = JapaneseEra::gregorianFromHeisei(state.HeiseiYear);
    return state.Month < 4 ? year - 1 : year;
}

ImportMessage readFailure(const QString &path, bool shifted)
{
    const QString file = u'\n' + QDir::toNativeSeparators(path);
    if (shifted)
        return {u"ファイル読込エラー(2)"_s + file, u"データ読込"_s, ImportMessageKind::Error};
    return {u"名簿ファイル読込エラー"_s + file, RosterTitle, ImportMessageKind::Error};
}

std::optional<QString> schoolMismatch(const RosterFile::Roster &roster, const ProgramSettings &settings)
{
    if (roster.schoolCode != settings.SchoolCode)
        return u"名簿データの学校コードが違います"_s;
    if (roster.schoolName.trimmed() != settings.SchoolName.trimmed())
        return u"名簿データの学校名が違います"_s;
    return std::nullopt;
}

} // namespace

PupilImport ImportRosterFiles(const AppState &state, const ProgramSettings &settings, int pupilCount)
{
    PupilImport import;
    PupilCollector collector(import.pupils, import.messages, pupilCount);
    bool anyAccepted = false;
    bool anyRefused = false;
    for (const int grade : rosterGrades(state)) {
        const QString path = QDir(state.YearFolder).filePath(RosterFile::fileName(schoolYearOf(state), grade));
        const QFileInfo info(path);
        if (!info.exists() || info.size() == 0)
            continue;
        RosterFile::Roster roster;
        if (!RosterFile::load(path, roster).ok()) {
            import.messages.append(readFailure(path, roster.shifted));
            import.unreadableFile = path;
            import.outcome = ImportOutcome::NoSource;
            return import;
        }
        if (const auto mismatch = schoolMismatch(roster, settings)) {
            import.messages.append({*mismatch, RosterTitle, ImportMessageKind::Warning});
            anyRefused = true;
            continue;
        }
        anyAccepted = true;
        for (const RosterFile::RosterPupil &pupil : roster.pupils) {
            if (pupil.className != state.ClassName)
                continue;
            if (!collector.add(importedPupil(pupil.name, pupil.sex, pupil.rosterNo, qint16(grade))))
                return import;
        }
    }
    if (!anyAccepted && anyRefused) {
        import.outcome = ImportOutcome::Refused;
    } else if (!anyAccepted) {
        import.outcome = ImportOutcome::NoSource;
        import.messages.append(
            {u"児童・生徒名簿のファイルがありません\n"_s + QDir::toNativeSeparators(state.YearFolder), RosterTitle,
             ImportMessageKind::Warning});
    }
    return import;
}

void removeDecodedCopy(const QString &workFolder)
{
    QFile::remove(decodedCopyPath(workFolder));
}

bool hasRosterFiles(const QString &yearFolder)
{
    return !yearFolder.isEmpty() && !QDir(yearFolder).entryList({u"*.STD"_s}, QDir::Files).isEmpty();
}

QString decodedCopyPath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"MEIBO_L.STD"_s);
}
