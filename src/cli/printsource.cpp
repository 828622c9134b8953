#include "printsource.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"

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

std::optional<ExitStatus> PrintSource::loadMonth(const QString &path)
{
    if (const auto failed = chooseClass(QFileInfo(path).absoluteDir().dirName()))
        return failed;
    const auto yearAndMonth = MonthFile::yearAndMonthOf(QFileInfo(path).fileName());
    if (!yearAndMonth || yearAndMonth->first <= JapaneseEra::HeiseiOffset) {
        m_output.err += u"%1: ファイル名から年と月がわかりません\n"_s.arg(QDir::toNativeSeparators(path));
        return ExitStatus::UsageError;
    }
    const LoadResult loaded = MonthFile::load(path, m_session.Register);
    if (!loaded.ok())
        return loadError(m_output, loaded);
    m_session.State.HeiseiYear = qint16(JapaneseEra::heiseiFromGregorian(yearAndMonth->first));
    m_session.State.Month = qint16(yearAndMonth->second);
    return std::nullopt;
}

std::optional<ExitStatus> PrintSource::loadSchoolYear(int gregorianYear)
{
    m_archive = YearArchive::load(m_session, gregorianYear);
    for (const QString &path : m_archive.missingFiles())
        m_output.err += u"%1: ファイルがありません\n"_s.arg(QDir::toNativeSeparators(path));
    if (m_archive.failure())
        return loadError(m_output, *m_archive.failure());
    if (m_archive.months().isEmpty()) {
        m_output.err += u"%1: 月のファイルがありません\n"_s.arg(QDir::toNativeSeparators(m_archive.folder()));
        return ExitStatus::InputError;
    }
    return std::nullopt;
}
