#include "reasoncategories.h"

#include "loadfile.h"
#include "marktable.h"
#include "storedtext.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QStringList Symptoms{u"発熱"_s, u"頭痛"_s, u"急性呼吸器症状"_s, u"腹痛"_s, u"下痢"_s,
                           u"嘔吐"_s, u"発疹"_s, u"けが"_s,           u"通院"_s, u"その他"_s};
const QStringList Diseases{u"インフルエンザ"_s, u"新型コロナウイルス感染症"_s,
                           u"感染性胃腸炎"_s,   u"流行性耳下腺炎"_s,
                           u"水痘"_s,           u"その他の感染症"_s};
const QStringList Relatives{u"父母"_s, u"祖父母"_s, u"兄弟姉妹"_s, u"その他"_s};
const QStringList Circumstances{u"家庭の事情"_s, u"その他"_s};

QStringList surveillanceList(int markCode)
{
    switch (markCode) {
    case MarkCode::Sick:
    case MarkCode::Late:
    case MarkCode::EarlyLeave:
    case MarkCode::LateAndEarlyLeave:
        return Symptoms;
    case MarkCode::SuspensionInfection:
        return Diseases;
    case MarkCode::Mourning:
        return Relatives;
    case MarkCode::OtherReasons:
    case MarkCode::SuspensionDiscipline:
    case MarkCode::SpecialAbsence:
        return Circumstances;
    default:
        return {};
    }
}

} // namespace

bool ReasonCategories::carriesReasons(int markCode)
{
    return markCode >= MarkCode::Sick && markCode <= MarkCode::LateAndEarlyLeave;
}

QString ReasonCategories::hint(const QString &category)
{
    return category == u"急性呼吸器症状"_s ? u"のど痛・せき・鼻水など"_s : QString();
}

QStringList ReasonCategories::forMark(int markCode) const
{
    QStringList list = surveillanceList(markCode);
    for (const Addition &addition : m_additions) {
        if (addition.markCode == markCode)
            list.append(addition.name);
    }
    return list;
}

bool ReasonCategories::allows(int markCode, const QStringList &categories) const
{
    const QStringList list = forMark(markCode);
    return !categories.isEmpty()
           && std::all_of(categories.begin(), categories.end(), [&](const QString &c) { return list.contains(c); });
}

QString ReasonCategories::add(int markCode, const QString &name)
{
    const QString category = StoredText::asStored(name).trimmed();
    if (!carriesReasons(markCode))
        return u"この記号には理由を付けられません"_s;
    if (category.isEmpty())
        return u"理由の名前を入力してください"_s;
    if (category.size() > NameLimit)
        return u"理由の名前は%1文字までです"_s.arg(NameLimit);
    if (category.contains(u'|') || category.contains(u','))
        return u"理由の名前に「|」や「,」は使えません"_s;
    if (const auto refused = StoredText::firstRefused(name))
        return StoredText::refusalMessage(*refused);
    if (forMark(markCode).contains(category))
        return u"「%1」はすでにあります"_s.arg(category);
    m_additions.append({markCode, category});
    return {};
}

QByteArray ReasonCategories::toBytes(QString *error) const
{
    RecordWriter writer;
    for (const Addition &addition : m_additions)
        writer.word(MarkTable[addition.markCode].toString()).text(addition.name).endLine();
    return writer.result(error);
}

LoadResult ReasonCategories::fromBytes(const QByteArray &bytes)
{
    m_additions.clear();
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        QString mark;
        QString name;
        if (!reader.nextLine(2) || !reader.text(0, mark) || !reader.text(1, name))
            return unreadableAt(reader);
        const int code = markCodeOf(mark.trimmed());
        const QString refusal = add(code, name);
        if (!refusal.isEmpty() && !forMark(code).contains(name))
            return unreadableAt(reader, refusal);
    }
    return {};
}

namespace ReasonCategoriesFile {

QString filePath(const QString &workFolder)
{
    return QDir(workFolder).filePath(u"REASONS.CSD"_s);
}

LoadResult load(const QString &workFolder, ReasonCategories &categories)
{
    categories = {};
    LoadResult loaded =
        loadDataFile(filePath(workFolder), [&](const QByteArray &bytes) { return categories.fromBytes(bytes); });
    if (loaded.missing())
        return {};
    if (!loaded.ok())
        categories = {};
    return loaded;
}

SaveResult save(const QString &workFolder, const ReasonCategories &categories)
{
    return saveDataFile(filePath(workFolder), [&](QString *error) { return categories.toBytes(error); });
}

} // namespace ReasonCategoriesFile
