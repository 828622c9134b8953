#include "data/fileio.h"
#include "data/folderpath.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// A save either replaces the whole file or leaves the old one byte for byte,
// and never lands through a link or on something that is not a file.
class AtomicWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void failedStepsKeepTheOldFile_data()
    {
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("write") << WriteFault::Write << u"書き込みの途中でエラーが起きました"_s;
        QTest::newRow("flush of a full disk") << WriteFault::Flush << u"ディスクの空き容量が足りません"_s;
        QTest::newRow("rename") << WriteFault::Rename
                                << u"ファイルを置き換えられません（ほかのプログラムが使っているかもしれません）"_s;
    }
    void failedStepsKeepTheOldFile()
    {
        QFETCH(WriteFault, fault);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"2026_6.ROD"_s);
        const QByteArray old(4541, 'x');
        QVERIFY(write(path, old));
        const SaveResult saved = writeFileAtomically(path, "new\r\n", WriteTarget::DataFile, fault);
        QVERIFY(!saved.ok);
        QTEST(saved.error, "reason");
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"2026_6.ROD"_s});
    }

    // What stands at the path decides: a data file is only ever a regular file
    // of its own; a user's output may follow a link, but never to a device,
    // a FIFO or a folder.
    void targetsThatAreNotPlainFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<WriteTarget>("target");
        QTest::addColumn<QString>("refusal"); // empty: written
        const QString link = u"リンクになっているファイルには保存できません"_s;
        const QString notAFile = u"通常のファイルではないため保存できません"_s;
        const QString folder = u"同じ名前のフォルダーがあります"_s;
        QTest::newRow("data file through a link") << u"link"_s << WriteTarget::DataFile << link;
        QTest::newRow("data file through a dangling link") << u"dangling"_s << WriteTarget::DataFile << link;
        QTest::newRow("data file onto a device") << u"device"_s << WriteTarget::DataFile << notAFile;
        QTest::newRow("output through a link") << u"link"_s << WriteTarget::UserOutput << QString();
        QTest::newRow("output through a link to a device") << u"device link"_s << WriteTarget::UserOutput << notAFile;
        QTest::newRow("output onto a FIFO") << u"fifo"_s << WriteTarget::UserOutput << notAFile;
        QTest::newRow("output onto a folder") << u"folder"_s << WriteTarget::UserOutput << folder;
    }
    void targetsThatAreNotPlainFiles()
    {
        QFETCH(QString, kind);
        QFETCH(WriteTarget, target);
        QFETCH(QString, refusal);
        QTemporaryDir folder;
        const QString outside = folder.filePath(u"outside.ROD"_s);
        QVERIFY(write(outside, "outside"));
        QString path = folder.filePath(u"target"_s);
        if (kind == u"link"_s)
            QVERIFY(QFile::link(outside, path));
        else if (kind == u"dangling"_s)
            QVERIFY(QFile::link(folder.filePath(u"nowhere"_s), path));
        else if (kind == u"device"_s)
            path = u"/dev/null"_s;
        else if (kind == u"device link"_s)
            QVERIFY(QFile::link(u"/dev/null"_s, path));
        else if (kind == u"fifo"_s)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"folder"_s)
            QVERIFY(QDir().mkdir(path));

        const SaveResult saved = writeFileAtomically(path, "new", target);
        QCOMPARE(saved.error, refusal);
        QCOMPARE(saved.ok, refusal.isEmpty());
        QCOMPARE(contents(outside), refusal.isEmpty() ? QByteArray("new") : QByteArray("outside"));
        if (kind.contains(u"link"_s))
            QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(!QFileInfo(folder.filePath(u"nowhere"_s)).exists());
    }

    // A ROLL.SEW written on Windows: backslashes separate folders, and a drive
    // or server this computer lacks is never made into a folder name.
    void windowsDataFolders_data()
    {
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<bool>("unreachable");
        QTest::addColumn<QString>("resolved"); // under the temporary folder; empty: nothing may be created
        QTest::newRow("drive") << u"C:\\ROLL\\DATA"_s << true << QString();
        QTest::newRow("drive, forward slashes") << u"d:/ROLL"_s << true << QString();
        QTest::newRow("drive-relative") << u"C:DATA"_s << true << QString();
        QTest::newRow("server") << u"\\\\server\\share\\ROLL"_s << true << QString();
        QTest::newRow("relative with backslashes") << u"..\\DATA\\2026"_s << false << u"DATA/2026"_s;
        QTest::newRow("plain") << u"DATA"_s << false << u"work/DATA"_s;
    }
    void windowsDataFolders()
    {
        QFETCH(QString, dataFolder);
        QFETCH(QString, resolved);
        QTEST(isUnreachableVolumePath(dataFolder), "unreachable");
        QTemporaryDir folder;
        const QString work = folder.filePath(u"work"_s);
        QVERIFY(QDir().mkdir(work));
        const std::optional<QStringList> missing = missingFolders(absoluteFolderPath(work, dataFolder));
        if (resolved.isEmpty()) {
            QVERIFY(!missing);
            return;
        }
        QVERIFY(missing && createFolders(*missing));
        QVERIFY(QFileInfo(folder.filePath(resolved)).isDir());
    }
};

VELTRA_TEST(AtomicWriteTest)
#include "atomicwrite_test.moc"
