#include "yeararchive.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/monthfile.h"

#include <QDir>
#include <QFileInfo>

YearArchive YearArchive::load(const Session &base, int schoolYear, const Session *openMonth)
{
    YearArchive archive;
    archive.m_folder = monthFolders(base.Settings, schoolYear, base.State.ClassTitle).monthFolder;
    const QDir folder(archive.m_folder);
    for (int schoolMonth = 4; schoolMonth <= 15; ++schoolMonth) {
        const int year = schoolMonth > 12 ? schoolYear + 1 : schoolYear;
        const int month = schoolMonth > 12 ? schoolMonth - 12 : schoolMonth;
        const qint16 heiseiYear = qint16(JapaneseEra::heiseiFromGregorian(year));
        if (openMonth && openMonth->State.HeiseiYear == heiseiYear && openMonth->State.Month == month) {
            archive.m_months.append(openMonth);
            continue;
        }
        const QString path = folder.filePath(MonthFile::fileName(year, month));
        if (!QFileInfo::exists(path)) {
            archive.m_missing.append(path);
            continue;
        }
        auto session = std::make_unique<Session>();
        session->Settings = base.Settings;
        session->State = base.State;
        const LoadResult loaded = MonthFile::load(path, session->Register);
        if (!loaded.ok()) {
            archive.m_failure = loaded;
            archive.m_months.clear();
            return archive;
        }
        session->State.HeiseiYear = heiseiYear;
        session->State.Month = qint16(month);
        archive.m_months.append(session.get());
        archive.m_loaded.push_back(std::move(session));
    }
    return archive;
}
