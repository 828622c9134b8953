#pragma once

#include <QLockFile>
#include <QString>

// Whether this is the only running instance of the program. The program holds
// a lock file for its whole run; tests give a lock of their own.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when no other instance holds the lock; the lock is then held until destruction.
    virtual bool tryLock() = 0;
};

class LockFileInstanceLock : public InstanceLock
{
public:
    // The lock of the current user's session.
    LockFileInstanceLock();
    explicit LockFileInstanceLock(const QString &lockFilePath);

    bool tryLock() override;

private:
    QLockFile m_lockFile;
};
