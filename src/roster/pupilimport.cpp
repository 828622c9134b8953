#include "pupilimport.h"

#include <QDir>

#include <algorithm>

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
