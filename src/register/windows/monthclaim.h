#pragma once

#include "register/monthlock.h"

#include <optional>

class QWidget;
struct Platform;
struct RegisterMonth;

// Takes the lock of the month at `monthPath` for the register editor. When
// another program holds it, offers to take over another computer's lock left
// for a day or more, and otherwise to open the month read-only. Nothing when
// the user cancels.
std::optional<MonthAccess> claimMonth(Platform &platform, QWidget *parent, const QString &monthPath);

// When the month has entries of a run that ended without closing, asks whether
// to restore them, naming the month (`monthTitle`, such as "1年2組 令和8年4月"):
// yes loads them into `month`, no keeps them aside. True when `month` holds
// the restored entries.
bool offerRecovery(Platform &platform, QWidget *parent, const QString &monthPath, const QString &monthTitle,
                   RegisterMonth &month);
