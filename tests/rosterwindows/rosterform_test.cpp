#include "../editor/editorwindow.h"
#include "roster/windows/rosterform.h"
#include "testregistry.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

// MEIBO_F over a register editor: each source fills the open month, the
// sheet is refreshed when the window closes, and 元に戻す takes the whole
// import back.
class RosterFormTest : public QObject
{
    Q_OBJECT

private:
    struct RosterWindow : EditorWindow
    {
        std::unique_ptr<RosterForm> roster;

        explicit RosterWindow(int month = 4)
            : EditorWindow(OrdinaryClass, 16, month)
        {
            session.Settings.WorkFolder = test.folder.path();
            session.State.YearFolder = test.folder.filePath(u"2004"_s);
        }

        void openRoster()
        {
            roster = std::make_unique<RosterForm>(session, test.platform, [this] { form->RefreshSheet(); });
            roster->show();
        }

        template<class Widget = QWidget> Widget *rosterControl(const QString &name) const
        {
            auto *widget = roster->findChild<Widget *>(name);
            if (!widget)
                qFatal("no control %s", qPrintable(name));
            return widget;
        }
        void clickRoster(const QString &name) const
        {
            QTest::mouseClick(rosterControl<QAbstractButton>(name), Qt::LeftButton);
        }

        QString writeMonth(int month, const QStringList &names)
        {
            RegisterMonth other;
            for (const QString &name : names) {
                other.Pupils[other.PupilCount].Name = name;
                other.Pupils[other.PupilCount++].Sex = u"女"_s;
            }
            const QString path = QDir(session.State.MonthFolder).filePath(MonthFile::fileName(2004, month));
            if (!MonthFile::save(path, other).ok)
                qFatal("cannot write %s", qPrintable(path));
            return path;
        }

        QStringList pupils() const
        {
            QStringList names;
            for (int i = 0; i < session.Register.PupilCount; ++i)
                names.append(session.Register.Pupils[i].Name);
            return names;
        }

        void undo() const { control<QAction>(u"UNDO"_s)->trigger(); }
    };

private slots:
    void textListIsImportedAndUndoneAsOneStep()
    {
        RosterWindow window;
        window.addPupils(1);
        window.open();
        const QString list = window.test.folder.filePath(u"names.txt"_s);
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(u"\uFEFF氏名\r\n山田　太郎\r\n髙橋　花子\r\n"_s.toUtf8());
        file.close();

        window.openRoster();
        QVERIFY(!window.rosterControl(u"OPT11"_s)->isVisible());
        window.clickRoster(u"OPT1_2"_s);
        QVERIFY(window.rosterControl(u"OPT11"_s)->isVisible());
        window.test.prompts.fileNames = {list};
        window.clickRoster(u"BLOAD"_s);
        QVERIFY(!window.roster->isVisible());
        QCOMPARE(window.pupils(), (QStringList{u"児童1"_s, u"山田　太郎"_s, u"髙橋　花子"_s}));
        QCOMPARE(window.session.Register.Pupils[2].Sex, u"男"_s);
        QCOMPARE(window.test.prompts.statusTexts, QStringList{u"2名を読み込みました（男2名・女0名）"_s});

        window.undo();
        QCOMPARE(window.pupils(), QStringList{u"児童1"_s});
    }

    void lastMonthAsksBeforeReplacing()
    {
        RosterWindow window(5);
        window.addPupils(2);
        window.open();
        window.writeMonth(4, {u"先月の一"_s, u"先月の二"_s});
        const QString question = u"今月の名簿を先月の名簿で置き換えます。入力済みの記号も消えます。よろしいですか？"_s;

        window.openRoster();
        window.clickRoster(u"OPT1_0"_s);
        window.test.prompts.answers = {PromptAnswer::No};
        window.clickRoster(u"BLOAD"_s);
        QCOMPARE(window.test.prompts.messages.value(0).text, question);
        QCOMPARE(window.pupils(), (QStringList{u"児童1"_s, u"児童2"_s}));

        window.openRoster();
        window.clickRoster(u"OPT1_0"_s);
        window.clickRoster(u"BLOAD"_s);
        QCOMPARE(window.pupils(), (QStringList{u"先月の一"_s, u"先月の二"_s}));
        window.undo();
        QCOMPARE(window.pupils(), (QStringList{u"児童1"_s, u"児童2"_s}));
    }

    void chosenCandidatesAreAppended()
    {
        RosterWindow window;
        window.open();
        const QString other = window.writeMonth(6, {u"甲"_s, u"乙"_s, u"丙"_s});
        window.openRoster();
        window.clickRoster(u"OPT1_3"_s);
        window.test.prompts.fileNames = {other};
        window.clickRoster(u"BLOAD"_s);
        QVERIFY(window.roster->isVisible());
        auto *list = window.rosterControl<QListWidget>(u"List1"_s);
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 3);

        window.clickRoster(u"B_ALL"_s);
        QCOMPARE(list->selectedItems().size(), 3);
        window.clickRoster(u"B_ALL"_s);
        QCOMPARE(list->selectedItems().size(), 0);
        list->item(0)->setSelected(true);
        list->item(2)->setSelected(true);
        window.clickRoster(u"B_ADD"_s);
        QVERIFY(!window.roster->isVisible());
        QCOMPARE(window.pupils(), (QStringList{u"甲"_s, u"丙"_s}));
        QCOMPARE(window.session.Register.Pupils[1].Sex, u"女"_s);
    }

    void rosterFilesAreOfferedOnlyWhenTheYearHasThem()
    {
        RosterWindow window;
        window.open();
        window.openRoster();
        QVERIFY(!window.rosterControl(u"OPT1_1"_s)->isVisible());
        QDir().mkpath(window.session.State.YearFolder);
        QFile file(QDir(window.session.State.YearFolder).filePath(u"2004_1.STD"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        window.openRoster();
        QVERIFY(window.rosterControl(u"OPT1_1"_s)->isVisible());
    }
};

VELTRA_TEST(RosterFormTest)
#include "rosterform_test.moc"
