#include "demoworkfolder.h"

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
    list.Entries[0] = classEntry(OrdinaryClass, 1, 0, u"2"_s, {});
    list.Entries[1] = classEntry(SpecialSupportClass, 0, 0, u"ひまわり"_s, u"知的"_s);
    list.Entries[2] = classEntry(MultiGradeClass, 3, 4, u"1"_s, {});
    list.ClassCount = 3;
    return list;
}

QString monthFolder(const ProgramSettings &settings)
{
    const QString title = classList().Entries[0].Title.trimmed();
    return QDir(settings.DataFolder).filePath(u"%1/%2"_s.arg(DemoSchoolYear::StartYear).arg(title));
}

SaveResult write(const QString &workFolder)
{
    const ProgramSettings demo = settings(workFolder);
    for (const QString &name : {u"ROLL.SEW"_s, u"CLASS.CSD"_s, u"data"_s}) {
        const QString existing = QDir(demo.WorkFolder).filePath(name);
        if (QFileInfo::exists(existing))
            return {false, existing, u"すでにあるため、デモ用の作業フォルダーを作りません"_s, false};
    }
    const QString folder = monthFolder(demo);
    if (!QDir().mkpath(demo.WorkFolder))
        return folderFailure(demo.WorkFolder);
    if (!QDir().mkpath(folder))
        return folderFailure(folder);

    SaveResult result = SettingsFile::save(demo);
    if (result.ok)
        result = ClassListFile::save(demo.WorkFolder, classList());
    for (const DemoSchoolYear::Month &month : DemoSchoolYear::months()) {
        if (!result.ok)
            break;
        const QString path = QDir(folder).filePath(MonthFile::fileName(month.gregorianYear, month.month));
        result = MonthFile::save(path, month.data);
    }
    return result;
}

} // namespace DemoWorkFolder
