#include "printsource.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
#include "register/monthstatistics.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<ExitStatus> PrintSource::loadWorkFolder(const QString &workFolder)
{
    m_session.Settings.WorkFolder = QDir(workFolder).absolutePath();
    const LoadResult settings = SettingsFile::load(m_session.Settings);
    if (!settings.ok())
        return loadError(m_output, settings);
    if (const auto unreachable = unreachableDataFolder(m_session.Settings.DataFolder))
        return dataFolderError(m_output, *unreachable);
    return loadClassList(m_session.Settings.WorkFolder, m_session.Classes, m_output);
}

std::optional<ExitStatus> PrintSource::chooseClass(const QString &title)
{
    const ClassEntry *entry = findClass(m_session.Classes, title);
    if (!entry)
        return unknownClassError(m_output, m_session.Settings.WorkFolder, title);
    applyClassFields(m_session.State, *entry);
    return std::nullopt;
}

std::optional<ExitStatus> PrintSource::loadInto(Session &session, const QString &path)
{
    const auto yearAndMonth = MonthFile::yearAndMonthOf(QFileInfo(path).fileName());
    if (!yearAndMonth || yearAndMonth->first <= JapaneseEra::HeiseiOffset) {
        m_output.err += u"%1: ファイル名から年と月がわかりません\n"_s.arg(QDir::toNativeSeparators(path));
        return ExitStatus::UsageError;
    }
    const LoadResult loaded = MonthFile::load(path, session.Register);
    if (!loaded.ok())
        return loadError(m_output, loaded);
    session.State.HeiseiYear = qint16(JapaneseEra::heiseiFromGregorian(yearAndMonth->first));
    session.State.Month = qint16(yearAndMonth->second);
    computeStatistics(session);
    return std::nullopt;
}

std::optional<ExitStatus> PrintSource::loadMonth(const QString &path)
{
    if (const auto failed = chooseClass(QFileInfo(path).absoluteDir().dirName()))
        return failed;
    return loadInto(m_session, path);
}

std::optional<ExitStatus> PrintSource::loadSchoolYear(int gregorianYear)
{
    const QDir classFolder(monthFolders(m_session.Settings, gregorianYear, m_session.State.ClassTitle).monthFolder);
    for (int schoolMonth = 4; schoolMonth <= 15; ++schoolMonth) {
        const int year = schoolMonth > 12 ? gregorianYear + 1 : gregorianYear;
        const int month = schoolMonth > 12 ? schoolMonth - 12 : schoolMonth;
        const QString path = classFolder.filePath(MonthFile::fileName(year, month));
        if (!QFileInfo::exists(path)) {
            m_output.err += u"%1: ファイルがありません\n"_s.arg(QDir::toNativeSeparators(path));
            continue;
        }
        auto session = std::make_unique<Session>();
        session->Settings = m_session.Settings;
        session->State = m_session.State;
        if (const auto failed = loadInto(*session, path))
            return failed;
        m_monthList.append(session.get());
        m_months.push_back(std::move(session));
    }
    if (m_monthList.isEmpty()) {
        m_output.err += u"%1: 月のファイルがありません\n"_s.arg(QDir::toNativeSeparators(classFolder.path()));
        return ExitStatus::InputError;
    }
    return std::nullopt;
}
