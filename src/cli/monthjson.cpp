#include "monthjson.h"

#include "jsonitemreader.h"
#include "jsonwriter.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace MonthJson {

namespace {

void writePupil(JsonWriter &json, const PupilRecord &pupil)
{
    json.beginObject();
    json.key(u"name"_s).value(pupil.Name);
    json.key(u"sex"_s).value(pupil.Sex);
    json.key(u"rosterNo"_s).value(pupil.RosterNo);
    json.key(u"grade"_s).value(pupil.Grade);
    json.key(u"inDay"_s).value(pupil.InDay);
    json.key(u"inKind"_s).value(pupil.InKind);
    json.key(u"outDay"_s).value(pupil.OutDay);
    json.key(u"outKind"_s).value(pupil.OutKind);
    json.key(u"marks"_s).texts(pupil.Marks);
    json.endObject();
}

bool readHoliday(JsonItemReader &reader, const QJsonValue &value, const QString &name, HolidayEntry &entry)
{
    QJsonObject object;
    return reader.object(value, name, {u"day"_s, u"reason"_s, u"printText"_s}, object)
           && reader.integer(object, name, u"day"_s, entry.Day) && reader.text(object, name, u"reason"_s, entry.Reason)
           && reader.text(object, name, u"printText"_s, entry.PrintText);
}

bool readMarks(JsonItemReader &reader, const QJsonObject &object, const QString &name, PupilRecord &pupil)
{
    QJsonArray marks;
    if (!reader.array(object, name, u"marks"_s, DaySlots, marks))
        return false;
    for (qsizetype d = 0; d < marks.size(); ++d) {
        const QString mark = JsonItemReader::element(JsonItemReader::member(name, u"marks"_s), d);
        if (!reader.text(marks.at(d), mark, pupil.Marks[d]))
            return false;
    }
    return true;
}

bool readPupil(JsonItemReader &reader, const QJsonValue &value, const QString &name, PupilRecord &pupil)
{
    QJsonObject object;
    return reader.object(value, name,
                         {u"name"_s, u"sex"_s, u"rosterNo"_s, u"grade"_s, u"inDay"_s, u"inKind"_s, u"outDay"_s,
                          u"outKind"_s, u"marks"_s},
                         object)
           && reader.text(object, name, u"name"_s, pupil.Name) && reader.text(object, name, u"sex"_s, pupil.Sex)
           && reader.integer(object, name, u"rosterNo"_s, pupil.RosterNo)
           && reader.integer(object, name, u"grade"_s, pupil.Grade)
           && reader.integer(object, name, u"inDay"_s, pupil.InDay)
           && reader.text(object, name, u"inKind"_s, pupil.InKind)
           && reader.integer(object, name, u"outDay"_s, pupil.OutDay)
           && reader.text(object, name, u"outKind"_s, pupil.OutKind) && readMarks(reader, object, name, pupil);
}

bool readMonth(JsonItemReader &reader, const QJsonValue &value, RegisterMonth &month)
{
    QJsonObject object;
    QJsonArray holidays;
    QJsonArray pupils;
    if (!(reader.object(value, {}, {u"monthOffFlag"_s, u"monthOffText"_s, u"teacherName"_s, u"holidays"_s, u"pupils"_s},
                        object)
          && reader.integer(object, {}, u"monthOffFlag"_s, month.MonthOffFlag)
          && reader.text(object, {}, u"monthOffText"_s, month.MonthOffText)
          && reader.text(object, {}, u"teacherName"_s, month.TeacherName)
          && reader.array(object, {}, u"holidays"_s, HolidaySlots, holidays)
          && reader.array(object, {}, u"pupils"_s, PupilSlots, pupils)))
        return false;
    for (qsizetype i = 0; i < holidays.size(); ++i) {
        if (!readHoliday(reader, holidays.at(i), JsonItemReader::element(u"holidays"_s, i), month.HolidayList[i]))
            return false;
    }
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        if (!readPupil(reader, pupils.at(i), JsonItemReader::element(u"pupils"_s, i), month.Pupils[i]))
            return false;
    }
    month.HolidayCount = qint16(holidays.size());
    month.PupilCount = qint16(pupils.size());
    return true;
}

int lineOfOffset(const QByteArray &bytes, int offset)
{
    return int(bytes.left(offset).count('\n')) + 1;
}

} // namespace

void writeHoliday(JsonWriter &json, const HolidayEntry &entry)
{
    json.beginObject();
    json.key(u"day"_s).value(entry.Day);
    json.key(u"reason"_s).value(entry.Reason);
    json.key(u"printText"_s).value(entry.PrintText);
    json.endObject();
}

QByteArray toJson(const RegisterMonth &month)
{
    JsonWriter json;
    json.beginObject();
    json.key(u"monthOffFlag"_s).value(month.MonthOffFlag);
    json.key(u"monthOffText"_s).value(month.MonthOffText);
    json.key(u"teacherName"_s).value(month.TeacherName);
    json.key(u"holidays"_s).beginArray();
    for (int i = 0; i < month.HolidayCount && i < HolidaySlots; ++i)
        writeHoliday(json, month.HolidayList[i]);
    json.endArray();
    json.key(u"pupils"_s).beginArray();
    for (int i = 0; i < month.PupilCount && i < PupilSlots; ++i)
        writePupil(json, month.Pupils[i]);
    json.endArray();
    json.endObject();
    return json.document();
}

LoadResult fromJson(const QByteArray &json, RegisterMonth &month, bool *refusedText)
{
    month.reset();
    LoadResult result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.line = lineOfOffset(json, parseError.offset);
        result.detail = u"JSON の構文エラー: "_s + parseError.errorString();
    } else {
        JsonItemReader reader;
        if (readMonth(reader, document.isObject() ? QJsonValue(document.object()) : QJsonValue(), month))
            return result;
        result.detail = reader.error();
        if (refusedText)
            *refusedText = reader.refusedText();
        month.reset();
    }
    result.failure = LoadFailure::Unreadable;
    return result;
}

} // namespace MonthJson
