#include "data/fileerror.h"
#include "data/fileio.h"
#include "testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Failed saves and reads are explained in Japanese, by their cause.
class FileErrorTest : public QObject
{
    Q_OBJECT

private slots:
    void savesThatFailSayWhy_data()
    {
        QTest::addColumn<QString>("target"); // inside a temporary folder
        QTest::addColumn<QString>("folderInTheWay");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << u"gone/2004_4.ROD"_s << QString() << u"保存先のフォルダーがありません"_s;
        QTest::newRow("a folder of the file's name")
            << u"2004_4.ROD"_s << u"2004_4.ROD"_s << u"同じ名前のフォルダーがあります"_s;
    }
    void savesThatFailSayWhy()
    {
        QFETCH(QString, target);
        QFETCH(QString, folderInTheWay);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        if (!folderInTheWay.isEmpty())
            QVERIFY(QDir(folder.path()).mkpath(folderInTheWay));
        const SaveResult result = writeFileAtomically(folder.filePath(target), "data\r\n");
        QVERIFY(!result.ok);
        QCOMPARE(result.error, reason);
    }

    // What the file system shows outranks Qt's error code, which often only
    // says that opening or writing failed.
    void causesOutrankErrorCodes_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("notWritable");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("text");
        QTest::newRow("no permission") << int(QFileDevice::OpenError) << true << false
                                       << u"書き込みが許可されていません"_s;
        QTest::newRow("disk full") << int(QFileDevice::WriteError) << false << true
                                   << u"ディスクの空き容量が足りません"_s;
        QTest::newRow("rename") << int(QFileDevice::RenameError) << false << false
                                << u"ファイルを置き換えられません（ほかのプログラムが使っているかもしれません）"_s;
        QTest::newRow("open") << int(QFileDevice::OpenError) << false << false << u"ファイルを開けません"_s;
    }
    void causesOutrankErrorCodes()
    {
        QFETCH(int, error);
        QFETCH(bool, notWritable);
        QFETCH(bool, diskFull);
        FileFailure failure;
        failure.error = QFileDevice::FileError(error);
        failure.notWritable = notWritable;
        failure.diskFull = diskFull;
        QTEST(fileFailureText(failure), "text");
    }
};

VELTRA_TEST(FileErrorTest)
#include "fileerror_test.moc"
