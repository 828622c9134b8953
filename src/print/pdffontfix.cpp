#include "pdffontfix.h"

#include <QByteArrayView>
#include <QMap>
#include <QRegularExpression>

#include <map>

namespace {

constexpr qsizetype XrefEntrySize = 20; // "0000012345 00000 n \n"

// One replacement in the file: `length` bytes at `position` become `text`.
struct Edit
{
    qsizetype position;
    qsizetype length;
    QByteArray text;
};

// The objects of a file by number, where the cross-reference table puts them.
struct CrossReference
{
    qsizetype tablePosition = -1;
    QMap<int, qsizetype> objects;  // in-use objects: number → offset
    QList<qsizetype> entryOffsets; // where each in-use entry's offset digits stand

    static CrossReference read(const QByteArray &pdf);
};

CrossReference CrossReference::read(const QByteArray &pdf)
{
    CrossReference xref;
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0)
        return xref;
    bool ok = false;
    const qsizetype table = pdf.mid(start + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || table < 0 || !pdf.mid(table, 4).startsWith("xref"))
        return xref;
    static const QRegularExpression subsection(QStringLiteral("^(\\d+) (\\d+)\\r?\\n"));
    qsizetype at = table + 4;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r'))
        ++at;
    while (at < pdf.size()) {
        const QRegularExpressionMatch match = subsection.match(QString::fromLatin1(pdf.mid(at, 32)));
        if (!match.hasMatch())
            break;
        const int first = match.captured(1).toInt();
        const int count = match.captured(2).toInt();
        at += match.capturedLength(0);
        if (count < 0 || at + qsizetype(count) * XrefEntrySize > pdf.size())
            return {};
        for (int i = 0; i < count; ++i, at += XrefEntrySize) {
            if (pdf.at(at + 17) != 'n')
                continue;
            xref.objects.insert(first + i, pdf.mid(at, 10).toLongLong());
            xref.entryOffsets.append(at);
        }
    }
    xref.tablePosition = table;
    return xref;
}

// The dictionary of object `number`: from its start to its stream or its end.
struct ObjectText
{
    qsizetype position = -1;
    QByteArray dictionary;
    qsizetype streamStart = -1; // the first byte of its stream data
};

ObjectText objectText(const QByteArray &pdf, const CrossReference &xref, int number)
{
    const qsizetype position = xref.objects.value(number, -1);
    if (position < 0 || position >= pdf.size())
        return {};
    const qsizetype end = pdf.indexOf("endobj", position);
    if (end < 0)
        return {};
    const qsizetype stream = pdf.indexOf("stream", position);
    const bool hasStream = stream >= 0 && stream < end;
    ObjectText object{position, pdf.mid(position, (hasStream ? stream : end) - position), -1};
    if (hasStream) {
        object.streamStart = stream + 6;
        if (pdf.mid(object.streamStart, 2) == "\r\n")
            object.streamStart += 2;
        else if (pdf.mid(object.streamStart, 1) == "\n")
            ++object.streamStart;
    }
    return object;
}

