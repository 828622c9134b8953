#pragma once

#include "data/session.h"
#include "print/printjob.h"
#include "print/recordingsurface.h"
#include "print/registersheets.h"
#include "register/monthstatistics.h"

#include <QStringList>

#include <cmath>

// A month to print and the operations its run recorded.
struct SheetRecording
{
    Session session;
    PrintJob job;
    RecordingSurface surface;

    SheetRecording(int gregorianYear, int month, qint16 classKind = OrdinaryClass, const SimulatedMargins &margins = {})
        : surface(margins)
    {
        session.State.HeiseiYear = qint16(gregorianYear - 1988);
        session.State.Month = qint16(month);
        session.State.ClassKind = classKind;
        session.State.ClassGrade = 1;
        session.State.ClassGrade2 = 2;
        session.State.ClassName = QStringLiteral("2");
        session.State.ClassCategory = QStringLiteral("知的");
        job.PrintOptions = 31;
    }

    // "SEX NAME" with marks "DAY:MARK" after it.
    PupilRecord &addPupil(const QString &sex = QStringLiteral("男"), const QString &name = QStringLiteral("青葉　陽太"))
    {
        PupilRecord &pupil = session.Register.Pupils[session.Register.PupilCount++];
        pupil.Sex = sex;
        pupil.Name = name;
        return pupil;
    }
    void addPupils(int count)
    {
        for (int i = 0; i < count; ++i)
            addPupil();
    }
    void addHoliday(int day, const QString &reason, const QString &printText)
    {
        session.Register.HolidayList[session.Register.HolidayCount++] = HolidayEntry{qint16(day), reason, printText};
    }

    const RecordedPage &print(qint16 side)
    {
        job.PrintSide = side;
        PrintRegisterSheets(surface, job, session, QDate(2026, 12, 7));
        return surface.pages().first();
    }
    // The sheet drawn with `figures` instead of those the run computes, for
    // figures no month of marks could give.
    const RecordedPage &print(qint16 side, const MonthStatistics &figures)
    {
        job.PrintSide = side;
        prepareLandscapePage(surface, job);
        applyMarginCorrection(surface, job);
        runPages(surface, job, [&] { DrawRegisterSheet({surface, job, session, figures, QDate(2026, 12, 7)}); });
        return surface.pages().first();
    }
};

inline bool near(double a, double b)
{
    return std::abs(a - b) < 0.005;
}

// The texts of `page` printed at (x, y).
inline QStringList textsAt(const RecordedPage &page, double x, double y)
{
    QStringList texts;
    for (const PageOperation &op : page) {
        if (op.kind == PageOperation::Kind::Text && near(op.from.x(), x) && near(op.from.y(), y))
            texts.append(op.text);
    }
    return texts;
}

inline const PageOperation *findText(const RecordedPage &page, const QString &text)
{
    for (const PageOperation &op : page) {
        if (op.kind == PageOperation::Kind::Text && op.text == text)
            return &op;
    }
    return nullptr;
}

inline int count(const RecordedPage &page, PageOperation::Kind kind, int width = -1)
{
    int n = 0;
    for (const PageOperation &op : page)
        n += op.kind == kind && (width < 0 || op.width == width);
    return n;
}

inline bool hasRule(const RecordedPage &page, PageOperation::Kind kind, int width, QPointF from, QPointF to)
{
    for (const PageOperation &op : page) {
        if (op.kind == kind && op.width == width && near(op.from.x(), from.x()) && near(op.from.y(), from.y())
            && near(op.to.x(), to.x()) && near(op.to.y(), to.y()))
            return true;
    }
    return false;
}
