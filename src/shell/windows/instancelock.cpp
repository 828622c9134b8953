#include "instancelock.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString sessionLockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(u"veltra.lock"_s);
}

} // namespace

LockFileInstanceLock::LockFileInstanceLock()
    : LockFileInstanceLock(sessionLockFilePath())
{}

LockFileInstanceLock::LockFileInstanceLock(const QString &lockFilePath)
    : m_lockFile(lockFilePath)
{
    // However long a run lasts its lock stays valid; a lock left behind by a
    // crashed run is recognised by its ended process and taken over.
    m_lockFile.setStaleLockTime(0);
}

bool LockFileInstanceLock::tryLock()
{
    return m_lockFile.isLocked() || m_lockFile.tryLock(0);
}
