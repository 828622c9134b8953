#include "statsjson.h"

#include "calendar/era.h"
#include "jsonwriter.h"
#include "register/figureformat.h"
#include "register/monthstatistics.h"

using namespace Qt::StringLiterals;

namespace {

void writePupils(JsonWriter &json, const RegisterMonth &month, const MonthStatistics &stats)
{
    json.beginArray();
    for (int i = 0; i < month.PupilCount && i < PupilSlots; ++i) {
        const PupilRecord &pupil = month.Pupils[i];
        json.beginObject();
        json.key(u"no"_s).value(i + 1);
        json.key(u"name"_s).value(pupil.Name);
        json.key(u"sex"_s).value(pupil.Sex);
        json.key(u"grade"_s).value(pupil.Grade);
        json.key(u"stat"_s).numbers(stats.PupilStat[i]);
        json.endObject();
    }
    json.endArray();
}

void writeEnrolment(JsonWriter &json, qint16 boys, qint16 girls)
{
    json.beginObject().key(u"boys"_s).value(boys).key(u"girls"_s).value(girls).endObject();
}

} // namespace

QByteArray statisticsJson(const RegisterMonth &month, int gregorianYear, int monthNumber)
{
    MonthStatistics stats;
    computeMonthStatistics(month, JapaneseEra::heiseiFromGregorian(gregorianYear), monthNumber, stats);

    JsonWriter json;
    json.beginObject();
    json.key(u"year"_s).value(gregorianYear);
    json.key(u"month"_s).value(monthNumber);
    json.key(u"countedDays"_s).value(stats.CountedDays);
    json.key(u"schoolDays"_s).value(stats.SchoolDays);
    json.key(u"pupils"_s);
    writePupils(json, month, stats);
    json.key(u"dayPresent"_s).numbers(stats.DayPresent);
    json.key(u"dayAbsent"_s).numbers(stats.DayAbsent);
    json.key(u"present"_s).value(stats.totalPresent());
    json.key(u"absent"_s).value(stats.totalAbsent());
    json.key(u"rate"_s);
    if (const auto rate = attendanceRateTenths(stats))
        json.value(FigureFormat::tenths(*rate));
    else
        json.null();
    json.key(u"start"_s);
    writeEnrolment(json, stats.StartBoys, stats.StartGirls);
    json.key(u"end"_s);
    writeEnrolment(json, stats.EndBoys, stats.EndGirls);
    json.key(u"changes"_s).numbers(stats.Changes);
    json.endObject();
    return json.document();
}
