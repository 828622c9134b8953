#include "holidayrequest.h"

#include "calendar/holidaylist.h"
#include "data/cp932.h"
#include "data/storedtext.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The number a text starts with, as the classic Val reads it; 0 when there is none.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(u"^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)"_s);
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured().toDouble() : 0.0;
}

QString typedText(const QString &text)
{
    return Cp932::normalizeText(text).trimmed();
}

} // namespace

std::optional<int> readTypedDay(const QString &text, int lastDayOfMonth)
{
    const QString typed = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (leadingNumber(typed) == 0.0)
        return 0;
    bool isNumber = false;
    const double value = typed.toDouble(&isNumber);
    if (!isNumber || value != std::floor(value) || value < 1 || value > lastDayOfMonth)
        return std::nullopt;
    return int(value);
}

HolidayRequestResult addHolidays(RegisterMonth &month, const HolidayRequest &request, int lastDayOfMonth)
{
    const std::optional<int> firstDay = readTypedDay(request.firstDay, lastDayOfMonth);
    const QString reason = typedText(request.reason);
    const QString printText = typedText(request.printText);
    if (firstDay == 0)
        return {HolidayRequestStatus::MissingDay};
    if (reason.isEmpty())
        return {HolidayRequestStatus::MissingReason};
    if (printText.isEmpty())
        return {HolidayRequestStatus::MissingPrintText};

    const std::optional<int> lastDay = readTypedDay(request.lastDay, lastDayOfMonth);
    if (!firstDay || !lastDay || (*lastDay != 0 && *lastDay < *firstDay))
        return {HolidayRequestStatus::InvalidDays};
    for (const QString &text : {reason, printText}) {
        if (const std::optional<char32_t> refused = StoredText::firstRefused(text))
            return {HolidayRequestStatus::RefusedText, *refused};
    }

    const int last = *lastDay == 0 ? *firstDay : *lastDay;
    if (!holidaysFit(month, *firstDay, last))
        return {HolidayRequestStatus::ListFull};
    setHolidays(month, *firstDay, last, reason, printText);
    return {HolidayRequestStatus::Added};
}
