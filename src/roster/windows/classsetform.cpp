#include "classsetform.h"

#include "data/registerfont.h"
#include "data/session.h"
#include "roster/classlistedit.h"
#include "ui/classlistsave.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString WindowName = u"CLASS_SET"_s;
constexpr int ClientWidth = 6120; // twips
constexpr int ClientHeight = 4800;
constexpr int GridRowHeight = 255;
constexpr int GridColumnWidths[] = {400, 1000, 500, 500, 1200, 500, 1500};
enum GridColumn { NumberColumn, KindColumn, GradeColumn, Grade2Column, ClassColumn, CategoryColumn, TitleColumn };

// Format "#": a grade of 0 shows blank.
QString gradeText(qint16 grade)
{
    return grade == 0 ? QString() : QString::number(grade);
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

ClassSetForm::ClassSetForm(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, WindowName, parent)
    , m_session(session)
{
    setWindowTitle(u"クラス設定"_s);
    setFont(QFont(RegisterFontFamily, 9));
    createControls();
    placeControls();
    resetBoxes();
    FillClassGrid();
}

void ClassSetForm::createControls()
{
    m_ordinary = namedChild<QRadioButton>(this, u"OPT1"_s, u"普通"_s);
    m_special = namedChild<QRadioButton>(this, u"OPT2"_s, u"特別支援"_s);
    m_multiGrade = namedChild<QRadioButton>(this, u"OPT3"_s, u"複式"_s);
    m_gradeLabel = namedChild<QLabel>(this, u"Label3"_s, u"学年"_s);
    m_grade = namedChild<QLineEdit>(this, u"TS_YEAR_0"_s);
    m_grade2 = namedChild<QLineEdit>(this, u"TS_YEAR_1"_s);
    m_classLabel = namedChild<QLabel>(this, u"Label7"_s, u"クラス名"_s);
    m_className = namedChild<QLineEdit>(this, u"TS_CLASS"_s);
    m_categoryLabel = namedChild<QLabel>(this, u"Label8"_s, u"種別"_s);
    m_category = namedChild<QComboBox>(this, u"TS_SS"_s);
    m_add = namedChild<QPushButton>(this, u"B_ADD"_s, u"追加"_s);
    m_delete = namedChild<QPushButton>(this, u"B_DEL"_s, u"削除"_s);
    m_close = namedChild<QPushButton>(this, u"B_CLOSE"_s, u"閉じる"_s);
    m_grid = namedChild<QTableWidget>(this, u"GRID1"_s, 0, int(std::size(GridColumnWidths)));

    for (const SpecialSupportCategory &category : specialSupportCategories())
        m_category->addItem(category.name, category.shortName);
    // One digit a grade box: "x" or "12" would make a title such as "x年3組".
    for (QLineEdit *grade : {m_grade, m_grade2}) {
        grade->setMaxLength(1);
        grade->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[1-9１-９]"_s), grade));
    }
    m_gradeLabel->setBuddy(m_grade);
    m_grade2->setAccessibleName(u"2つ目の学年"_s);
    m_grid->setAccessibleName(u"クラスの一覧"_s);
    m_grid->setTabKeyNavigation(false);
    m_classLabel->setBuddy(m_className);
    m_categoryLabel->setBuddy(m_category);
    m_grid->setHorizontalHeaderLabels({u"NO"_s, QString(), u"学年"_s, u"学年"_s, u"クラス"_s, QString(), u"表示名"_s});
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_add->setDefault(true);
    for (QPushButton *button : {m_delete, m_close})
        button->setAutoDefault(false);

    for (QRadioButton *kind : {m_ordinary, m_special, m_multiGrade})
        connect(kind, &QRadioButton::toggled, this, [this] { showBoxesOfKind(); });
    connect(m_add, &QPushButton::clicked, this, [this] { addClassFromBoxes(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteSelectedClasses(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void ClassSetForm::placeControls()
{
    const TwipsPlacement twips(*this);
    const auto place = [&](QWidget *widget, int left, int top, int width, int height) {
        twips.place(widget, left, top, width, height);
    };
    setFixedSize(twips.x(ClientWidth), twips.y(ClientHeight));
    place(m_ordinary, 240, 120, 1200, 285);
    place(m_special, 240, 480, 1200, 285);
    place(m_multiGrade, 240, 840, 1200, 285);
    place(m_gradeLabel, 1560, 120, 840, 285);
    place(m_grade, 2400, 120, 420, 285);
    place(m_grade2, 2880, 120, 420, 285);
    place(m_classLabel, 1560, 480, 840, 285);
    place(m_className, 2400, 480, 1200, 285);
    place(m_categoryLabel, 1560, 840, 840, 285);
    place(m_category, 2400, 840, 2040, 315);
    place(m_add, 4680, 120, 1095, 375);
    place(m_delete, 4680, 600, 1095, 375);
    place(m_close, 4680, 1080, 1095, 375);
    place(m_grid, 120, 1560, ClientWidth - 240, ClientHeight - 1560 - 120);

    const int rowHeight = twips.y(GridRowHeight);
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);
    for (int column = 0; column < int(std::size(GridColumnWidths)); ++column)
        m_grid->setColumnWidth(column, twips.x(GridColumnWidths[column]));
}

qint16 ClassSetForm::chosenKind() const
{
    if (m_special->isChecked())
        return SpecialSupportClass;
    return m_multiGrade->isChecked() ? MultiGradeClass : OrdinaryClass;
}

void ClassSetForm::showBoxesOfKind()
{
    const qint16 kind = chosenKind();
    const bool grades = kind != SpecialSupportClass;
    const bool className = kind != MultiGradeClass;
    m_gradeLabel->setVisible(grades);
    m_grade->setVisible(grades);
    m_grade2->setVisible(kind == MultiGradeClass);
    m_classLabel->setVisible(className);
    m_className->setVisible(className);
    m_categoryLabel->setVisible(kind == SpecialSupportClass);
    m_category->setVisible(kind == SpecialSupportClass);
}

void ClassSetForm::resetBoxes()
{
    m_ordinary->setChecked(true);
    m_grade->clear();
    m_grade2->clear();
    m_className->clear();
    m_category->setCurrentIndex(-1);
    showBoxesOfKind();
}

void ClassSetForm::FillClassGrid()
{
    ClassList &classes = m_session.Classes;
    SortClassList(classes);
    m_grid->clearSelection();
    m_grid->setRowCount(classes.ClassCount);
    for (int row = 0; row < classes.ClassCount; ++row) {
        const ClassEntry &entry = classes.Entries[row];
        m_grid->setItem(row, NumberColumn, cell(QString::number(row + 1)));
        m_grid->setItem(row, KindColumn, cell(classKindName(entry.Kind)));
        m_grid->setItem(row, GradeColumn, cell(gradeText(entry.Grade), Qt::AlignHCenter));
        m_grid->setItem(row, Grade2Column, cell(gradeText(entry.Grade2), Qt::AlignHCenter));
        m_grid->setItem(row, ClassColumn, cell(entry.ClassName));
        m_grid->setItem(row, CategoryColumn, cell(entry.Category));
        m_grid->setItem(row, TitleColumn, cell(entry.Title));
    }
}

void ClassSetForm::addClassFromBoxes()
{
    const ClassInput input{chosenKind(), m_grade->text(), m_grade2->text(), m_className->text(),
                           m_category->currentData().toString()};
    const ClassFromInput made = classFromInput(input);
    if (!made.entry) {
        tell(m_platform, this, made.refusal);
        return;
    }
    if (const auto refused = addClass(m_session.Classes, *made.entry)) {
        tell(m_platform, this, *refused);
        return;
    }
    FillClassGrid();
    resetBoxes();
}

void ClassSetForm::deleteSelectedClasses()
{
    const auto span = selectedRowSpan(*m_grid);
    if (!span)
        return;
    const int first = span->first;
    const int last = std::min<int>(span->second, m_session.Classes.ClassCount - 1);
    if (last < first)
        return;
    QStringList titles;
    for (int row = first; row <= last; ++row)
        titles.append(m_session.Classes.Entries[row].Title);
    const PromptMessage question{u"%1件のデータを削除します\n"_s.arg(titles.size()) + titles.join(u"、"_s),
                                 ProgramTitle, PromptIcon::Question, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) == PromptAnswer::No)
        return;
    deleteClasses(m_session.Classes, first, last);
    FillClassGrid();
}

void ClassSetForm::done(int result)
{
    saveClassList(m_session, m_platform, this);
    RememberedDialog::done(result);
}
