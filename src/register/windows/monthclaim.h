#pragma once

#include "register/monthlock.h"

#include <optional>

class QString;
class QWidget;
class ReasonCategories;
struct Platform;
struct RegisterMonth;
struct Session;

// Takes the lock of the month at `monthPath` for the register editor. When
// another program holds it, offers to take over another computer's lock left
// for a day or more, and otherwise to open the month read-only. Nothing when
// the user cancels.
std::optional<MonthAccess> claimMonth(Platform &platform, QWidget *parent, const QString &monthPath);

// When the month has entries of a run that ended without closing, asks whether
// to restore them, naming the month (`monthTitle`, such as "1年2組 令和8年4月"):
// yes loads them with their reasons into `month`, no keeps them aside. True
// when `month` holds the restored entries.
bool offerRecovery(Platform &platform, QWidget *parent, const QString &monthPath, const QString &monthTitle,
                   const ReasonCategories &categories, RegisterMonth &month);

// The school's reason categories from the work folder into the session; the
// surveillance lists alone, with a warning, when they cannot be read.
void loadReasonCategories(Platform &platform, QWidget *parent, Session &session);

// Gives a month just read from `monthPath` the reasons kept beside it, and
// tells the user about any that could not be read.
void attachMonthReasons(Platform &platform, QWidget *parent, const QString &monthPath,
                        const ReasonCategories &categories, RegisterMonth &month);
