#include "school/closurethreshold.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The school's threshold in CLOSURE.CSD of the work folder.
class ClosureThresholdTest : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<int>("tenths");
        QTest::addColumn<bool>("ok");
        QTest::newRow("no file: 20 %") << QByteArray() << 200 << true;
        QTest::newRow("one decimal") << QByteArray("12.5\r\n") << 125 << true;
        QTest::newRow("the whole class") << QByteArray("100.0\r\n") << 1000 << true;
        QTest::newRow("above 100") << QByteArray("100.1\r\n") << 200 << false;
        QTest::newRow("two decimals") << QByteArray("12.25\r\n") << 200 << false;
        QTest::newRow("text") << QByteArray("\"abc\"\r\n") << 200 << false;
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir work;
        if (!bytes.isEmpty()) {
            QFile file(ClosureThreshold::filePath(work.path()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        int tenths = -1;
        const LoadResult loaded = ClosureThreshold::load(work.path(), tenths);
        QTEST(tenths, "tenths");
        QTEST(loaded.ok(), "ok");
    }
};

VELTRA_TEST(ClosureThresholdTest)
#include "closurethreshold_test.moc"
