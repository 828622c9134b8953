#pragma once

#include "data/fileio.h"

#include <QDateTime>
#include <QString>

class ReasonCategories;
struct RegisterMonth;

// The recovery file of a month opened for writing: the month as last edited,
// written beside the month file ("2026_11.ROD.recover") in the month file's own
// format while the editor is open, and removed when the editor closes and has
// written the month. Its reasons go beside it ("2026_11.RSN.recover"), written
// first. One that is newer than the month file holds entries of a run that
// ended without closing.
namespace MonthRecovery {

QString recoveryPath(const QString &monthPath);
QString reasonsRecoveryPath(const QString &monthPath);

// A recovery file newer than the month file, or one of a month whose file was
// never written.
bool isPending(const QString &monthPath);

// The recovered month with its reasons (from the reasons recovery file, or the
// month's reasons file when there is none); `reasonsMessage` as MonthReasons::read gives it.
LoadResult load(const QString &monthPath, const ReasonCategories &categories, RegisterMonth &month,
                QString &reasonsMessage);
SaveResult save(const QString &monthPath, const QByteArray &monthBytes, const QByteArray &reasonBytes);
// After the month file has been written; true when no recovery file is left.
bool remove(const QString &monthPath);
// Keeps a recovery file the user declined under a name of its own with the
// time ("2026_11.ROD.20261207-091500.recover", its reasons likewise); the new
// path, empty on failure.
QString setAside(const QString &monthPath, const QDateTime &now = QDateTime::currentDateTime());

} // namespace MonthRecovery
