#include "shell/windows/environmentdialog.h"
#include "shell/windows/folderdialog.h"
#include "shell/windows/helpwindow.h"
#include "shell/windows/monthdialog.h"
#include "shell/windows/printerchoice.h"
#include "shell/windows/versiondialog.h"
#include "ui/qttranslations.h"
#include "ui/twips.h"

#include "data/settingsstore.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QDialog> openDialog(const QString &name, ShellFixture &fixture)
{
    if (name == u"F_SET"_s)
        return std::make_unique<MonthDialog>(fixture.session, fixture.test.platform);
    if (name == u"USER_SET"_s)
        return std::make_unique<EnvironmentDialog>(fixture.session, fixture.test.platform);
    return std::make_unique<FolderDialog>(fixture.session, fixture.test.platform, QString());
}

QPoint pixels(const QWidget &window, int leftTwips, int topTwips)
{
    return {twipsToPixels(leftTwips, window.logicalDpiX()), twipsToPixels(topTwips, window.logicalDpiY())};
}

void addDialogColumn()
{
    QTest::addColumn<QString>("window");
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void positionIsRestoredOnTheScreen_data()
    {
        addDialogColumn();
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<QString>("storedTop");
        QTest::addColumn<QPoint>("twips");
        // The test screen is 28800 × 16200 twips.
        for (const QString &window : {u"F_SET"_s, u"USER_SET"_s, u"DF_SET"_s}) {
            auto row = [&](const char *name) { return &QTest::addRow("%s %s", qPrintable(window), name); };
            *row("on the screen") << window << u"1500"_s << u"3000"_s << QPoint(1500, 3000);
            *row("left beyond the screen") << window << u"30000"_s << u"3000"_s << QPoint(0, 3000);
            *row("top beyond the screen") << window << u"1500"_s << u"15300"_s << QPoint(1500, 0);
            *row("last place on the screen") << window << u"27800"_s << u"15200"_s << QPoint(27800, 15200);
        }
    }
    void positionIsRestoredOnTheScreen()
    {
        QFETCH(QString, window);
        QFETCH(QString, storedLeft);
        QFETCH(QString, storedTop);
        QFETCH(QPoint, twips);
        ShellFixture fixture;
        fixture.test.store.setValue(u"Position"_s, window + u" Left"_s, storedLeft);
        fixture.test.store.setValue(u"Position"_s, window + u" Top"_s, storedTop);
        std::unique_ptr<QDialog> dialog = openDialog(window, fixture);
        QCOMPARE(dialog->objectName(), window);
        dialog->show();
        QCOMPARE(dialog->geometry().topLeft(), pixels(*dialog, twips.x(), twips.y())); // the test screen has no frames
    }

    void positionIsSavedHoweverTheDialogCloses_data()
    {
        addDialogColumn();
        QTest::addColumn<bool>("accepted");
        for (const QString &window : {u"F_SET"_s, u"USER_SET"_s, u"DF_SET"_s}) {
            QTest::addRow("%s accepted", qPrintable(window)) << window << true;
            QTest::addRow("%s closed", qPrintable(window)) << window << false;
        }
    }
    void positionIsSavedHoweverTheDialogCloses()
    {
        QFETCH(QString, window);
        QFETCH(bool, accepted);
        ShellFixture fixture;
        std::unique_ptr<QDialog> dialog = openDialog(window, fixture);
        dialog->show();
        dialog->setGeometry(QRect(pixels(*dialog, 2400, 1200), dialog->size()));
        if (accepted)
            dialog->accept();
        else
            dialog->close();
        QCOMPARE(fixture.test.store.value(u"Position"_s, window + u" Left"_s), u"2400"_s);
        QCOMPARE(fixture.test.store.value(u"Position"_s, window + u" Top"_s), u"1200"_s);
    }

    void versionDialog()
    {
        VersionDialog dialog;
        QCOMPARE(dialog.objectName(), u"VER_FORM"_s);
        QCOMPARE(dialog.windowTitle(), u"バージョン情報"_s);
        QCOMPARE(named<QLabel>(dialog, u"Label1"_s)->text(), u"ヴェルトラ"_s);
        QCOMPARE(named<QLabel>(dialog, u"Label2"_s)->text(), u"Version 1.00   100.4.724"_s);
        QVERIFY(named<QLabel>(dialog, u"Label3"_s)->text().isEmpty());
    }

    void versionLineDoubleClickTogglesTheLowerPart()
    {
        VersionDialog dialog;
        dialog.show();
        const int shortHeight = twipsToPixels(2150, dialog.logicalDpiY());
        const int tallHeight = twipsToPixels(2800, dialog.logicalDpiY());
        QLabel *version = named<QLabel>(dialog, u"Label2"_s);
        QLabel *lower = named<QLabel>(dialog, u"Label4"_s);
        QCOMPARE(dialog.height(), shortHeight);
        QVERIFY(!lower->isVisible());
        QTest::mouseDClick(version, Qt::LeftButton);
        QCOMPARE(dialog.height(), tallHeight);
        QVERIFY(lower->isVisible());
        QVERIFY(!lower->text().isEmpty());
        QTest::mouseDClick(version, Qt::LeftButton);
        QCOMPARE(dialog.height(), shortHeight);
        QVERIFY(!lower->isVisible());
    }

    void helpHoldsTheManualWithTopicsAndSearch()
    {
        HelpWindow help;
        QListWidget *topics = named<QListWidget>(help, u"TOPICS"_s);
        QVERIFY(topics->count() >= 8);
        QVERIFY(help.findNext(u"休日設定"_s));
        QVERIFY(named<QLabel>(help, u"FIND_NOTE"_s)->text().isEmpty());
        QVERIFY(!help.findNext(u"存在しない語句ＸＹＺ"_s));
        QCOMPARE(named<QLabel>(help, u"FIND_NOTE"_s)->text(), u"「存在しない語句ＸＹＺ」は見つかりません"_s);
        help.showSearchPage();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(named(help, u"FIND"_s), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    // Qt's own dialogs speak Japanese, and the printer set-up does not offer to print.
    void printerSetUpInJapanese()
    {
        const std::unique_ptr<QTranslator> translations = loadQtTranslations();
        QVERIFY2(translations, "qtbase_ja.qm is not installed (qt6-translations-l10n)");
        QCoreApplication::installTranslator(translations.get());
        QStringList captions;
        NextModalDialog handler([&](QDialog &dialog) {
            for (const QPushButton *button : dialog.findChildren<QPushButton *>()) {
                if (button->isVisible())
                    captions.append(button->text());
            }
            dialog.reject();
        });
        PrinterChoice printers;
        printers.runSetup(nullptr);
        QCoreApplication::removeTranslator(translations.get());
        QVERIFY2(captions.contains(u"キャンセル"_s), qPrintable(captions.join(u' ')));
        QVERIFY2(captions.contains(u"ＯＫ"_s), qPrintable(captions.join(u' ')));
        for (const QString &caption : captions)
            QVERIFY2(!caption.contains(u"印刷"_s) && !caption.contains(u"Print"_s), qPrintable(caption));
    }
};

VELTRA_TEST(DialogsTest)
#include "dialogs_test.moc"
