#include "pupilimport.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

QString importSummary(const PupilImport &import)
{
    const auto count = [&](const QString &sex) {
        return std::count_if(import.pupils.begin(), import.pupils.end(),
                             [&](const PupilRecord &pupil) { return pupil.Sex.trimmed() == sex; });
    };
    const qsizetype all = import.pupils.size();
    if (all == 0)
        return {};
    const qsizetype boys = count(u"男"_s);
    const qsizetype girls = count(u"女"_s);
    QString bySex = u"男%1名・女%2名"_s.arg(boys).arg(girls);
    if (const qsizetype unknown = all - boys - girls; unknown > 0)
        bySex += u"・性別なし%1名"_s.arg(unknown);
    return u"%1名を読み込みました（%2）"_s.arg(all).arg(bySex);
}

void applyImport(RegisterMonth &month, const PupilImport &import)
{
    if (import.teacherName)
        month.TeacherName = *import.teacherName;
    if (import.replacesList) {
        std::fill(month.Pupils.begin(), month.Pupils.end(), PupilRecord{});
        month.PupilCount = 0;
    }
    for (const PupilRecord &pupil : import.pupils) {
        if (month.PupilCount >= PupilWorkingLimit)
            break;
        month.Pupils[month.PupilCount++] = pupil;
    }
}

PupilCollector::PupilCollector(QList<PupilRecord> &rows, QList<ImportMessage> &messages, int rowsBefore, int limit)
    : m_rows(rows)
    , m_messages(messages)
    , m_room(std::max(limit - rowsBefore, 0))
{}

bool PupilCollector::add(const PupilRecord &pupil)
{
    if (m_stopped)
        return false;
    if (m_room == 0) {
        m_stopped = true;
        m_messages.append(plainMessage(TooManyPupilsMessage));
        return false;
    }
    --m_room;
    m_rows.append(pupil);
    return true;
}

PupilRecord importedPupil(const QString &name, const QString &sex, qint16 rosterNo, qint16 grade)
{
    PupilRecord pupil;
    pupil.Name = name;
    pupil.Sex = sex;
    pupil.RosterNo = rosterNo;
    pupil.Grade = grade;
    return pupil;
}

ImportMessage readFailedMessage(const QString &path)
{
    return {ReadFailedMessage + u'\n' + QDir::toNativeSeparators(path), {}, ImportMessageKind::Warning};
}

PupilImport unreadableImport(const QString &path)
{
    PupilImport import;
    import.outcome = ImportOutcome::NoSource;
    import.messages.append(readFailedMessage(path));
    import.unreadableFile = path;
    return import;
}
