#include "commands.h"
#include "jsonwriter.h"
#include "monthjson.h"

#include "calendar/nationalholidays.h"

using namespace Qt::StringLiterals;

namespace {

const QString HolidaysUsage = u"使い方: veltra-cli holidays Y M   (Y は西暦年、M は 1 から 12)\n"_s;

QByteArray holidaysJson(int year, int month)
{
    JsonWriter json;
    json.beginObject();
    json.key(u"year"_s).value(year);
    json.key(u"month"_s).value(month);
    json.key(u"holidays"_s).beginArray();
    for (const HolidayEntry &entry : nationalHolidays(year, month))
        MonthJson::writeHoliday(json, entry);
    json.endArray();
    json.endObject();
    return json.document();
}

} // namespace

ExitStatus runHolidays(const QStringList &arguments, CommandOutput &output)
{
    const auto year = parseNumber(arguments.value(0), 1, 9999);
    const auto month = parseNumber(arguments.value(1), 1, 12);
    if (arguments.size() != 2 || !year || !month)
        return usageError(output, HolidaysUsage);
    output.out += holidaysJson(*year, *month);
    return ExitStatus::Success;
}
