#include "textlistimport.h"

#include "data/cp932.h"
#include "data/fileio.h"
#include "data/storedtext.h"

#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShownRefusals = 5;

std::optional<QString> decodeList(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Cp932::decode(bytes);
}

// The items of one line: separated by commas or tabs; an item in double
// quotes may hold both, and "" inside it stands for one quote. Trailing
// empty items (spreadsheets pad rows to the widest) do not count.
QStringList itemsOf(const QString &line)
{
    QStringList items;
    QString item;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                item += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                item += line[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',' || c == u'\t') {
            items.append(item.trimmed());
            item.clear();
        } else {
            item += c;
        }
    }
    items.append(item.trimmed());
    while (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    return items;
}

bool isHeading(const QStringList &items)
{
    return items.value(0) == u"氏名"_s && (items.size() == 1 || (items.size() == 2 && items[1] == u"性別"_s));
}

struct ListLine
{
    QString name;
    QString sex;
};

// The line's pupil, or why it cannot be taken.
std::optional<QString> refusalOf(const QStringList &items, TextLayout layout, ListLine &line)
{
    const int width = layout == TextLayout::Names ? 1 : 2;
    if (items.size() > width)
        return u"項目が多すぎます"_s;
    line.name = Cp932::normalizeText(items[0]).trimmed();
    if (line.name.isEmpty())
        return u"氏名がありません"_s;
    if (const auto refused = StoredText::firstRefused(line.name))
        return StoredText::refusalMessage(*refused);
    if (layout == TextLayout::Names) {
        line.sex = u"男"_s;
        return std::nullopt;
    }
    line.sex = items.value(1);
    if (line.sex != u"男"_s && line.sex != u"女"_s)
        return u"性別は「男」か「女」にしてください"_s;
    return std::nullopt;
}

QString refusedLinesMessage(const QStringList &refusals)
{
    QString text = u"次の行を読み込めないため、名簿を読み込みませんでした"_s;
    for (const QString &refusal : refusals.first(std::min<qsizetype>(refusals.size(), ShownRefusals)))
        text += u'\n' + refusal;
    if (refusals.size() > ShownRefusals)
        text += u"\nほか %1 行"_s.arg(refusals.size() - ShownRefusals);
    return text;
}

} // namespace

PupilImport importTextList(const QByteArray &bytes, TextLayout layout, int pupilCount, const QString &path)
{
    const std::optional<QString> text = decodeList(bytes);
    if (!text)
        return unreadableImport(path);
    PupilImport import;
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    const QStringList lines = text->split(lineBreak);
    QList<ListLine> pupils;
    QStringList refusals;
    bool firstItems = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList items = itemsOf(lines[i]);
        if (items.isEmpty())
            continue;
        const bool heading = firstItems && isHeading(items);
        firstItems = false;
        if (heading)
            continue;
        ListLine line;
        if (const auto refusal = refusalOf(items, layout, line))
            refusals.append(u"%1 行目: %2"_s.arg(i + 1).arg(*refusal));
        else
            pupils.append(line);
    }
    if (!refusals.isEmpty()) {
        import.outcome = ImportOutcome::Refused;
        import.messages.append({refusedLinesMessage(refusals), {}, ImportMessageKind::Warning});
        return import;
    }
    PupilCollector collector(import.pupils, import.messages, pupilCount);
    for (const ListLine &line : pupils) {
        if (!collector.add(importedPupil(line.name, line.sex, 0, 0)))
            break;
    }
    return import;
}

PupilImport ImportTextFile(const QString &path, TextLayout layout, int pupilCount)
{
    QByteArray bytes;
    QString error;
    if (readDataFile(path, bytes, error) != ReadOutcome::Read)
        return unreadableImport(path);
    return importTextList(bytes, layout, pupilCount, path);
}
