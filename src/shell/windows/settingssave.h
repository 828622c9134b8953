#pragma once

class QString;
class QWidget;
struct Platform;
struct ProgramSettings;

// Publishes the settings keys (a key the store refuses does not stop the
// rest) and writes `settings` to ROLL.SEW, offering to retry while its volume
// is not ready. False, after telling the user, when ROLL.SEW was not written.
bool saveSettings(const ProgramSettings &settings, const QString &monthFolder, Platform &platform, QWidget *parent);
