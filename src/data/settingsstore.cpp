#include "settingsstore.h"

#include <QDir>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString School = u"SCHOOL"_s;
const QString Version = u"Version"_s;
const QString Position = u"Position"_s;

// Positions are kept at full width: a dialog on the right of a wide desktop
// lies beyond 32767 twips.
int storedInteger(const SettingsStore &store, const QString &section, const QString &key)
{
    return store.value(section, key).trimmed().toInt();
}

int storedMajor(const SettingsStore &store)
{
    return storedInteger(store, Version, u"Major"_s);
}

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::forUser()
{
    // The same organisation and application as the store the earlier program
    // wrote, so tools that read those keys keep finding them.
    return std::make_unique<SettingsStore>(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                                       u"VB and VBA Program Settings"_s, u"VELTRA"_s));
}

SettingsStore::SettingsStore(const QString &iniFile)
    : SettingsStore(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString &section, const QString &key, const QString &fallback) const
{
    return m_settings->value(section + u'/' + key, fallback).toString();
}

bool SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(section + u'/' + key, value);
    m_settings->sync();
    const bool stored = m_settings->status() == QSettings::NoError;
    m_failed |= !stored;
    return stored;
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

bool SettingsStore::takeUnreportedFailure()
{
    if (!m_failed || m_failureReported)
        return false;
    m_failureReported = true;
    return true;
}

QString shortDateText(const QDate &date)
{
    return date.toString(u"yyyy/MM/dd"_s);
}

bool publishSettings(SettingsStore &store, const ProgramSettings &settings, const QString &monthFolder,
                     const QString &programFolder, const QDate &today)
{
    bool ok = store.setValue(School, u"DIR_ME"_s, QDir::toNativeSeparators(programFolder));
    ok &= store.setValue(School, u"SC_NAME"_s, settings.SchoolName);
    ok &= store.setValue(School, u"SC_CODE"_s, QString::number(settings.SchoolCode));
    if (store.value(School, u"INST_DAY"_s).isEmpty())
        ok &= store.setValue(School, u"INST_DAY"_s, shortDateText(today));
    if (storedMajor(store) < ProgramVersion::Major)
        ok &= store.setValue(School, u"INST_DAY"_s, shortDateText(today));
    ok &= store.setValue(Version, u"Major"_s, QString::number(ProgramVersion::Major));
    ok &= store.setValue(Version, u"Minor"_s, QString::number(ProgramVersion::Minor));
    ok &= store.setValue(Version, u"Revision"_s, QString::number(ProgramVersion::Revision));
    ok &= store.setValue(School, u"SET_S_DIR"_s, monthFolder);
    ok &= store.setValue(School, u"SET_D_DIR"_s, settings.DataFolder);
    return ok;
}

bool recordVersionAtStartup(SettingsStore &store, const QDate &today)
{
    if (ProgramVersion::Major > storedMajor(store))
        return store.setValue(School, u"INST_DAY"_s, shortDateText(today));
    return true;
}

WindowPosition restoreWindowPosition(const SettingsStore &store, const QString &windowName, int screenWidthTwips,
                                     int screenHeightTwips)
{
    WindowPosition position;
    position.WindowLeft = storedInteger(store, Position, windowName + u" Left"_s);
    position.WindowTop = storedInteger(store, Position, windowName + u" Top"_s);
    if (position.WindowLeft > screenWidthTwips - 1000)
        position.WindowLeft = 0;
    if (position.WindowTop > screenHeightTwips - 1000)
        position.WindowTop = 0;
    return position;
}

bool saveWindowPosition(SettingsStore &store, const QString &windowName, const WindowPosition &position)
{
    const bool left = store.setValue(Position, windowName + u" Left"_s, QString::number(position.WindowLeft));
    const bool top = store.setValue(Position, windowName + u" Top"_s, QString::number(position.WindowTop));
    return left && top;
}

bool hasWindowPosition(const SettingsStore &store, const QString &windowName)
{
    return !store.value(Position, windowName + u" Left"_s).isEmpty()
           || !store.value(Position, windowName + u" Top"_s).isEmpty();
}

OptionalWindowPosition restoreRosterWindowPosition(const SettingsStore &store, const QString &windowName,
                                                   int screenWidthTwips, int screenHeightTwips)
{
    auto axis = [&](const QString &key, int limit) -> std::optional<double> {
        double value = store.value(Position, windowName + key).trimmed().toDouble();
        if (value > limit - 1000)
            value = 0;
        return value > 0 ? std::optional<double>(value) : std::nullopt;
    };
    return {axis(u" Left"_s, screenWidthTwips), axis(u" Top"_s, screenHeightTwips)};
}

bool saveRosterWindowPosition(SettingsStore &store, const QString &windowName, double left, double top)
{
    const bool leftOk = store.setValue(Position, windowName + u" Left"_s, QString::number(left));
    const bool topOk = store.setValue(Position, windowName + u" Top"_s, QString::number(top));
    return leftOk && topOk;
}

QByteArray restoreWindowGeometry(const SettingsStore &store, const QString &windowName)
{
    return QByteArray::fromBase64(store.value(Position, windowName + u" Geometry"_s).toLatin1());
}

bool saveWindowGeometry(SettingsStore &store, const QString &windowName, const QByteArray &geometry)
{
    return store.setValue(Position, windowName + u" Geometry"_s, QString::fromLatin1(geometry.toBase64()));
}
