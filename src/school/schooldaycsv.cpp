#include "schooldaycsv.h"

#include "schooldaytext.h"

#include "data/loadfile.h"
#include "data/marktable.h"
#include "data/reasoncategories.h"
#include "data/storedtext.h"
#include "totals/totalscsv.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace SchoolDayCsv {

namespace {

const QStringList FigureHeader{u"学級"_s, u"状態"_s, u"在籍"_s,     u"出席"_s,       u"欠席"_s,
                               u"病気"_s, u"事故"_s, u"不良停止"_s, u"伝染停止"_s,   u"忌引"_s,
                               u"特欠"_s, u"遅刻"_s, u"早退"_s,     u"閉鎖目安(%)"_s};

// The surveillance lists the columns follow: symptoms of 病, diseases of ホ
// (the school's own additions are not reported there).
const int ReportedMarks[] = {MarkCode::Sick, MarkCode::SuspensionInfection};

QString line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted.append(TotalsCsv::field(StoredText::blankControls(text)));
    return quoted.join(u',') + u"\r\n"_s;
}

int pupilsWith(const ClassDay &day, const QString &mark, const QString &category)
{
    const auto found = std::find_if(day.byCategory.begin(), day.byCategory.end(), [&](const CategoryCount &count) {
        return count.mark == mark && count.category == category;
    });
    return found == day.byCategory.end() ? 0 : found->pupils;
}

QStringList classFields(const SchoolDay &school, const ClassDay &day)
{
    QStringList fields{day.classEntry.Title, SchoolDayText::status(school, day)};
    const ReasonCategories surveillance;
    for (const int figure : day.counts.columns())
        fields.append(day.isRead() ? QString::number(figure) : QString());
    fields.append(SchoolDayText::closureRate(day));
    for (const int code : ReportedMarks) {
        const QString mark = MarkTable[code].toString();
        for (const QString &category : surveillance.forMark(code))
            fields.append(day.isRead() ? QString::number(pupilsWith(day, mark, category)) : QString());
    }
    return fields;
}

} // namespace

QString toText(const SchoolDay &school)
{
    QStringList header = FigureHeader;
    for (const int code : ReportedMarks)
        header += ReasonCategories().forMark(code);
    QString text = line(header);
    for (const ClassDay &day : school.classes)
        text += line(classFields(school, day));
    return text;
}

QByteArray toBytes(const SchoolDay &school, QString *error)
{
    return TotalsCsv::encoded(toText(school), error);
}

SaveResult save(const QString &path, const SchoolDay &school)
{
    return saveDataFile(
        path, [&](QString *error) { return toBytes(school, error); }, WriteTarget::UserOutput);
}

} // namespace SchoolDayCsv
