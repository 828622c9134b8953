#include "commands.h"
#include "statsjson.h"

#include "data/monthfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString StatsUsage = u"使い方: veltra-cli stats FILE.ROD [--year Y --month M]\n"
                           u"  Y と M を省くとファイル名 <Y>_<M>.ROD から取ります\n"_s;

constexpr int LatestYear = 9999;

struct StatsRequest
{
    QString path;
    std::optional<int> year;
    std::optional<int> month;
};

// FILE and the two options in any order; false on anything else.
bool parseArguments(const QStringList &arguments, StatsRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--year"_s || argument == u"--month"_s) {
            if (++i == arguments.size())
                return false;
            const bool isYear = argument == u"--year"_s;
            auto &target = isYear ? request.year : request.month;
            target = isYear ? parseNumber(arguments[i], 1989, LatestYear) : parseNumber(arguments[i], 1, 12);
            if (!target)
                return false;
        } else if (request.path.isEmpty() && !argument.startsWith(u"--"_s)) {
            request.path = argument;
        } else {
            return false;
        }
    }
    return !request.path.isEmpty() && request.year.has_value() == request.month.has_value();
}

// "2004_5.ROD" gives 2004 and 5.
bool yearAndMonthFromFileName(StatsRequest &request)
{
    const auto yearAndMonth = MonthFile::yearAndMonthOf(QFileInfo(request.path).fileName());
    if (!yearAndMonth || yearAndMonth->first < 1989)
        return false;
    request.year = yearAndMonth->first;
    request.month = yearAndMonth->second;
    return true;
}

} // namespace

ExitStatus runStats(const QStringList &arguments, CommandOutput &output)
{
    StatsRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, StatsUsage);
    if (!request.year && !yearAndMonthFromFileName(request))
        return usageError(output, u"%1: ファイル名から年と月がわかりません\n"_s.arg(request.path) + StatsUsage);

    RegisterMonth month;
    const LoadResult loaded = MonthFile::load(request.path, month);
    if (!loaded.ok())
        return loadError(output, loaded);
    output.out += statisticsJson(month, *request.year, *request.month);
    return ExitStatus::Success;
}
