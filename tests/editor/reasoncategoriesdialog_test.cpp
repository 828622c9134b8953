#include "data/cp932.h"
#include "data/marktable.h"
#include "data/session.h"
#include "register/windows/reasoncategoriesdialog.h"
#include "testplatform.h"
#include "testregistry.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// 欠席理由の設定: the school adds and removes categories of its own, and only
// those, and they reach REASONS.CSD and the open session on ＯＫ.
class ReasonCategoriesDialogTest : public QObject
{
    Q_OBJECT

    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

private slots:
    void theSchoolKeepsItsOwnCategories()
    {
        TestPlatform test;
        Session session;
        session.Settings.WorkFolder = test.folder.path();
        ReasonCategoriesDialog dialog(session, test.platform, nullptr);
        auto *mark = dialog.findChild<QComboBox *>(u"REASON_MARK"_s);
        auto *list = dialog.findChild<QListWidget *>(u"REASON_LIST"_s);
        auto *name = dialog.findChild<QLineEdit *>(u"REASON_NEW"_s);
        auto *remove = dialog.findChild<QPushButton *>(u"REASON_REMOVE"_s);
        const auto add = [&](const QString &text) {
            name->setText(text);
            QTest::mouseClick(dialog.findChild<QPushButton *>(u"REASON_ADD"_s), Qt::LeftButton);
            return dialog.findChild<QLabel *>(u"REASON_REFUSAL"_s)->text();
        };

        mark->setCurrentIndex(mark->findData(int(MarkCode::SuspensionInfection)));
        QCOMPARE(list->count(), 6);
        QCOMPARE(add(u"インフルエンザ"_s), u"「インフルエンザ」はすでにあります"_s);
        QCOMPARE(add(u"麻しん"_s), QString());
        QCOMPARE(add(u"百日せき"_s), QString());
        QCOMPARE(list->item(7)->text(), u"百日せき（学校で追加）"_s);
        list->setCurrentRow(0);
        QVERIFY(!remove->isEnabled()); // the surveillance list stays whole
        list->setCurrentRow(6);
        QVERIFY(remove->isEnabled());
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 7);

        QTest::mouseClick(dialog.findChild<QPushButton *>(u"REASON_SAVE"_s), Qt::LeftButton);
        QCOMPARE(fileBytes(test.folder.filePath(u"REASONS.CSD"_s)), Cp932::encode(u"ホ,\"百日せき\"\r\n"_s));
        QVERIFY(session.ReasonLists.forMark(MarkCode::SuspensionInfection).contains(u"百日せき"_s));
    }

    void anUnreadableFileIsNeverWrittenOver()
    {
        TestPlatform test;
        Session session;
        session.Settings.WorkFolder = test.folder.path();
        const QString path = test.folder.filePath(u"REASONS.CSD"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("X,\"unknown mark\"\r\n");
        file.close();
        ReasonCategoriesDialog dialog(session, test.platform, nullptr);
        QVERIFY(!dialog.findChild<QPushButton *>(u"REASON_ADD"_s)->isEnabled());
        QTest::mouseClick(dialog.findChild<QPushButton *>(u"REASON_SAVE"_s), Qt::LeftButton);
        QCOMPARE(fileBytes(path), QByteArray("X,\"unknown mark\"\r\n"));
    }
};

VELTRA_TEST(ReasonCategoriesDialogTest)
#include "reasoncategoriesdialog_test.moc"
