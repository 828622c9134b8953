#pragma once

#include "records.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <memory>
#include <optional>

class QSettings;

struct ProgramVersion
{
    static constexpr int Major = VELTRA_VERSION_MAJOR;
    static constexpr int Minor = VELTRA_VERSION_MINOR;
    static constexpr int Revision = VELTRA_VERSION_REVISION;
};

// The per-user settings store of application VELTRA (sections SCHOOL, Version
// and Position; every value a text). The program uses the platform's store;
// tests give it a file of their own.
class SettingsStore
{
public:
    // The platform's per-user store (the registry on Windows).
    static std::unique_ptr<SettingsStore> forUser();
    // A store kept in an INI file, for tests and portable use.
    explicit SettingsStore(const QString &iniFile);
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();

    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    // False when the store could not take the value.
    bool setValue(const QString &section, const QString &key, const QString &value);

    // Where the values are kept (a file, or a registry path on Windows).
    QString location() const;
    // True once, after the first write that failed: the windows tell the user
    // then and not again in the same run.
    bool takeUnreportedFailure();

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_failed = false;
    bool m_failureReported = false;
};

// Short date text as the store keeps it: "2026/12/07".
QString shortDateText(const QDate &date);

// The keys published on every settings save, each written independently; false
// when any of them failed.
bool publishSettings(SettingsStore &store, const ProgramSettings &settings, const QString &monthFolder,
                     const QString &programFolder, const QDate &today);

// At start-up: INST_DAY = today when the program's major version is above the stored one.
bool recordVersionAtStartup(SettingsStore &store, const QDate &today);

struct WindowPosition
{
    int WindowLeft = 0; // twips
    int WindowTop = 0;
};

// A dialog's last position, each axis reset to 0 when it lies beyond the
// screen less 1000 twips; a position never stored reads as 0, 0.
WindowPosition restoreWindowPosition(const SettingsStore &store, const QString &windowName, int screenWidthTwips,
                                     int screenHeightTwips);
bool saveWindowPosition(SettingsStore &store, const QString &windowName, const WindowPosition &position);
// Whether a position was ever stored for the window.
bool hasWindowPosition(const SettingsStore &store, const QString &windowName);

// The roster window's variant: positions may carry fractions, and an axis is
// applied only when it is above 0 and on the screen.
struct OptionalWindowPosition
{
    std::optional<double> left;
    std::optional<double> top;
};
OptionalWindowPosition restoreRosterWindowPosition(const SettingsStore &store, const QString &windowName,
                                                   int screenWidthTwips, int screenHeightTwips);
bool saveRosterWindowPosition(SettingsStore &store, const QString &windowName, double left, double top);

// A main window's size and place as the toolkit keeps them (base64 text under
// "<name> Geometry"); empty when never stored.
QByteArray restoreWindowGeometry(const SettingsStore &store, const QString &windowName);
bool saveWindowGeometry(SettingsStore &store, const QString &windowName, const QByteArray &geometry);
