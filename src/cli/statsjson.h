#pragma once

#include "data/records.h"

#include <QByteArray>

// The month's statistics as JSON: counted and school days, every pupil's eleven
// counters, the per-day counts, the month's totals and rate, the enrolment at
// the start and end and the changes, in that order.
QByteArray statisticsJson(const RegisterMonth &month, int gregorianYear, int monthNumber);
