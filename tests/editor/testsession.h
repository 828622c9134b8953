#pragma once

#include "data/session.h"
#include "register/monthstatistics.h"

using namespace Qt::StringLiterals;

// A session with a month open and helpers that fill its register.
struct TestSession
{
    TestSession(int classKind, int heiseiYear, int month)
    {
        session.State.HeiseiYear = qint16(heiseiYear);
        session.State.Month = qint16(month);
        session.State.ClassKind = qint16(classKind);
        session.State.ClassTitle = u"1年2組"_s;
    }

    PupilRecord &addPupil(const QString &name, const QString &sex = u"男"_s)
    {
        PupilRecord &pupil = session.Register.Pupils[session.Register.PupilCount++];
        pupil.Name = name;
        pupil.Sex = sex;
        return pupil;
    }
    // 児童1, 児童2, …: boys and girls in turn.
    void addPupils(int count)
    {
        for (int i = 0; i < count; ++i)
            addPupil(u"児童%1"_s.arg(i + 1), i % 2 ? u"女"_s : u"男"_s);
    }
    void addHoliday(int day, const QString &printText, const QString &reason = u"休業日"_s)
    {
        session.Register.HolidayList[session.Register.HolidayCount++] = {qint16(day), reason, printText};
    }

    Session session;
};
