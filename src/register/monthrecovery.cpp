#include "monthrecovery.h"

#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "monthreasons.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace MonthRecovery {

namespace {

const QString Suffix = u".recover"_s;

} // namespace

QString recoveryPath(const QString &monthPath)
{
    return monthPath + Suffix;
}

QString reasonsRecoveryPath(const QString &monthPath)
{
    return ReasonFile::pathFor(monthPath) + Suffix;
}

bool isPending(const QString &monthPath)
{
    const QFileInfo recovery(recoveryPath(monthPath));
    if (!recovery.isFile())
        return false;
    const QFileInfo month(monthPath);
    return !month.exists() || recovery.lastModified() > month.lastModified();
}

LoadResult load(const QString &monthPath, const ReasonCategories &categories, RegisterMonth &month,
                QString &reasonsMessage)
{
    const LoadResult loaded = MonthFile::load(recoveryPath(monthPath), month);
    if (loaded.ok()) {
        const QString reasons = reasonsRecoveryPath(monthPath);
        reasonsMessage =
            MonthReasons::read(QFile::exists(reasons) ? reasons : ReasonFile::pathFor(monthPath), categories, month);
    }
    return loaded;
}

SaveResult save(const QString &monthPath, const QByteArray &monthBytes, const QByteArray &reasonBytes)
{
    const SaveResult reasons = writeFileAtomically(reasonsRecoveryPath(monthPath), reasonBytes);
    return reasons.ok ? writeFileAtomically(recoveryPath(monthPath), monthBytes) : reasons;
}

bool remove(const QString &monthPath)
{
    bool gone = true;
    for (const QString &path : {reasonsRecoveryPath(monthPath), recoveryPath(monthPath)})
        gone = (QFile::remove(path) || !QFile::exists(path)) && gone;
    return gone;
}

QString setAside(const QString &monthPath, const QDateTime &now)
{
    const QString time = now.toString(u".yyyyMMdd-HHmmss"_s);
    QString mark = time;
    for (int n = 2; QFile::exists(monthPath + mark + Suffix); ++n)
        mark = time + u"-%1"_s.arg(n);
    const QString reasons = reasonsRecoveryPath(monthPath);
    if (QFile::exists(reasons))
        QFile::rename(reasons, ReasonFile::pathFor(monthPath) + mark + Suffix);
    const QString target = monthPath + mark + Suffix;
    return QFile::rename(recoveryPath(monthPath), target) ? target : QString();
}

} // namespace MonthRecovery
