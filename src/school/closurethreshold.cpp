#include "closurethreshold.h"

#include "daycounts.h"

#include "data/loadfile.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace ClosureThreshold {

QString filePath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"CLOSURE.CSD"_s);
}

std::optional<int> parse(const QString &text)
{
    static const QRegularExpression Percent(u"^(\\d{1,3})(?:\\.(\\d))?$"_s);
    const QRegularExpressionMatch match = Percent.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int tenths = match.captured(1).toInt() * 10 + match.captured(2).toInt();
    if (tenths < MinimumTenths || tenths > MaximumTenths)
        return std::nullopt;
    return tenths;
}

QByteArray toBytes(int tenths)
{
    RecordWriter writer;
    writer.word(tenthsText(tenths)).endLine();
    return writer.result(nullptr);
}

LoadResult fromBytes(const QByteArray &bytes, int &tenths)
{
    tenths = DefaultTenths;
    RecordReader reader(bytes);
    QString text;
    if (!reader.nextLine(1) || !reader.text(0, text))
        return unreadableAt(reader);
    const std::optional<int> parsed = parse(text);
    if (!parsed)
        return unreadableAt(reader, u"0.1 から 100.0 までの数ではありません"_s);
    tenths = *parsed;
    return {};
}

LoadResult load(const QString &workFolder, int &tenths)
{
    tenths = DefaultTenths;
    const LoadResult loaded =
        loadDataFile(filePath(workFolder), [&](const QByteArray &bytes) { return fromBytes(bytes, tenths); });
    return loaded.missing() ? LoadResult{} : loaded;
}

QString unreadableNote(const LoadResult &loaded)
{
    return u"%1: 読めないため、学級閉鎖の目安を %2% とします"_s.arg(loaded.describe(), tenthsText(DefaultTenths));
}

SaveResult save(const QString &workFolder, int tenths)
{
    return writeFileAtomically(filePath(workFolder), toBytes(tenths));
}

} // namespace ClosureThreshold
