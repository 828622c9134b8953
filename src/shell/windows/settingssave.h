#pragma once

class QWidget;
struct Platform;
struct Session;

// Publishes the settings keys (a key the store refuses does not stop the
// rest) and writes ROLL.SEW, offering to retry while its volume is not ready.
// False, after telling the user, when ROLL.SEW was not written.
bool saveSettings(Session &session, Platform &platform, QWidget *parent);
