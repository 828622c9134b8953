#include "totalscsv.h"

#include "data/cp932.h"
#include "data/loadfile.h"
#include "data/storedtext.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace TotalsCsv {

namespace {

const QStringList TotalsHeader{u"NO"_s,       u"学年"_s, u"氏名"_s,   u"性別"_s,      u"授業日数"_s, u"出席日数"_s,
                               u"病気"_s,     u"事故"_s, u"欠席計"_s, u"出席停止"_s,  u"忌引"_s,     u"特欠"_s,
                               u"忌引等計"_s, u"遅刻"_s, u"早退"_s,   u"出席休業日"_s};

const QStringList RecordsHeader{u"NO"_s,
                                u"学年"_s,
                                u"氏名"_s,
                                u"性別"_s,
                                u"授業日数"_s,
                                u"出席停止・忌引等の日数"_s,
                                u"出席しなければならない日数"_s,
                                u"欠席日数"_s,
                                u"出席日数"_s};

QStringList pupilFields(int number, const TotalsRow &row)
{
    return {QString::number(number), row.Grade > 0 ? QString::number(row.Grade) : QString(),
            StoredText::blankControls(row.Name), StoredText::blankControls(row.Sex)};
}

QStringList totalsLine(int number, const TotalsRow &row)
{
    QStringList fields = pupilFields(number, row);
    fields.append(QString::number(row.schoolDays()));
    for (const int counter : row.Stat)
        fields.append(QString::number(counter));
    return fields;
}

QStringList recordsLine(int number, const TotalsRow &row)
{
    using namespace StatColumn;
    const int present = row.Stat[Present];
    const int absent = row.Stat[AbsentTotal];
    const int excused = row.Stat[ExcusedTotal];
    QStringList fields = pupilFields(number, row);
    for (const int figure : {row.schoolDays(), excused, present + absent, absent, present})
        fields.append(QString::number(figure));
    return fields;
}

QString line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted.append(field(text));
    return quoted.join(u',') + u"\r\n"_s;
}

// The header and the pupils' lines of each class in turn, led by the class when `classColumn`.
QString csvText(const QList<ClassTotals> &school, Layout layout, bool classColumn)
{
    const bool records = layout == Layout::Records;
    const auto withClass = [&](const QString &classTitle, const QStringList &fields) {
        return line(classColumn ? QStringList{classTitle} + fields : fields);
    };
    QString text = withClass(u"学級"_s, records ? RecordsHeader : TotalsHeader);
    for (const ClassTotals &entry : school) {
        const QList<TotalsRow> &rows = entry.totals.rows;
        for (qsizetype r = 0; r < rows.size(); ++r)
            text += withClass(StoredText::blankControls(entry.classTitle),
                              records ? recordsLine(int(r) + 1, rows[r]) : totalsLine(int(r) + 1, rows[r]));
    }
    return text;
}

} // namespace

QByteArray encoded(const QString &csv, QString *error)
{
    const QString text = Cp932::mapLookAlikes(csv);
    if (std::optional<QByteArray> bytes = Cp932::tryEncode(text))
        return *bytes;
    if (error)
        *error = Cp932::unencodableMessage(Cp932::firstUnencodable(text).value_or(U'?'));
    return {};
}

QString field(const QString &text)
{
    // A spreadsheet reads a cell that starts like this as a formula; the
    // apostrophe makes it show the text.
    static const QString FormulaStarts = u"=+-@"_s;
    static const QString NeedsQuotes = u",\"\r\n"_s;
    const QString cell = !text.isEmpty() && FormulaStarts.contains(text.front()) ? u'\'' + text : text;
    if (std::none_of(cell.begin(), cell.end(), [](QChar c) { return NeedsQuotes.contains(c); }))
        return cell;
    QString doubled = cell;
    doubled.replace(u'"', u"\"\""_s);
    return u'"' + doubled + u'"';
}

QString toText(const Totals &totals, Layout layout)
{
    return csvText({{QString(), totals}}, layout, false);
}

QString toText(const QList<ClassTotals> &school, Layout layout)
{
    return csvText(school, layout, true);
}

QByteArray toBytes(const Totals &totals, Layout layout, QString *error)
{
    return encoded(toText(totals, layout), error);
}

SaveResult save(const QString &path, const Totals &totals, Layout layout)
{
    return saveDataFile(
        path, [&](QString *error) { return toBytes(totals, layout, error); }, WriteTarget::UserOutput);
}

SaveResult save(const QString &path, const QList<ClassTotals> &school, Layout layout)
{
    return saveDataFile(
        path, [&](QString *error) { return encoded(toText(school, layout), error); }, WriteTarget::UserOutput);
}

} // namespace TotalsCsv
