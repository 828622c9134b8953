#include "recoverywriter.h"

#include "data/monthfile.h"
#include "monthrecovery.h"

RecoveryWriter::RecoveryWriter(const QString &monthPath, const RegisterMonth &month, std::chrono::milliseconds delay,
                               QObject *parent)
    : QObject(parent)
    , m_monthPath(monthPath)
    , m_month(month)
    , m_written(MonthFile::toBytes(month))
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

SaveResult RecoveryWriter::writeNow()
{
    m_timer.stop();
    QString error;
    const QByteArray bytes = MonthFile::toBytes(m_month, &error);
    SaveResult result;
    result.path = MonthRecovery::recoveryPath(m_monthPath);
    if (bytes.isEmpty()) {
        result.ok = false;
        result.error = error;
        return result;
    }
    if (bytes == m_written)
        return result;
    result = MonthRecovery::save(m_monthPath, bytes);
    if (result.ok)
        m_written = bytes;
    return result;
}

void RecoveryWriter::discard()
{
    m_timer.stop();
    m_written = MonthFile::toBytes(m_month);
    MonthRecovery::remove(m_monthPath);
}
