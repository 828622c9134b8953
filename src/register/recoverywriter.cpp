#include "recoverywriter.h"

#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "monthrecovery.h"

RecoveryWriter::RecoveryWriter(const QString &monthPath, const RegisterMonth &month, std::chrono::milliseconds delay,
                               QObject *parent)
    : QObject(parent)
    , m_monthPath(monthPath)
    , m_month(month)
    , m_written(bytes(nullptr))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const SaveResult result = writeNow();
        if (!result.ok)
            emit writeFailed(result);
    });
}

void RecoveryWriter::monthChanged()
{
    if (!m_timer.isActive())
        m_timer.start();
}

std::pair<QByteArray, QByteArray> RecoveryWriter::bytes(QString *error) const
{
    return {MonthFile::toBytes(m_month, error), ReasonFile::toBytes(m_month, error)};
}

SaveResult RecoveryWriter::writeNow()
{
    m_timer.stop();
    QString error;
    const auto now = bytes(&error);
    SaveResult result;
    result.path = MonthRecovery::recoveryPath(m_monthPath);
    if (!error.isEmpty()) {
        result.ok = false;
        result.error = error;
        return result;
    }
    if (now == m_written)
        return result;
    result = MonthRecovery::save(m_monthPath, now.first, now.second);
    if (result.ok)
        m_written = now;
    return result;
}

void RecoveryWriter::discard()
{
    m_timer.stop();
    m_written = bytes(nullptr);
    MonthRecovery::remove(m_monthPath);
}
