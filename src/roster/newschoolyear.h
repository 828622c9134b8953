#pragma once

#include "data/records.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The new school year (年度更新): the pupils of school year Y carried into the
// April registers of Y + 1, one grade up, as a plan that is shown before
// anything is written and then written in one step.

struct NewYearMove
{
    QString from;
    QString to;
    QList<PupilRecord> pupils; // as they go into April: no marks, no joining or leaving
};

struct NewYearGraduates
{
    QString classTitle;
    int pupils = 0;
};

struct NewYearNotPlaced
{
    QString classTitle;
    QString name;
    int grade = 0; // the grade in the new year, 0 when unknown
};

struct NewYearSkipped
{
    QString classTitle;
    QString reason;
};

// One April register to write and the pupils it receives, in order.
struct NewYearTarget
{
    QString classTitle;
    QList<PupilRecord> pupils;
};

struct NewYearPlan
{
    int schoolYear = 0; // the school year the pupils come from
    QList<NewYearMove> moves;
    QList<NewYearGraduates> graduates;
    QList<NewYearNotPlaced> notPlaced;
    QList<NewYearSkipped> skipped;

    // The targets in the order of their first move; each takes its moves in order.
    QList<NewYearTarget> targets() const;
};

// What the planner knows of one class of the class list.
struct ClassYearEnd
{
    bool read = false;                   // a month of the school year with pupil lines was read
    QList<PupilRecord> pupils;           // that month's pupil lines
    std::optional<QString> leftOut;      // why the class is neither source nor target
    std::optional<QString> aprilRefusal; // why the class's April cannot take pupils
};

inline const QString NoTargetClassReason = QStringLiteral("移る先のクラスがありません");
inline const QString NoSourceMonthReason = QStringLiteral("読み込める出席簿がありません");
inline const QString AprilHasPupilsReason = QStringLiteral("4月の出席簿に児童がいます");
inline const QString AprilUnreadableReason = QStringLiteral("4月の出席簿が読み込めません");

// The plan by the carrying rules: `yearEnds` has one item per class of
// `classes`, in list order.
NewYearPlan planNewSchoolYear(const ClassList &classes, const QList<ClassYearEnd> &yearEnds, int schoolYear);

// What the data folder holds for each class: the last month of `schoolYear`
// that can be read and has pupil lines, and the April of the next school year.
QList<ClassYearEnd> readClassYearEnds(const ProgramSettings &settings, const ClassList &classes, int schoolYear);

// The school year whose pupils a new school year carries, as proposed on
// `today`: the one ending in March up to April, the running one from May (to
// prepare the next April ahead).
int proposedNewYearSource(const QDate &today);

// The April register of `classTitle` in the school year after `schoolYear`.
QString newYearAprilPath(const ProgramSettings &settings, int schoolYear, const QString &classTitle);

// An April file as it was written, so that it can be taken back while unchanged.
struct NewYearWrittenFile
{
    QString path;
    QByteArray bytes;
    std::optional<QByteArray> before; // the file it replaced (an April without pupils), if any
};

struct NewYearWriteResult
{
    QList<NewYearWrittenFile> written; // in order
    QStringList notWritten;            // the titles of the targets not written, the failed one first
    QString failure;                   // why the first of them could not be written

    bool ok() const { return notWritten.isEmpty(); }
};

// Writes the April registers of the plan's targets, each under its month's
// lock: the pupils in order, the month's days off by the calendar, no marks and
// no teacher's name (a April file that exists without pupils keeps its holidays
// and teacher). Stops at the first target that cannot be written; the files
// written before it stay.
NewYearWriteResult writeNewSchoolYear(const ProgramSettings &settings, const NewYearPlan &plan);

// Takes the written April files back: each is removed under its month's lock
// while it holds exactly what was written. Returns the paths left in place
// (changed since, or open elsewhere).
QStringList undoNewSchoolYear(const QList<NewYearWrittenFile> &written);
