#include "commands.h"
#include "jsonwriter.h"

#include "data/markreasons.h"
#include "data/marktable.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString ReasonsUsage =
    u"使い方: veltra-cli reasons FILE.ROD [--work-folder DIR]\n"
    u"                           [--set D N CATEGORY[,CATEGORY…] [--text T] | --clear D N]\n"
    u"  月の欠席理由を JSON で出力します。--set は D 日の N 番の児童に理由を付け、--clear は消します\n"
    u"  DIR は学校で追加した理由 (REASONS.CSD) のある作業フォルダー (既定は今いるフォルダー)\n"_s;

struct ReasonsRequest
{
    QString monthPath;
    QString workFolder = u"."_s;
    enum class Change { None, Set, Clear } change = Change::None;
    int day = 0;
    int number = 0;
    QStringList categories;
    std::optional<QString> text;
};

// D and N of --set or --clear.
bool parseDayAndNumber(const QStringList &arguments, qsizetype &i, ReasonsRequest &request)
{
    if (i + 2 >= arguments.size())
        return false;
    const auto day = parseNumber(arguments[++i], 1, DaySlots);
    const auto number = parseNumber(arguments[++i], 1, PupilSlots);
    if (!day || !number)
        return false;
    request.day = *day;
    request.number = *number;
    return true;
}

bool parseArguments(const QStringList &arguments, ReasonsRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool changes = argument == u"--set"_s || argument == u"--clear"_s;
        if (changes && (request.change != ReasonsRequest::Change::None || !parseDayAndNumber(arguments, i, request)))
            return false;
        if (argument == u"--set"_s) {
            if (++i == arguments.size())
                return false;
            request.change = ReasonsRequest::Change::Set;
            request.categories = arguments[i].split(u',', Qt::SkipEmptyParts);
        } else if (argument == u"--clear"_s) {
            request.change = ReasonsRequest::Change::Clear;
        } else if ((argument == u"--work-folder"_s || argument == u"--text"_s) && i + 1 < arguments.size()) {
            (argument == u"--text"_s ? request.text.emplace() : request.workFolder) = arguments[++i];
        } else if (request.monthPath.isEmpty() && !argument.startsWith(u"--"_s)) {
            request.monthPath = argument;
        } else {
            return false;
        }
    }
    return !request.monthPath.isEmpty() && (!request.text || request.change == ReasonsRequest::Change::Set);
}

QByteArray reasonsJson(const RegisterMonth &month)
{
    JsonWriter json;
    json.beginArray();
    const int count = std::clamp<int>(month.PupilCount, 0, PupilSlots);
    for (int day = 0; day < DaySlots; ++day) {
        for (int row = 0; row < count; ++row) {
            const MarkReason *reason = MarkReasons::find(month.Pupils[row], day);
            if (!reason)
                continue;
            json.beginObject().key(u"day"_s).value(day + 1).key(u"no"_s).value(row + 1);
            json.key(u"name"_s).value(month.Pupils[row].Name).key(u"mark"_s).value(reason->Mark);
            json.key(u"categories"_s).texts(reason->Categories);
            json.key(u"text"_s).value(reason->Text).endObject();
        }
    }
    return json.endArray().document();
}

// The change asked for; the refusal, empty when it was made.
QString change(const ReasonsRequest &request, const ReasonCategories &categories, RegisterMonth &month)
{
    if (request.number > month.PupilCount)
        return u"%1番の児童はいません"_s.arg(request.number);
    PupilRecord &pupil = month.Pupils[request.number - 1];
    const int day = request.day - 1;
    if (request.change == ReasonsRequest::Change::Clear) {
        MarkReasons::clear(pupil, day);
        return {};
    }
    MarkReason reason{qint16(day), pupil.Marks[day].trimmed(), request.categories, request.text.value_or(QString())};
    if (const QString refusal = MarkReasons::refusal(pupil, reason, categories); !refusal.isEmpty())
        return refusal;
    reason.Text = reason.Text.trimmed();
    MarkReasons::set(pupil, reason);
    return {};
}

} // namespace

ExitStatus runReasons(const QStringList &arguments, CommandOutput &output)
{
    ReasonsRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, ReasonsUsage);

    MonthLock lock(request.monthPath);
    if (request.change != ReasonsRequest::Change::None) {
        if (const ExitStatus locked = lockMonthForWriting(lock, request.monthPath, output);
            locked != ExitStatus::Success)
            return locked;
    }
    ReasonCategories categories;
    if (const LoadResult loaded = ReasonCategoriesFile::load(request.workFolder, categories); !loaded.ok())
        return loadError(output, loaded);
    RegisterMonth month;
    if (const LoadResult loaded = MonthFile::load(request.monthPath, month); !loaded.ok())
        return loadError(output, loaded);
    QStringList notes;
    const LoadResult reasons = ReasonFile::load(ReasonFile::pathFor(request.monthPath), month, categories, notes);
    for (const QString &note : notes)
        output.err += note + u'\n';
    if (!reasons.ok())
        return loadError(output, reasons);

    if (request.change != ReasonsRequest::Change::None) {
        if (const QString refusal = change(request, categories, month); !refusal.isEmpty()) {
            output.err += u"%1: %2\n"_s.arg(QDir::toNativeSeparators(request.monthPath), refusal);
            return ExitStatus::OutputError;
        }
        if (const SaveResult saved = ReasonFile::save(request.monthPath, month); !saved.ok)
            return saveError(output, saved);
    }
    output.out += reasonsJson(month);
    return ExitStatus::Success;
}
