#include "settingsfile.h"

#include "loadfile.h"
#include "recordio.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace SettingsFile {

QString filePath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"ROLL.SEW"_s);
}

LoadResult fromBytes(const QByteArray &bytes, const QString &workFolder, ProgramSettings &settings)
{
    RecordReader reader(bytes);
    ProgramSettings read = settings;
    const bool ok = reader.nextLine(SchoolItems) && reader.number32(0, read.SchoolCode)
                    && reader.text(1, read.SchoolName) && reader.text(3, read.DataFolder)
                    && reader.nextLine(OptionItems) && reader.number16(0, read.CountBySex)
                    && reader.nextLine(SpareItems);
    if (!ok)
        return unreadableAt(reader);
    if (read.DataFolder.isEmpty())
        read.DataFolder = workFolder;
    settings = read;
    return {};
}

QByteArray toBytes(const ProgramSettings &settings, QString *error)
{
    RecordWriter writer;
    writer.number(settings.SchoolCode)
        .text(settings.SchoolName)
        .spares(1)
        .text(settings.DataFolder)
        .spares(SchoolItems - 4);
    writer.endLine();
    writer.number(settings.CountBySex).spares(OptionItems - 1).endLine();
    writer.spares(SpareItems).endLine();
    return writer.result(error);
}

LoadResult load(ProgramSettings &settings)
{
    return loadDataFile(filePath(settings.WorkFolder),
                        [&](const QByteArray &bytes) { return fromBytes(bytes, settings.WorkFolder, settings); });
}

SaveResult save(const ProgramSettings &settings)
{
    return saveDataFile(filePath(settings.WorkFolder), [&](QString *error) { return toBytes(settings, error); });
}

} // namespace SettingsFile
