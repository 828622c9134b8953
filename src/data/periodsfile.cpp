#include "periodsfile.h"

#include "loadfile.h"
#include "recordio.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace PeriodsFile {

namespace {

bool readDay(RecordReader &reader, int index, MonthDay &day)
{
    qint64 month = 0;
    qint64 dayOfMonth = 0;
    if (!reader.number(index, 1, 12, month) || !reader.number(index + 1, 1, 31, dayOfMonth))
        return false;
    day = {int(month), int(dayOfMonth)};
    return true;
}

// The scheme's own periods: three terms are always the same, two terms
// follow from the day 前期 ends.
bool matchesScheme(const SchoolPeriods &read)
{
    switch (read.scheme) {
    case SchoolPeriods::Scheme::ThreeTerms:
        return read == SchoolPeriods::threeTerms();
    case SchoolPeriods::Scheme::TwoTerms:
        return read == SchoolPeriods::twoTerms(read.periods.first().last);
    case SchoolPeriods::Scheme::OwnPeriods:
        break;
    }
    return true;
}

} // namespace

QString filePath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"PERIODS.CSD"_s);
}

LoadResult fromBytes(const QByteArray &bytes, SchoolPeriods &periods)
{
    periods = SchoolPeriods::threeTerms();
    RecordReader reader(bytes);
    qint64 scheme = 0;
    qint64 count = 0;
    if (!reader.nextLine(HeaderItems) || !reader.number(0, 0, 2, scheme)
        || !reader.number(1, 1, SchoolPeriodRules::MaximumPeriods, count))
        return unreadableAt(reader);
    SchoolPeriods read{SchoolPeriods::Scheme(scheme), {}};
    for (int i = 0; i < count; ++i) {
        SchoolPeriod &period = read.periods.emplace_back();
        if (!reader.nextLine(PeriodItems) || !reader.text(0, period.name) || !readDay(reader, 1, period.first)
            || !readDay(reader, 3, period.last))
            return unreadableAt(reader);
    }
    if (const auto refused = SchoolPeriodRules::refusal(read))
        return unreadableAt(reader, *refused);
    if (!matchesScheme(read))
        return unreadableAt(reader, u"期間が学期制の決まりと合いません"_s);
    periods = read;
    return {};
}

QByteArray toBytes(const SchoolPeriods &periods, QString *error)
{
    RecordWriter writer;
    writer.number(int(periods.scheme)).number(periods.periods.size()).endLine();
    for (const SchoolPeriod &period : periods.periods) {
        writer.text(period.name.trimmed()).number(period.first.month).number(period.first.day);
        writer.number(period.last.month).number(period.last.day).endLine();
    }
    return writer.result(error);
}

LoadResult load(const QString &workFolder, SchoolPeriods &periods)
{
    periods = SchoolPeriods::threeTerms();
    return loadDataFile(filePath(workFolder), [&](const QByteArray &bytes) { return fromBytes(bytes, periods); });
}

SaveResult save(const QString &workFolder, const SchoolPeriods &periods)
{
    if (const auto refused = SchoolPeriodRules::refusal(periods))
        return {false, filePath(workFolder), *refused, false};
    return saveDataFile(filePath(workFolder), [&](QString *error) { return toBytes(periods, error); });
}

} // namespace PeriodsFile
