#include "commands.h"
#include "monthjson.h"

#include "data/loadfile.h"
#include "data/monthfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString ConvertUsage = u"使い方: veltra-cli convert IN OUT\n"
                             u"  IN.ROD から OUT.json へ、または IN.json から OUT.ROD へ変換します\n"_s;

enum class MonthFormat { Unknown, RegisterFile, Json };

MonthFormat formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(u"ROD"_s, Qt::CaseInsensitive) == 0)
        return MonthFormat::RegisterFile;
    if (suffix.compare(u"json"_s, Qt::CaseInsensitive) == 0)
        return MonthFormat::Json;
    return MonthFormat::Unknown;
}

LoadResult loadMonth(const QString &path, MonthFormat format, RegisterMonth &month, bool &refusedText)
{
    if (format == MonthFormat::RegisterFile)
        return MonthFile::load(path, month);
    return loadDataFile(path, [&](const QByteArray &bytes) { return MonthJson::fromJson(bytes, month, &refusedText); });
}

SaveResult saveMonth(const QString &path, MonthFormat format, const RegisterMonth &month)
{
    if (format == MonthFormat::RegisterFile)
        return MonthFile::save(path, month);
    return writeFileAtomically(path, MonthJson::toJson(month), WriteTarget::UserOutput);
}

} // namespace

ExitStatus runConvert(const QStringList &arguments, CommandOutput &output)
{
    if (arguments.size() != 2)
        return usageError(output, ConvertUsage);
    const QString &input = arguments[0];
    const QString &target = arguments[1];
    const MonthFormat inputFormat = formatOf(input);
    const MonthFormat targetFormat = formatOf(target);
    if (inputFormat == MonthFormat::Unknown || targetFormat == MonthFormat::Unknown || inputFormat == targetFormat)
        return usageError(output, ConvertUsage);

    RegisterMonth month;
    bool refusedText = false;
    const LoadResult loaded = loadMonth(input, inputFormat, month, refusedText);
    if (!loaded.ok()) {
        const ExitStatus status = loadError(output, loaded);
        return refusedText ? ExitStatus::OutputError : status; // the data were read, and refused
    }
    // A register file may be the month a teacher has open: write it only under its lock.
    MonthLock lock(target);
    if (targetFormat == MonthFormat::RegisterFile) {
        if (const ExitStatus status = lockMonthForWriting(lock, target, output); status != ExitStatus::Success)
            return status;
    }
    const SaveResult saved = saveMonth(target, targetFormat, month);
    if (!saved.ok)
        return saveError(output, saved);
    return ExitStatus::Success;
}
