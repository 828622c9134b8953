#include "monthrecovery.h"

#include "data/monthfile.h"

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

bool isPending(const QString &monthPath)
{
    const QFileInfo recovery(recoveryPath(monthPath));
    if (!recovery.isFile())
        return false;
    const QFileInfo month(monthPath);
    return !month.exists() || recovery.lastModified() > month.lastModified();
}

LoadResult load(const QString &monthPath, RegisterMonth &month)
{
    return MonthFile::load(recoveryPath(monthPath), month);
}

SaveResult save(const QString &monthPath, const QByteArray &monthBytes)
{
    return writeFileAtomically(recoveryPath(monthPath), monthBytes);
}

bool remove(const QString &monthPath)
{
    const QString path = recoveryPath(monthPath);
    return QFile::remove(path) || !QFile::exists(path);
}

QString setAside(const QString &monthPath, const QDateTime &now)
{
    const QString stem = monthPath + now.toString(u".yyyyMMdd-HHmmss"_s);
    QString target = stem + Suffix;
    for (int n = 2; QFile::exists(target); ++n)
        target = stem + u"-%1"_s.arg(n) + Suffix;
    return QFile::rename(recoveryPath(monthPath), target) ? target : QString();
}

} // namespace MonthRecovery
