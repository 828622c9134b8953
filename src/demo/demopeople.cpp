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

PupilRecord newcomer()
{
    return pupil(u"小鳥遊野　光莉"_s, u"女"_s, int(BoysNames.size() + GirlsNames.size()) + 1);
}

QString teacherName()
{
    return u"森野　みどり"_s;
}

} // namespace DemoPeople
