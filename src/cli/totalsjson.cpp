#include "totalsjson.h"

#include "jsonwriter.h"

using namespace Qt::StringLiterals;

namespace {

QString readingName(MonthReading reading)
{
    switch (reading) {
    case MonthReading::Read:
        return u"read"_s;
    case MonthReading::Missing:
        return u"missing"_s;
    case MonthReading::Unreadable:
        break;
    }
    return u"unreadable"_s;
}

void writePeriod(JsonWriter &json, int schoolYear, const TotalsPeriod &period, int typedTerm)
{
    json.key(u"schoolYear"_s).value(schoolYear);
    json.key(u"term"_s).value(typedTerm);
    json.key(u"period"_s).value(period.name);
    json.key(u"from"_s).value(period.first.toString(Qt::ISODate));
    json.key(u"to"_s).value(period.last.toString(Qt::ISODate));
}

void writeMonthsAndRows(JsonWriter &json, const Totals &totals)
{
    json.key(u"months"_s).beginArray();
    for (const TotalsMonth &month : totals.months) {
        json.beginObject();
        json.key(u"year"_s).value(month.gregorianYear);
        json.key(u"month"_s).value(month.month);
        json.key(u"status"_s).value(readingName(month.reading));
        json.endObject();
    }
    json.endArray();
    json.key(u"rows"_s).beginArray();
    for (qsizetype r = 0; r < totals.rows.size(); ++r) {
        const TotalsRow &row = totals.rows[r];
        json.beginObject();
        json.key(u"no"_s).value(r + 1);
        json.key(u"name"_s).value(row.Name);
        json.key(u"sex"_s).value(row.Sex);
        json.key(u"grade"_s).value(row.Grade);
        json.key(u"schoolDays"_s).value(row.schoolDays());
        json.key(u"stat"_s).numbers(row.Stat);
        json.endObject();
    }
    json.endArray();
    json.key(u"reasons"_s).beginArray();
    for (const ReasonDays &reason : totals.reasons) {
        json.beginObject().key(u"mark"_s).value(reason.mark).key(u"category"_s).value(reason.category);
        json.key(u"days"_s).value(reason.days).endObject();
    }
    json.endArray();
}

} // namespace

QByteArray totalsJson(const Totals &totals, int typedTerm)
{
    JsonWriter json;
    json.beginObject();
    writePeriod(json, totals.schoolYear, totals.period, typedTerm);
    writeMonthsAndRows(json, totals);
    json.endObject();
    return json.document();
}

QByteArray schoolTotalsJson(const QList<ClassTotals> &school, int schoolYear, const TotalsPeriod &period, int typedTerm)
{
    JsonWriter json;
    json.beginObject();
    writePeriod(json, schoolYear, period, typedTerm);
    json.key(u"classes"_s).beginArray();
    for (const ClassTotals &entry : school) {
        json.beginObject().key(u"class"_s).value(entry.classTitle);
        writeMonthsAndRows(json, entry.totals);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.document();
}
