#include "commands.h"
#include "jsonwriter.h"

#include "roster/newschoolyear.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString NewYearUsage = u"使い方: veltra-cli new-year --work-folder DIR --school-year Y [--write]\n"
                             u"  Y 年度の児童を Y+1 年度の4月の出席簿に進級させます\n"
                             u"  --write がなければ計画を JSON で出力するだけで、ファイルは変えません\n"_s;

struct NewYearRequest
{
    QString workFolder;
    std::optional<int> schoolYear;
    bool write = false;
};

bool parseArguments(const QStringList &arguments, NewYearRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        const bool takesValue = option == u"--work-folder"_s || option == u"--school-year"_s;
        if (takesValue && ++i == arguments.size())
            return false;
        if (option == u"--work-folder"_s)
            request.workFolder = arguments[i];
        else if (option == u"--school-year"_s)
            request.schoolYear = parseNumber(arguments[i], 1989, 9998);
        else if (option == u"--write"_s)
            request.write = true;
        else
            return false;
    }
    return !request.workFolder.isEmpty() && request.schoolYear;
}

QByteArray planJson(const NewYearPlan &plan)
{
    JsonWriter json;
    json.beginObject();
    json.key(u"from"_s).value(plan.schoolYear);
    json.key(u"to"_s).value(plan.schoolYear + 1);
    json.key(u"moves"_s).beginArray();
    for (const NewYearMove &item : plan.moves) {
        json.beginObject().key(u"from"_s).value(item.from).key(u"to"_s).value(item.to);
        json.key(u"pupils"_s).beginArray();
        for (const PupilRecord &pupil : item.pupils)
            json.value(pupil.Name);
        json.endArray().endObject();
    }
    json.endArray().key(u"graduates"_s).beginArray();
    for (const NewYearGraduates &item : plan.graduates)
        json.beginObject().key(u"class"_s).value(item.classTitle).key(u"pupils"_s).value(item.pupils).endObject();
    json.endArray().key(u"notPlaced"_s).beginArray();
    for (const NewYearNotPlaced &item : plan.notPlaced) {
        json.beginObject().key(u"class"_s).value(item.classTitle).key(u"name"_s).value(item.name);
        json.key(u"grade"_s).value(item.grade).endObject();
    }
    json.endArray().key(u"skipped"_s).beginArray();
    for (const NewYearSkipped &item : plan.skipped)
        json.beginObject().key(u"class"_s).value(item.classTitle).key(u"reason"_s).value(item.reason).endObject();
    json.endArray().endObject();
    return json.document();
}

} // namespace

ExitStatus runNewYear(const QStringList &arguments, CommandOutput &output)
{
    NewYearRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, NewYearUsage);
    ProgramSettings settings;
    ClassList classes;
    if (const auto failed = loadWorkFolder(request.workFolder, settings, classes, output))
        return *failed;

    const int schoolYear = *request.schoolYear;
    const NewYearPlan plan = planNewSchoolYear(classes, readClassYearEnds(settings, classes, schoolYear), schoolYear);
    output.out += planJson(plan);
    if (!request.write)
        return ExitStatus::Success;
    const NewYearWriteResult written = writeNewSchoolYear(settings, plan);
    if (written.ok())
        return ExitStatus::Success;
    const QString failedPath = newYearAprilPath(settings, schoolYear, written.notWritten.first());
    output.err += u"%1: 保存できません: %2\n"_s.arg(QDir::toNativeSeparators(failedPath), written.failure);
    output.err += u"書き込んでいないクラス: %1\n"_s.arg(written.notWritten.join(u"、"_s));
    return ExitStatus::OutputError;
}
