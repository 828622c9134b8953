#pragma once

#include "data/fileio.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <utility>

struct RegisterMonth;

// Keeps the recovery files of an open month up to date: a change is written at
// most `delay` after it was made, together with any made meanwhile, and only
// when the month or its reasons differ from what was last written.
class RecoveryWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultDelay{500};

    // `month` is the open month, already as the month file or the restored
    // recovery file holds it; it must outlive the writer.
    RecoveryWriter(const QString &monthPath, const RegisterMonth &month, std::chrono::milliseconds delay = DefaultDelay,
                   QObject *parent = nullptr);

    // Schedules a write unless one is already due.
    void monthChanged();
    // Writes now if the month changed since the last write.
    SaveResult writeNow();
    // The month file has been written: no write is due and the recovery file goes.
    void discard();

signals:
    void writeFailed(const SaveResult &result);

private:
    QString m_monthPath;
    const RegisterMonth &m_month;
    // The month's file form and its reasons' file form, as last written.
    std::pair<QByteArray, QByteArray> bytes(QString *error) const;

    std::pair<QByteArray, QByteArray> m_written;
    QTimer m_timer;
};
