#pragma once

class QWidget;
struct Platform;
struct Session;

// What every window that changes the class list calls to write CLASS.CSD.
// While the file could not be read it first asks whether to replace it; a
// failed save is reported. False when nothing was written.
bool saveClassList(Session &session, Platform &platform, QWidget *parent);
