#include "reasonfile.h"

#include "fileerror.h"
#include "loadfile.h"
#include "markreasons.h"
#include "storedtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ReasonFile {

namespace {

constexpr int LineItems = 6;

struct ReasonLine
{
    qint64 day = 0;
    qint64 number = 0;
    QString name;
    MarkReason reason;
};

bool readLine(RecordReader &reader, ReasonLine &line)
{
    QString categories;
    if (!reader.nextLine(LineItems) || !reader.number(0, 1, DaySlots, line.day)
        || !reader.number(1, 1, PupilSlots, line.number) || !reader.text(2, line.name)
        || !reader.text(3, line.reason.Mark) || !reader.text(4, categories) || !reader.text(5, line.reason.Text))
        return false;
    line.reason.Day = qint16(line.day - 1);
    line.reason.Mark = line.reason.Mark.trimmed();
    line.reason.Categories = categories.split(u'|', Qt::SkipEmptyParts);
    return true;
}

// The row a line belongs to: its own when the name matches, otherwise the one
// row of that name; −1 when there is none or more than one.
int rowOf(const RegisterMonth &month, const ReasonLine &line)
{
    const int count = std::clamp<int>(month.PupilCount, 0, PupilSlots);
    const auto named = [&](int row) { return StoredText::asStored(month.Pupils[row].Name) == line.name; };
    if (line.number <= count && named(int(line.number - 1)))
        return int(line.number - 1);
    int found = -1;
    for (int row = 0; row < count; ++row) {
        if (named(row)) {
            if (found >= 0)
                return -1;
            found = row;
        }
    }
    return found;
}

QString lineTitle(const ReasonLine &line)
{
    return u"%1日 %2番 %3"_s.arg(line.day).arg(line.number).arg(line.name);
}

} // namespace

QString pathFor(const QString &monthPath)
{
    const QFileInfo month(monthPath);
    return month.dir().filePath(month.completeBaseName() + u".RSN"_s);
}

QByteArray toBytes(const RegisterMonth &month, QString *error)
{
    RecordWriter writer;
    const int count = std::clamp<int>(month.PupilCount, 0, PupilSlots);
    for (int day = 0; day < DaySlots; ++day) {
        for (int row = 0; row < count; ++row) {
            const PupilRecord &pupil = month.Pupils[row];
            if (const MarkReason *reason = MarkReasons::find(pupil, day)) {
                writer.number(day + 1).number(row + 1).text(pupil.Name).text(reason->Mark);
                writer.text(reason->Categories.join(u'|')).text(reason->Text).endLine();
            }
        }
    }
    return writer.result(error);
}

LoadResult attach(const QByteArray &bytes, RegisterMonth &month, const ReasonCategories &categories, QStringList &notes)
{
    RecordReader reader(bytes);
    LoadResult result;
    while (!reader.atEnd()) {
        ReasonLine line;
        if (!readLine(reader, line)) {
            if (result.ok())
                result = unreadableAt(reader);
            notes.append(u"%1行目を読めません（%2）"_s.arg(reader.lineNumber()).arg(reader.error()));
            continue;
        }
        const int row = rowOf(month, line);
        if (row < 0) {
            notes.append(lineTitle(line) + u"：この児童がいないため、欠席理由を読み込みませんでした"_s);
            continue;
        }
        PupilRecord &pupil = month.Pupils[row];
        if (!MarkReasons::fitsMark(line.reason, pupil.Marks[line.reason.Day], categories)) {
            notes.append(lineTitle(line) + u"：その日の記号に合わないため、欠席理由を読み込みませんでした"_s);
            continue;
        }
        MarkReasons::set(pupil, line.reason);
    }
    return result;
}

LoadResult load(const QString &path, RegisterMonth &month, const ReasonCategories &categories, QStringList &notes)
{
    const LoadResult loaded =
        loadDataFile(path, [&](const QByteArray &bytes) { return attach(bytes, month, categories, notes); });
    return loaded.missing() ? LoadResult{} : loaded;
}

SaveResult save(const QString &monthPath, const RegisterMonth &month)
{
    const QString path = pathFor(monthPath);
    if (MarkReasons::anyIn(month))
        return saveDataFile(path, [&](QString *error) { return toBytes(month, error); });
    QFile file(path);
    if (!file.exists() || file.remove())
        return {};
    return {false, path, fileFailureText(probeFileFailure(QFileDevice::RemoveError, path))};
}

} // namespace ReasonFile
