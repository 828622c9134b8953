#include "demoworkfolder.h"

#include "demopeople.h"
#include "demoschoolyear.h"

#include "data/classlistfile.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace DemoWorkFolder {

namespace {

// The title a class gets when it is added to the list.
QString titleOf(const ClassEntry &entry)
{
    switch (entry.Kind) {
    case SpecialSupportClass:
        return u"%1(%2)"_s.arg(entry.ClassName, entry.Category);
    case MultiGradeClass:
        return u"%1・%2年"_s.arg(entry.Grade).arg(entry.Grade2);
    default:
        return u"%1年%2組"_s.arg(entry.Grade).arg(entry.ClassName);
    }
}

ClassEntry classEntry(qint16 kind, qint16 grade, qint16 grade2, const QString &name, const QString &category)
{
    ClassEntry entry{kind, grade, grade2, name, category, {}};
    entry.Title = titleOf(entry);
    return entry;
}

SaveResult folderFailure(const QString &folder)
{
    return SaveResult{false, folder, u"フォルダーを作成できません"_s, false};
}

} // namespace

ProgramSettings settings(const QString &workFolder)
{
    ProgramSettings result;
    result.WorkFolder = QDir(workFolder).absolutePath();
    result.DataFolder = QDir(result.WorkFolder).filePath(u"data"_s);
    result.SchoolCode = 990001;
    result.SchoolName = u"ひばり野市立わかば台小学校"_s;
    result.CountBySex = 1;
    return result;
}

ClassList classList()
{
    ClassList list;
    for (qint16 grade = 1; grade <= 6; ++grade)
        list.Entries[list.ClassCount++] = classEntry(OrdinaryClass, grade, 0, u"2"_s, {});
    list.Entries[list.ClassCount++] = classEntry(MultiGradeClass, 3, 4, {}, {});
    list.Entries[list.ClassCount++] = classEntry(SpecialSupportClass, 0, 0, u"ひまわり"_s, u"知的"_s);
    return list;
}

QString classFolder(const ProgramSettings &settings, const QString &classTitle)
{
    return QDir(settings.DataFolder).filePath(u"%1/%2"_s.arg(DemoSchoolYear::StartYear).arg(classTitle.trimmed()));
}

QString monthFolder(const ProgramSettings &settings)
{
    return classFolder(settings, classList().Entries[0].Title);
}

namespace {

// The school year of the class at `index` of the class list.
QList<DemoSchoolYear::Month> yearOfClass(int index)
{
    if (index == 0)
        return DemoSchoolYear::months();
    const ClassEntry entry = classList().Entries[index];
    switch (entry.Kind) {
    case MultiGradeClass:
        return DemoSchoolYear::months(DemoPeople::otherClassInApril(index, 9, {entry.Grade, entry.Grade2}), index);
    case SpecialSupportClass:
        return DemoSchoolYear::months(DemoPeople::otherClassInApril(index, 5, {2, 6, 4, 1, 5}), index);
    default:
        return DemoSchoolYear::months(DemoPeople::otherClassInApril(index, 22 + entry.Grade), index);
    }
}

} // namespace

SaveResult write(const QString &workFolder)
{
    const ProgramSettings demo = settings(workFolder);
    for (const QString &name : {u"ROLL.SEW"_s, u"CLASS.CSD"_s, u"data"_s}) {
        const QString existing = QDir(demo.WorkFolder).filePath(name);
        if (QFileInfo::exists(existing))
            return {false, existing, u"すでにあるため、デモ用の作業フォルダーを作りません"_s, false};
    }
    if (!QDir().mkpath(demo.WorkFolder))
        return folderFailure(demo.WorkFolder);

    const ClassList classes = classList();
    SaveResult result = SettingsFile::save(demo);
    if (result.ok)
        result = ClassListFile::save(demo.WorkFolder, classes);
    for (int index = 0; index < classes.ClassCount && result.ok; ++index) {
        const QString folder = classFolder(demo, classes.Entries[index].Title);
        if (!QDir().mkpath(folder))
            return folderFailure(folder);
        for (const DemoSchoolYear::Month &month : yearOfClass(index)) {
            if (!result.ok)
                break;
            const QString path = QDir(folder).filePath(MonthFile::fileName(month.gregorianYear, month.month));
            result = MonthFile::save(path, month.data);
        }
    }
    return result;
}

} // namespace DemoWorkFolder
