#include "classlistfile.h"

#include "loadfile.h"
#include "recordio.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ClassListFile {

namespace {

bool readClass(RecordReader &reader, ClassEntry &entry)
{
    return reader.nextLine(ClassItems) && reader.number16(0, entry.Kind) && reader.number16(1, entry.Grade)
           && reader.number16(2, entry.Grade2) && reader.text(3, entry.ClassName) && reader.text(4, entry.Category)
           && reader.text(7, entry.Title);
}

} // namespace

QString filePath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"CLASS.CSD"_s);
}

LoadResult fromBytes(const QByteArray &bytes, ClassList &list)
{
    list = ClassList{};
    RecordReader reader(bytes);
    qint16 announced = 0;
    if (!reader.nextLine(HeaderItems) || !reader.number16(0, announced))
        return unreadableAt(reader);
    if (auto failed =
            readSlots(reader, announced, list.Entries, list.ClassCount, readClass, u"クラス数 %1 が多すぎます"_s))
        return *failed;
    return {};
}

QByteArray toBytes(const ClassList &list, QString *error)
{
    RecordWriter writer;
    const int count = std::clamp<int>(list.ClassCount, 0, ClassSlots);
    writer.number(count).spares(3).endLine();
    for (int i = 0; i < count; ++i) {
        const ClassEntry &entry = list.Entries[i];
        writer.number(entry.Kind).number(entry.Grade).number(entry.Grade2).text(entry.ClassName);
        writer.text(entry.Category).spares(2).text(entry.Title).endLine();
    }
    return writer.result(error);
}

LoadResult load(const QString &workFolder, ClassList &list)
{
    list = ClassList{};
    return loadDataFile(filePath(workFolder), [&](const QByteArray &bytes) { return fromBytes(bytes, list); });
}

SaveResult save(const QString &workFolder, const ClassList &list)
{
    return saveDataFile(filePath(workFolder), [&](QString *error) { return toBytes(list, error); });
}

} // namespace ClassListFile