// The number of the object that `key` refers to in `dictionary` ("/Key 12 0 R"
// or "/Key [12 0 R]"); -1 when there is none.
int reference(const QByteArray &dictionary, const char *key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s*\\[?\\s*(\\d+)\\s+0\\s+R").arg(QLatin1String(key)));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(dictionary));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The name after `key` ("/FontName /ABCDEF+Name") and where it starts in `dictionary`.
std::pair<QByteArray, qsizetype> nameOf(const QByteArray &dictionary, const char *key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s*/([^\\s/<>\\[\\]()]+)").arg(QLatin1String(key)));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(dictionary));
    if (!match.hasMatch())
        return {{}, -1};
    return {match.captured(1).toLatin1(), match.capturedStart(1)};
}

bool hasSubsetTag(const QByteArray &name)
{
    static const QRegularExpression tag(QStringLiteral("^[A-Z]{6}\\+"));
    return tag.match(QString::fromLatin1(name)).hasMatch();
}

// The font's /BaseFont given the tagged name `tagged`, when it lacks the tag.
void tagBaseFont(const ObjectText &font, const QByteArray &tagged, QList<Edit> &edits)
{
    const auto [name, at] = nameOf(font.dictionary, "BaseFont");
    if (at >= 0 && !hasSubsetTag(name) && tagged.endsWith('+' + name))
        edits.append({font.position + at, name.size(), tagged});
}

// In a text map, every destination <0009> becomes <0020>; the sources (the
// glyph numbers) stay. Both are the same length, so the stream keeps its length.
void mapTabToBlank(const QByteArray &pdf, const ObjectText &map, QList<Edit> &edits)
{
    bool ok = false;
    static const QRegularExpression lengthKey(QStringLiteral("/Length\\s+(\\d+)(\\s+0\\s+R)?"));
    const QRegularExpressionMatch length = lengthKey.match(QString::fromLatin1(map.dictionary));
    if (map.streamStart < 0 || !length.hasMatch() || length.hasCaptured(2))
        return;
    const QByteArray data = pdf.mid(map.streamStart, length.captured(1).toLongLong(&ok));
    if (!ok)
        return;
    static const QRegularExpression block(QStringLiteral("begin(bfchar|bfrange)(.*?)end\\1"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression token(QStringLiteral("<[0-9A-Fa-f]+>|\\[|\\]"));
    const QString text = QString::fromLatin1(data);
    for (const QRegularExpressionMatch &match : block.globalMatch(text)) {
        const int sources = match.captured(1) == QStringLiteral("bfchar") ? 1 : 2;
        int position = 0; // of the token within its entry: sources first, then destinations
        bool inArray = false;
        for (const QRegularExpressionMatch &item : token.globalMatch(text, match.capturedStart(2))) {
            if (item.capturedStart() >= match.capturedEnd(2))
                break;
            const QString value = item.captured();
            if (value == QStringLiteral("[")) {
                inArray = true;
                continue;
            }
            if (value == QStringLiteral("]")) {
                inArray = false;
                position = 0;
                continue;
            }
            const bool destination = position >= sources;
            if (destination && value.compare(QStringLiteral("<0009>"), Qt::CaseInsensitive) == 0)
                edits.append({map.streamStart + item.capturedStart(), 6, "<0020>"});
            if (!inArray)
                position = destination ? 0 : position + 1;
        }
    }
}

QByteArray applied(const QByteArray &pdf, QList<Edit> edits, const CrossReference &xref)
{
    std::sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.position < b.position; });
    std::map<qsizetype, qsizetype> shiftAfter; // position → growth of everything before it
    QByteArray result;
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        if (edit.position < copied)
            continue; // the same place reached through a second font
        result += QByteArrayView(pdf).sliced(copied, edit.position - copied);
        result += edit.text;
        copied = edit.position + edit.length;
        shiftAfter[copied] = result.size() - copied;
    }
    result += QByteArrayView(pdf).sliced(copied);

    auto moved = [&](qsizetype position) {
        const auto next = shiftAfter.upper_bound(position);
        return next == shiftAfter.begin() ? position : position + std::prev(next)->second;
    };
    for (const qsizetype entry : xref.entryOffsets) {
        const qsizetype at = moved(entry);
        result.replace(at, 10, QByteArray::number(moved(pdf.mid(entry, 10).toLongLong())).rightJustified(10, '0'));
    }
    const qsizetype start = result.lastIndexOf("startxref");
    const qsizetype end = result.indexOf("%%EOF", start);
    result.replace(start, (end < 0 ? result.size() : end) - start,
                   "startxref\n" + QByteArray::number(moved(xref.tablePosition)) + '\n');
    return result;
}

} // namespace

QByteArray fixEmbeddedFonts(const QByteArray &pdf)
{
    const CrossReference xref = CrossReference::read(pdf);
    if (xref.tablePosition < 0)
        return pdf;
    QList<Edit> edits;
    for (auto it = xref.objects.cbegin(); it != xref.objects.cend(); ++it) {
        const ObjectText font = objectText(pdf, xref, it.key());
        if (!font.dictionary.contains("/Subtype /Type0"))
            continue;
        const ObjectText descendant = objectText(pdf, xref, reference(font.dictionary, "DescendantFonts"));
        const ObjectText descriptor = objectText(pdf, xref, reference(descendant.dictionary, "FontDescriptor"));
        const QByteArray tagged = nameOf(descriptor.dictionary, "FontName").first;
        if (hasSubsetTag(tagged)) {
            tagBaseFont(font, tagged, edits);
            tagBaseFont(descendant, tagged, edits);
        }
        mapTabToBlank(pdf, objectText(pdf, xref, reference(font.dictionary, "ToUnicode")), edits);
    }
    return edits.isEmpty() ? pdf : applied(pdf, edits, xref);
}
