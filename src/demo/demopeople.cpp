#include "demopeople.h"

using namespace Qt::StringLiterals;

namespace DemoPeople {

namespace {

const QStringList BoysNames = {
    u"青葉　陽太"_s, u"朝霧　蒼"_s, u"雨宮　湊"_s,     u"泉谷　大和"_s, u"岩清水　悠真"_s,
    u"風見　颯太"_s, u"川瀬　律"_s, u"木立　蓮"_s,     u"草笛　樹"_s,   u"雲居　奏太"_s,
    u"髙森　晴"_s,   u"﨑山　航"_s, u"里見野　拓海"_s, u"潮見　陸"_s,   u"白砂　新"_s,
};

const QStringList GirlsNames = {
    u"鈴風　結衣"_s,   u"空野　陽菜"_s, u"高波　葵"_s,     u"滝ノ上　紬"_s, u"月岡　凛"_s,
    u"野々宮　芽依"_s, u"花園　咲良"_s, u"春日野　心春"_s, u"丘野　楓"_s,   u"星見　美月"_s,
    u"水城　澪"_s,     u"森下　詩"_s,   u"山吹　花音"_s,   u"夕凪　杏"_s,   u"若葉　琴葉"_s,
};

// For the other classes: family names and given names put together.
const QStringList FamilyNames = {
    u"秋山"_s, u"浅野"_s, u"石原"_s, u"上野"_s, u"大川"_s, u"岡部"_s, u"桂木"_s, u"北原"_s, u"久保田"_s, u"小松"_s,
    u"坂本"_s, u"篠原"_s, u"杉浦"_s, u"関根"_s, u"田辺"_s, u"千葉"_s, u"土屋"_s, u"冨田"_s, u"中西"_s,   u"西川"_s,
    u"野口"_s, u"橋本"_s, u"平野"_s, u"福島"_s, u"堀内"_s, u"松浦"_s, u"宮崎"_s, u"村上"_s, u"矢野"_s,   u"吉岡"_s,
};
const QStringList BoysGivenNames = {u"朝陽"_s, u"一颯"_s, u"海斗"_s, u"健太"_s, u"航平"_s,
                                    u"悠人"_s, u"翔"_s,   u"大地"_s, u"智也"_s, u"直樹"_s,
                                    u"春樹"_s, u"秀人"_s, u"勇気"_s, u"涼"_s,   u"亮介"_s};
const QStringList GirlsGivenNames = {u"愛菜"_s, u"彩花"_s, u"乙葉"_s, u"香織"_s,   u"菜月"_s,
                                     u"千尋"_s, u"夏美"_s, u"七海"_s, u"はるか"_s, u"ひかり"_s,
                                     u"真央"_s, u"美咲"_s, u"萌"_s,   u"由佳"_s,   u"理沙"_s};

PupilRecord pupil(const QString &name, const QString &sex, int rosterNo)
{
    PupilRecord record;
    record.Name = name;
    record.Sex = sex;
    record.RosterNo = qint16(rosterNo);
    return record;
}

} // namespace

QList<PupilRecord> classInApril()
{
    QList<PupilRecord> pupils;
    for (const QString &name : BoysNames)
        pupils.append(pupil(name, u"男"_s, int(pupils.size()) + 1));
    for (const QString &name : GirlsNames)
        pupils.append(pupil(name, u"女"_s, int(pupils.size()) + 1));
    return pupils;
}

QList<PupilRecord> otherClassInApril(int classNumber, int count, const QList<qint16> &grades)
{
    QList<PupilRecord> pupils;
    const int boys = (count + 1) / 2;
    for (int k = 0; k < count; ++k) {
        const bool boy = k < boys;
        const QStringList &given = boy ? BoysGivenNames : GirlsGivenNames;
        // k runs through the family names once, so no name repeats within the class.
        const QString name = FamilyNames[(classNumber * 7 + k) % FamilyNames.size()] + u'　'
                             + given[(classNumber * 4 + k * 2) % given.size()];
        PupilRecord record = pupil(name, boy ? u"男"_s : u"女"_s, k + 1);
        record.Grade = grades[k % grades.size()];
        pupils.append(record);
    }
    return pupils;
}

PupilRecord newcomer()
{
    return pupil(u"小鳥遊野　光莉"_s, u"女"_s, int(BoysNames.size() + GirlsNames.size()) + 1);
}

QString teacherName()
{
    return u"森野　みどり"_s;
}

} // namespace DemoPeople
