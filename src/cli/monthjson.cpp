#include "monthjson.h"

#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

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
    json.key(u"marks"_s).beginArray();
    for (const QString &mark : pupil.Marks)
        json.value(mark);
    json.endArray();
    json.endObject();
}

// Reads items of the parsed document into the records. A missing key keeps
// the record's empty default; a wrong type, a number outside 16 bits, an
// unknown key or a table too long is refused, naming the item
// ("pupils[2].marks[4]").
class ItemReader
{
public:
    bool integer(const QJsonValue &value, const QString &name, qint16 &out)
    {
        if (value.isUndefined())
            return true;
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::trunc(number) || number < std::numeric_limits<qint16>::min()
            || number > std::numeric_limits<qint16>::max())
            return fail(name, u"-32768 から 32767 までの整数ではありません"_s);
        out = qint16(number);
        return true;
    }

    bool text(const QJsonValue &value, const QString &name, QString &out)
    {
        if (value.isUndefined())
            return true;
        if (!value.isString())
            return fail(name, u"文字列ではありません"_s);
        out = value.toString();
        return true;
    }

    bool array(const QJsonValue &value, const QString &name, qsizetype maximum, QJsonArray &out)
    {
        if (value.isUndefined())
            return true;
        if (!value.isArray())
            return fail(name, u"配列ではありません"_s);
        out = value.toArray();
        if (out.size() > maximum)
            return fail(name, u"要素が %1 個を超えています"_s.arg(maximum));
        return true;
    }

    bool object(const QJsonValue &value, const QString &name, std::initializer_list<QString> keys, QJsonObject &out)
    {
        if (!value.isObject())
            return fail(name, u"オブジェクトではありません"_s);
        out = value.toObject();
        for (auto it = out.constBegin(); it != out.constEnd(); ++it) {
            if (std::find(keys.begin(), keys.end(), it.key()) == keys.end())
                return fail(member(name, it.key()), u"未知の項目です"_s);
        }
        return true;
    }

    static QString member(const QString &name, const QString &key) { return name.isEmpty() ? key : name + u'.' + key; }
    static QString element(const QString &name, qsizetype index) { return u"%1[%2]"_s.arg(name).arg(index); }

    QString error;

private:
    bool fail(const QString &name, const QString &problem)
    {
        error = (name.isEmpty() ? u"(JSON)"_s : name) + u": "_s + problem;
        return false;
    }
};

bool readHoliday(ItemReader &reader, const QJsonValue &value, const QString &name, HolidayEntry &entry)
{
    QJsonObject object;
    return reader.object(value, name, {u"day"_s, u"reason"_s, u"printText"_s}, object)
           && reader.integer(object.value(u"day"_s), ItemReader::member(name, u"day"_s), entry.Day)
           && reader.text(object.value(u"reason"_s), ItemReader::member(name, u"reason"_s), entry.Reason)
           && reader.text(object.value(u"printText"_s), ItemReader::member(name, u"printText"_s), entry.PrintText);
}

bool readMarks(ItemReader &reader, const QJsonValue &value, const QString &name, PupilRecord &pupil)
{
    QJsonArray marks;
    if (!reader.array(value, name, DaySlots, marks))
        return false;
    for (qsizetype d = 0; d < marks.size(); ++d) {
        if (!reader.text(marks.at(d), ItemReader::element(name, d), pupil.Marks[d]))
            return false;
    }
    return true;
}

bool readPupil(ItemReader &reader, const QJsonValue &value, const QString &name, PupilRecord &pupil)
{
    QJsonObject object;
    const auto item = [&](const QString &key) { return ItemReader::member(name, key); };
    return reader.object(value, name,
                         {u"name"_s, u"sex"_s, u"rosterNo"_s, u"grade"_s, u"inDay"_s, u"inKind"_s, u"outDay"_s,
                          u"outKind"_s, u"marks"_s},
                         object)
           && reader.text(object.value(u"name"_s), item(u"name"_s), pupil.Name)
           && reader.text(object.value(u"sex"_s), item(u"sex"_s), pupil.Sex)
           && reader.integer(object.value(u"rosterNo"_s), item(u"rosterNo"_s), pupil.RosterNo)
           && reader.integer(object.value(u"grade"_s), item(u"grade"_s), pupil.Grade)
           && reader.integer(object.value(u"inDay"_s), item(u"inDay"_s), pupil.InDay)
           && reader.text(object.value(u"inKind"_s), item(u"inKind"_s), pupil.InKind)
           && reader.integer(object.value(u"outDay"_s), item(u"outDay"_s), pupil.OutDay)
           && reader.text(object.value(u"outKind"_s), item(u"outKind"_s), pupil.OutKind)
           && readMarks(reader, object.value(u"marks"_s), item(u"marks"_s), pupil);
}

bool readMonth(ItemReader &reader, const QJsonValue &value, RegisterMonth &month)
{
    QJsonObject object;
    QJsonArray holidays;
    QJsonArray pupils;
    if (!(reader.object(value, QString(),
                        {u"monthOffFlag"_s, u"monthOffText"_s, u"teacherName"_s, u"holidays"_s, u"pupils"_s}, object)
          && reader.integer(object.value(u"monthOffFlag"_s), u"monthOffFlag"_s, month.MonthOffFlag)
          && reader.text(object.value(u"monthOffText"_s), u"monthOffText"_s, month.MonthOffText)
          && reader.text(object.value(u"teacherName"_s), u"teacherName"_s, month.TeacherName)
          && reader.array(object.value(u"holidays"_s), u"holidays"_s, HolidaySlots, holidays)
          && reader.array(object.value(u"pupils"_s), u"pupils"_s, PupilSlots, pupils)))
        return false;
    for (qsizetype i = 0; i < holidays.size(); ++i) {
        if (!readHoliday(reader, holidays.at(i), ItemReader::element(u"holidays"_s, i), month.HolidayList[i]))
            return false;
    }
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        if (!readPupil(reader, pupils.at(i), ItemReader::element(u"pupils"_s, i), month.Pupils[i]))
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

LoadResult fromJson(const QByteArray &json, RegisterMonth &month)
{
    month.reset();
    LoadResult result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.line = lineOfOffset(json, parseError.offset);
        result.detail = u"JSON の構文エラー: "_s + parseError.errorString();
    } else {
        ItemReader reader;
        if (readMonth(reader, document.isObject() ? QJsonValue(document.object()) : QJsonValue(), month))
            return result;
        result.detail = reader.error;
        month.reset();
    }
    result.code = -1;
    result.failure = LoadFailure::Unreadable;
    return result;
}

} // namespace MonthJson
