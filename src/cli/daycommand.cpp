#include "commands.h"
#include "jsonwriter.h"
#include "printtarget.h"

#include "school/closurethreshold.h"
#include "school/schoolday.h"
#include "school/schooldaycsv.h"
#include "school/schooldayprint.h"
#include "school/schooldaytext.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString DayUsage =
    u"使い方: veltra-cli day --work-folder DIR [--date YYYY-MM-DD] [--csv OUT.csv] [--pdf OUT.pdf]\n"
    u"  学校全体のその日の出欠（日付を省くと今日）\n"_s;

struct DayRequest
{
    QString workFolder;
    QDate date = QDate::currentDate();
    QString csv;
    QString pdf;
};

bool parseArguments(const QStringList &arguments, DayRequest &request)
{
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const QString &option = arguments[i];
        const QString &value = arguments[i + 1];
        if (option == u"--work-folder"_s)
            request.workFolder = value;
        else if (option == u"--date"_s)
            request.date = QDate::fromString(value, u"yyyy-MM-dd"_s);
        else if (option == u"--csv"_s)
            request.csv = value;
        else if (option == u"--pdf"_s)
            request.pdf = value;
        else
            return false;
    }
    return arguments.size() % 2 == 0 && !request.workFolder.isEmpty() && request.date.isValid();
}

QString statusName(ClassDayStatus status)
{
    switch (status) {
    case ClassDayStatus::Read:
        return u"read"_s;
    case ClassDayStatus::Missing:
        return u"missing"_s;
    case ClassDayStatus::Unreadable:
        return u"unreadable"_s;
    case ClassDayStatus::DayOff:
        break;
    }
    return u"dayOff"_s;
}

void writeReason(JsonWriter &json, const std::optional<MarkReason> &reason)
{
    if (!reason) {
        json.null();
        return;
    }
    json.beginObject();
    json.key(u"categories"_s).texts(reason->Categories);
    json.key(u"text"_s).value(reason->Text);
    json.endObject();
}

void writePupils(JsonWriter &json, const ClassDay &day)
{
    json.key(u"pupils"_s).beginArray();
    for (const DayPupil &pupil : day.pupils) {
        json.beginObject();
        json.key(u"no"_s).value(pupil.number);
        json.key(u"name"_s).value(pupil.name);
        json.key(u"sex"_s).value(pupil.sex);
        json.key(u"grade"_s).value(pupil.grade);
        json.key(u"mark"_s).value(pupil.mark);
        json.key(u"reason"_s);
        writeReason(json, pupil.reason);
        json.endObject();
    }
    json.endArray();
    json.key(u"byCategory"_s).beginArray();
    for (const CategoryCount &count : day.byCategory) {
        json.beginObject();
        json.key(u"mark"_s).value(count.mark);
        json.key(u"category"_s).value(count.category);
        json.key(u"pupils"_s).value(count.pupils);
        json.endObject();
    }
    json.endArray();
}

void writeClass(JsonWriter &json, const SchoolDay &school, const ClassDay &day)
{
    json.beginObject();
    json.key(u"title"_s).value(day.classEntry.Title);
    json.key(u"status"_s).value(statusName(day.status));
    json.key(u"savedAt"_s);
    if (day.savedAt)
        json.value(day.savedAt->toString(u"yyyy-MM-ddTHH:mm:ss"_s));
    else
        json.null();
    if (day.isRead()) {
        const DayCounts &c = day.counts;
        const QList<std::pair<QString, int>> figures{{u"enrolled"_s, c.enrolled()},   {u"present"_s, c.present},
                                                     {u"absent"_s, c.absent()},       {u"sick"_s, c.sick},
                                                     {u"other"_s, c.other},           {u"suspended"_s, c.suspended},
                                                     {u"infectious"_s, c.infectious}, {u"mourning"_s, c.mourning},
                                                     {u"special"_s, c.special},       {u"late"_s, c.late},
                                                     {u"leftEarly"_s, c.leftEarly}};
        for (const auto &[name, figure] : figures)
            json.key(name).value(figure);
        json.key(u"closureRate"_s).value(SchoolDayText::closureRate(day));
        json.key(u"overThreshold"_s).boolean(school.overThreshold(day));
        writePupils(json, day);
    }
    json.endObject();
}

// enrolled, present, absent and suspended (テ + ホ), the figures of the sums.
void writeSums(JsonWriter &json, const DayCounts &counts)
{
    json.key(u"enrolled"_s).value(counts.enrolled());
    json.key(u"present"_s).value(counts.present);
    json.key(u"absent"_s).value(counts.absent());
    json.key(u"suspended"_s).value(counts.suspendedAll());
}

QByteArray schoolDayJson(const SchoolDay &school)
{
    JsonWriter json;
    json.beginObject();
    json.key(u"date"_s).value(school.date.toString(Qt::ISODate));
    json.key(u"schoolYear"_s).value(school.schoolYear());
    json.key(u"threshold"_s).tenths(school.thresholdTenths);
    json.key(u"classes"_s).beginArray();
    for (const ClassDay &day : school.classes)
        writeClass(json, school, day);
    json.endArray();
    json.key(u"grades"_s).beginArray();
    for (const auto &[grade, counts] : school.grades()) {
        json.beginObject();
        json.key(u"grade"_s).value(grade);
        writeSums(json, counts);
        json.endObject();
    }
    json.endArray();
    json.key(u"school"_s).beginObject();
    writeSums(json, school.school());
    json.key(u"classesOverThreshold"_s).value(school.classesOverThreshold());
    json.endObject();
    json.endObject();
    return json.document();
}

} // namespace

ExitStatus runDay(const QStringList &arguments, CommandOutput &output)
{
    DayRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, DayUsage);
    ProgramSettings settings;
    ClassList classes;
    if (const auto failed = loadWorkFolder(request.workFolder, settings, classes, output))
        return *failed;

    int threshold = ClosureThreshold::DefaultTenths;
    if (const LoadResult loaded = ClosureThreshold::load(settings.WorkFolder, threshold); !loaded.ok())
        output.err += ClosureThreshold::unreadableNote(loaded) + u'\n';
    const SchoolDay school = readSchoolDay(settings, classes, request.date, threshold);
    for (const QString &note : school.notes)
        output.err += note + u'\n';
    for (const ClassDay &day : school.classes) {
        if (day.status == ClassDayStatus::Unreadable)
            output.err += day.detail + u": 出席簿を読み込めません\n"_s;
    }
    output.out += schoolDayJson(school);

    if (!request.csv.isEmpty()) {
        if (const SaveResult saved = SchoolDayCsv::save(request.csv, school); !saved.ok)
            return saveError(output, saved);
    }
    if (request.pdf.isEmpty())
        return ExitStatus::Success;
    const PrintTarget target{PrintTarget::Kind::Pdf, request.pdf, {}};
    return printTo(
        target, SchoolDayText::WindowTitle + u' ' + SchoolDayText::dayTitle(school.date),
        [&](PageSurface &surface) { return PrintSchoolDay(surface, school, settings.SchoolName); }, output);
}
