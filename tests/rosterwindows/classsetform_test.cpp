#include "data/classlistfile.h"
#include "data/session.h"
#include "data/storedtext.h"
#include "roster/windows/classsetform.h"
#include "testplatform.h"
#include "testregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// CLASS_SET driven by its controls: the boxes of each kind, adding, deleting
// selected rows, and the list written to CLASS.CSD however the window closes.
class ClassSetFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestPlatform> m_test;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<ClassSetForm> m_form;

    template<class Widget = QWidget> Widget *control(const QString &name) const
    {
        auto *widget = m_form->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    void click(const QString &name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }

    // Types key by key, as an input method commits; a text holding a control
    // character, which no key carries, is pasted.
    void type(const QString &box, const QString &text) const
    {
        auto *edit = control<QLineEdit>(box);
        edit->setFocus();
        const QList<uint> characters = text.toUcs4();
        if (std::any_of(characters.begin(), characters.end(), StoredText::isControl)) {
            edit->insert(text);
            return;
        }
        for (char32_t character : characters)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
    }

    // Chooses the kind, fills the boxes it shows and presses 追加.
    void add(const QString &kind, const QString &grade, const QString &grade2, const QString &className,
             int category = -1) const
    {
        click(kind);
        if (!grade.isEmpty())
            type(u"TS_YEAR_0"_s, grade);
        if (!grade2.isEmpty())
            type(u"TS_YEAR_1"_s, grade2);
        if (!className.isEmpty())
            type(u"TS_CLASS"_s, className);
        if (category >= 0)
            control<QComboBox>(u"TS_SS"_s)->setCurrentIndex(category);
        click(u"B_ADD"_s);
    }

    QStringList gridRows() const
    {
        auto *grid = control<QTableWidget>(u"GRID1"_s);
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid->columnCount(); ++column)
                cells.append(grid->item(row, column)->text());
            rows.append(cells.join(u'|'));
        }
        return rows;
    }

    void selectRows(int first, int last) const
    {
        auto *grid = control<QTableWidget>(u"GRID1"_s);
        auto clickRow = [grid](int row, Qt::KeyboardModifiers modifiers) {
            const QRect cell = grid->visualRect(grid->model()->index(row, 4));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
        };
        clickRow(first, Qt::NoModifier);
        clickRow(last, Qt::ShiftModifier);
    }

    ClassList savedList() const
    {
        ClassList saved;
        if (!ClassListFile::load(m_session->Settings.WorkFolder, saved).ok())
            qWarning("CLASS.CSD not read");
        return saved;
    }

