#include "../shell/shellfixture.h"
#include "data/monthfile.h"
#include "register/monthlock.h"
#include "roster/newschoolyear.h"
#include "roster/windows/newyearform.h"
#include "shell/windows/mainwindow.h"
#include "testregistry.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

// NEW_YEAR on a school of three ordinary classes with their March registers
// of school year 2026: the plan is shown before anything is written, ＯＫ
// writes only the plan shown, and 元に戻す takes back what is unchanged.
class NewYearFormTest : public QObject
{
    Q_OBJECT

private:
    struct School : ShellFixture
    {
        School()
        {
            for (int grade = 1; grade <= 3; ++grade)
                addClass(u"%1年1組"_s.arg(grade), qint16(grade), u"1"_s);
            writeMarch(u"1年1組"_s, {u"山田"_s, u"森"_s});
            writeMarch(u"2年1組"_s, {u"谷"_s});
        }

        void writeMarch(const QString &title, const QStringList &names)
        {
            const QString folder = QDir(session.Settings.DataFolder).filePath(u"2026/"_s + title);
            QDir().mkpath(folder);
            RegisterMonth march;
            for (const QString &name : names)
                march.Pupils[march.PupilCount++].Name = name;
            MonthFile::save(QDir(folder).filePath(MonthFile::fileName(2027, 3)), march);
        }

        QString april(const QString &title) const { return newYearAprilPath(session.Settings, 2026, title); }

        QStringList aprilsWritten() const
        {
            QStringList titles;
            for (int grade = 1; grade <= 3; ++grade) {
                if (QFileInfo::exists(april(u"%1年1組"_s.arg(grade))))
                    titles.append(u"%1年1組"_s.arg(grade));
            }
            return titles;
        }
    };

    static QList<QStringList> gridRows(const QDialog &dialog)
    {
        const auto *grid = named<QTableWidget>(dialog, u"GRID1"_s);
        QList<QStringList> rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid->columnCount(); ++column)
                cells.append(grid->item(row, column)->text());
            rows.append(cells);
        }
        return rows;
    }

private slots:
    void okWritesOnlyThePlanShown_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("written");

        QTest::newRow("as shown") << u""_s << u"2クラスの4月の出席簿を作りました"_s
                                  << QStringList{u"2年1組"_s, u"3年1組"_s};
        QTest::newRow("a target open elsewhere is listed; the one before it stays")
            << u"lock 3年1組"_s
            << u"1クラスの4月の出席簿を作りました\n次のクラスは書き込めませんでした"
               u"（この出席簿は他のパソコンで開かれています）\n3年1組"_s
            << QStringList{u"2年1組"_s};
        const QString changed = u"計画が変わりました。内容を確かめてから、もう一度ＯＫを押してください"_s;
        QTest::newRow("a March changed since the plan was shown") << u"march"_s << changed << QStringList{};
        QTest::newRow("another year typed without showing its plan") << u"year"_s << changed << QStringList{};
    }
    void okWritesOnlyThePlanShown()
    {
        QFETCH(QString, before);
        QFETCH(QString, message);
        QFETCH(QStringList, written);
        School school;
        NewYearForm form(school.session, school.test.platform);
        form.show();
        QCOMPARE(gridRows(form), (QList<QStringList>{
                                     {u"進級"_s, u"1年1組"_s, u"2年1組"_s, u"2名"_s, u"山田、森"_s},
                                     {u"進級"_s, u"2年1組"_s, u"3年1組"_s, u"1名"_s, u"谷"_s},
                                     {u"対象外"_s, u"3年1組"_s, u""_s, u""_s, u"読み込める出席簿がありません"_s},
                                 }));
        QCOMPARE(named<QLabel>(form, u"LABEL_TO"_s)->text(), u"→ 令和9年4月の出席簿へ"_s);
        QCOMPARE(school.aprilsWritten(), QStringList{});

        MonthLock other(school.april(u"3年1組"_s));
        if (before == u"lock 3年1組"_s) {
            QDir().mkpath(QFileInfo(school.april(u"3年1組"_s)).absolutePath());
            QCOMPARE(other.take(), MonthLock::Outcome::Taken);
        } else if (before == u"march"_s) {
            school.writeMarch(u"2年1組"_s, {u"谷"_s, u"川口"_s});
        } else if (before == u"year"_s) {
            typeInto(form, u"T_Y"_s, u"2025"_s);
        }
        click(form, u"OK"_s);
        QCOMPARE(school.test.prompts.texts(), QStringList{message});
        QCOMPARE(school.aprilsWritten(), written);
        QCOMPARE(named<QPushButton>(form, u"B_UNDO"_s)->isEnabled(), !written.isEmpty());
    }

    // Opened from 設定 in the main window; after one April was changed and
    // another opened elsewhere, 元に戻す removes only the third.
    void undoTakesBackWhatIsUnchanged()
    {
        School school;
        school.addClass(u"4年1組"_s, 4, u"1"_s);
        school.writeMarch(u"3年1組"_s, {u"林"_s});
        MainWindow window(school.session, school.test.platform); // not shown: it would load the work folder
        MonthLock other(school.april(u"4年1組"_s));
        {
            NextModalDialog handler([&](QDialog &dialog) {
                click(dialog, u"OK"_s);
                RegisterMonth changed;
                MonthFile::load(school.april(u"2年1組"_s), changed);
                changed.TeacherName = u"担任"_s;
                MonthFile::save(school.april(u"2年1組"_s), changed);
                other.take();
                click(dialog, u"B_UNDO"_s);
                click(dialog, u"B_CLOSE"_s);
            });
            named<QAction>(window, u"M0_NEW_YEAR"_s)->trigger();
        }
        QCOMPARE(school.test.prompts.texts(),
                 (QStringList{
                     u"3クラスの4月の出席簿を作りました"_s, u"作った3クラスの4月の出席簿を取り消します"_s,
                     u"次のファイルは、作った後に変更されたか、ほかのパソコンで開かれているため、取り消していません\n"_s
                         + QDir::toNativeSeparators(school.april(u"2年1組"_s)) + u'\n'
                         + QDir::toNativeSeparators(school.april(u"4年1組"_s))}));
        QCOMPARE(school.aprilsWritten(), QStringList{u"2年1組"_s});
        QVERIFY(QFileInfo::exists(school.april(u"4年1組"_s)));
    }
};

VELTRA_TEST(NewYearFormTest)
#include "newyearform_test.moc"