private slots:
    void init()
    {
        m_test = std::make_unique<TestPlatform>();
        m_session = std::make_unique<Session>();
        m_session->Settings.WorkFolder = m_test->folder.path();
        m_form = std::make_unique<ClassSetForm>(*m_session, m_test->platform);
        m_form->show();
    }

    void cleanup()
    {
        m_form.reset();
        m_session.reset();
        m_test.reset();
    }

    void eachKindShowsItsBoxes()
    {
        const auto shown = [this] {
            QStringList names;
            for (const QString &name : {u"TS_YEAR_0"_s, u"TS_YEAR_1"_s, u"TS_CLASS"_s, u"TS_SS"_s})
                if (control(name)->isVisible())
                    names.append(name);
            return names;
        };
        QCOMPARE(shown(), (QStringList{u"TS_YEAR_0"_s, u"TS_CLASS"_s}));
        click(u"OPT2"_s);
        QCOMPARE(shown(), (QStringList{u"TS_CLASS"_s, u"TS_SS"_s}));
        QCOMPARE(control<QComboBox>(u"TS_SS"_s)->count(), 7);
        click(u"OPT3"_s);
        QCOMPARE(shown(), (QStringList{u"TS_YEAR_0"_s, u"TS_YEAR_1"_s}));
    }

    void classesOfTheThreeKindsAreListedInOrderAndSaved()
    {
        add(u"OPT2"_s, {}, {}, u"さくら"_s, 0);
        add(u"OPT3"_s, u"1"_s, u"2"_s, {});
        // A grade box takes one digit from 1 to 9 and nothing else.
        add(u"OPT1"_s, u" x3"_s, {}, u"2"_s);
        add(u"OPT1"_s, u"3.4"_s, {}, u"1"_s);
        QVERIFY(m_test->prompts.messages.isEmpty());
        QCOMPARE(gridRows(), (QStringList{u"1|普通|3||1||3年1組"_s, u"2|普通|3||2||3年2組"_s, u"3|複式|1|2|||1・2年"_s,
                                          u"4|特別支援|||さくら|知的|さくら(知的)"_s}));
        QVERIFY(control<QRadioButton>(u"OPT1"_s)->isChecked());
        QVERIFY(control<QLineEdit>(u"TS_YEAR_0"_s)->text().isEmpty());
        QCOMPARE(control<QComboBox>(u"TS_SS"_s)->currentIndex(), -1);

        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QVERIFY(!m_form->isVisible());
        const ClassList saved = savedList();
        QCOMPARE(saved, m_session->Classes);
        QCOMPARE(saved.Entries[0].Title, u"3年1組"_s);
        QCOMPARE(saved.Entries[1].Title, u"3年2組"_s);
    }

    // Today's categories are offered by name and stored by their short form;
    // a category an older list holds is kept as it is.
    void specialSupportCategoriesOfToday()
    {
        m_session->Classes.Entries[0] = {SpecialSupportClass, 0, 0, u"あおば"_s, u"情緒"_s, u"あおば(情緒)"_s};
        m_session->Classes.ClassCount = 1;
        m_form->FillClassGrid();
        QCOMPARE(control<QRadioButton>(u"OPT2"_s)->text(), u"特別支援"_s);
        auto *categories = control<QComboBox>(u"TS_SS"_s);
        QStringList offered;
        for (int index = 0; index < categories->count(); ++index)
            offered.append(categories->itemText(index));
        QCOMPARE(offered, (QStringList{u"知的障害"_s, u"肢体不自由"_s, u"病弱・身体虚弱"_s, u"弱視"_s, u"難聴"_s,
                                       u"言語障害"_s, u"自閉症・情緒障害"_s}));
        add(u"OPT2"_s, {}, {}, u"ひまわり"_s, 6);
        add(u"OPT2"_s, {}, {}, u"すみれ"_s, 2);
        QCOMPARE(gridRows(),
                 (QStringList{u"1|特別支援|||あおば|情緒|あおば(情緒)"_s, u"2|特別支援|||すみれ|病弱|すみれ(病弱)"_s,
                              u"3|特別支援|||ひまわり|自閉・情緒|ひまわり(自閉・情緒)"_s}));
    }

    void refusalsAreShown_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("grade2");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("message");
        QTest::newRow("ordinary") << u"OPT1"_s << u"1"_s << QString() << QString() << u"学年クラスを設定してください"_s;
        QTest::newRow("special without category")
            << u"OPT2"_s << QString() << QString() << u"さくら"_s << u"種別クラス名を設定してください"_s;
        QTest::newRow("multi-grade") << u"OPT3"_s << QString() << u"2"_s << QString() << u"学年を設定してください"_s;
        QTest::newRow("same title") << u"OPT1"_s << u"1"_s << QString() << u"1"_s
                                    << u"同じ名前のクラスが既にあります"_s;
        QTest::newRow("folder separator")
            << u"OPT1"_s << u"1"_s << QString() << u"1/2"_s << u"文字「/」(U+002F)はクラス名に使えません"_s;
        QTest::newRow("control character in the class name")
            << u"OPT1"_s << u"1"_s << QString() << u"さ\u001Bくら"_s << u"制御文字(U+001B)は使えません"_s;
    }

    void refusalsAreShown()
    {
        m_session->Classes.Entries[0] = {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s};
        m_session->Classes.ClassCount = 1;
        QFETCH(QString, kind);
        QFETCH(QString, grade);
        QFETCH(QString, grade2);
        QFETCH(QString, className);
        add(kind, grade, grade2, className);
        QCOMPARE(m_test->prompts.messages.size(), 1);
        QTEST(m_test->prompts.messages[0].text, "message");
        QCOMPARE(m_test->prompts.messages[0].title, u"ヴェルトラ"_s);
        QCOMPARE(m_session->Classes.ClassCount, 1);
    }

    void selectedRowsAreDeleted_data()
    {
        QTest::addColumn<int>("classes");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("left");
        const QString threeRows = u"3件のデータを削除します\n1年2組、1年3組、1年4組"_s;
        QTest::newRow("rows 2 to 4 of five") << 5 << 1 << 3 << threeRows << QStringList{u"1年1組"_s, u"1年5組"_s};
        QTest::newRow("selected upwards") << 5 << 3 << 1 << threeRows << QStringList{u"1年1組"_s, u"1年5組"_s};
        QTest::newRow("the only class") << 1 << 0 << 0 << u"1件のデータを削除します\n1年1組"_s << QStringList{};
    }

    void selectedRowsAreDeleted()
    {
        QFETCH(int, classes);
        QFETCH(int, first);
        QFETCH(int, last);
        for (int i = 1; i <= classes; ++i)
            add(u"OPT1"_s, u"1"_s, {}, QString::number(i));
        selectRows(first, last);
        m_test->prompts.answers = {PromptAnswer::No, PromptAnswer::Yes};
        click(u"B_DEL"_s);
        QCOMPARE(m_session->Classes.ClassCount, classes);
        click(u"B_DEL"_s);
        QTEST(m_test->prompts.messages.value(1).text, "question");
        QCOMPARE(m_test->prompts.messages.value(1).buttons, PromptButtons::YesNo);
        QStringList titles;
        for (int i = 0; i < m_session->Classes.ClassCount; ++i)
            titles.append(m_session->Classes.Entries[i].Title);
        QTEST(titles, "left");
        QCOMPARE(control<QTableWidget>(u"GRID1"_s)->rowCount(), titles.size());

        click(u"B_CLOSE"_s);
        QCOMPARE(savedList().ClassCount, titles.size());
    }

    void anUnreadableClassListIsReplacedOnlyWhenTheUserAgrees()
    {
        const QString path = ClassListFile::filePath(m_session->Settings.WorkFolder);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("damaged");
        file.close();
        m_session->ClassListUnreadable = true;
        add(u"OPT1"_s, u"1"_s, {}, u"1"_s);
        m_test->prompts.answers = {PromptAnswer::No};
        click(u"B_CLOSE"_s);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_test->prompts.messages.value(0).buttons, PromptButtons::YesNo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("damaged"));
    }
};

VELTRA_TEST(ClassSetFormTest)
#include "classsetform_test.moc"
