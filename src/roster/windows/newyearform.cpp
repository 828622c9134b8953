#include "newyearform.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/erayearentry.h"
#include "ui/platform.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString WindowName = u"NEW_YEAR"_s;
const QStringList GridHeadings{u"区分"_s, u"クラス"_s, u"移る先"_s, u"人数"_s, u"児童・理由"_s};
constexpr int GridColumnWidths[] = {90, 120, 120, 50}; // pixels; the last column takes the rest

QString pupilCount(qsizetype pupils)
{
    return u"%1名"_s.arg(pupils);
}

QString gradeNote(int grade)
{
    return grade > 0 ? u"（新%1年）"_s.arg(grade) : u"（学年不明）"_s;
}

} // namespace

NewYearForm::NewYearForm(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, WindowName, parent)
    , m_session(session)
{
    setWindowTitle(u"年度更新"_s);
    createControls();
    m_year->showSchoolYear(proposedNewYearSource(m_platform.clock.today()));
    showPlan();
}

void NewYearForm::createControls()
{
    m_year = new EraYearEntry(this);
    m_target = namedLabel(u"LABEL_TO"_s, QString(), this);
    m_show = namedChild<QPushButton>(this, u"B_PLAN"_s, u"計画を表示"_s);
    m_grid = namedChild<QTableWidget>(this, u"GRID1"_s, 0, int(GridHeadings.size()));
    m_ok = namedChild<QPushButton>(this, u"OK"_s, u"ＯＫ"_s);
    m_undo = namedChild<QPushButton>(this, u"B_UNDO"_s, u"元に戻す"_s);
    auto *close = namedChild<QPushButton>(this, u"B_CLOSE"_s, u"閉じる"_s);

    m_grid->setHorizontalHeaderLabels(GridHeadings);
    m_grid->setAccessibleName(u"年度更新の計画"_s);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setTabKeyNavigation(false);
    m_grid->setWordWrap(false);
    for (int column = 0; column < int(std::size(GridColumnWidths)); ++column)
        m_grid->setColumnWidth(column, GridColumnWidths[column]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_undo->setEnabled(false);
    for (QPushButton *button : {m_show, m_ok, m_undo, close})
        button->setAutoDefault(false);

    auto *yearRow = new QHBoxLayout;
    QLabel *yearLabel = namedLabel(u"Label1"_s, u"進級させる年度"_s, this);
    yearLabel->setBuddy(m_year->yearBox());
    yearRow->addWidget(yearLabel);
    m_year->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    yearRow->addWidget(m_year);
    yearRow->addWidget(namedLabel(u"Label2"_s, u"年度"_s, this));
    yearRow->addSpacing(12);
    yearRow->addWidget(m_target);
    yearRow->addStretch();
    yearRow->addWidget(m_show);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(namedLabel(
        u"Label3"_s, u"ＯＫで4月の出席簿を作ります。この画面を閉じるまでは「元に戻す」で取り消せます。"_s, this));
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_undo);
    buttons->addWidget(close);

    auto *layout = new QGridLayout(this);
    layout->addLayout(yearRow, 0, 0);
    layout->addWidget(m_grid, 1, 0);
    layout->addLayout(buttons, 2, 0);
    // Wide enough for a class's names where the screen allows.
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    resize(std::min(900, shownOn->availableGeometry().width() - 100), 480);

    connect(m_year->yearBox(), &QLineEdit::editingFinished, m_year, &EraYearEntry::followSchoolYear);
    connect(m_year->yearBox(), &QLineEdit::returnPressed, this, &NewYearForm::showPlan);
    connect(m_show, &QPushButton::clicked, this, &NewYearForm::showPlan);
    connect(m_ok, &QPushButton::clicked, this, &NewYearForm::writePlan);
    connect(m_undo, &QPushButton::clicked, this, &NewYearForm::undoWriting);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

std::optional<int> NewYearForm::chosenYear()
{
    m_year->followSchoolYear();
    const std::optional<int> year = m_year->gregorianYear();
    if (!year)
        return std::nullopt;
    if (const QString refusal = m_year->schoolYearRefusal(); !refusal.isEmpty()) {
        tell(m_platform, this, refusal, PromptIcon::Warning);
        return std::nullopt;
    }
    if (const auto unreachable = unreachableDataFolder(m_session.Settings.DataFolder)) {
        tell(m_platform, this, *unreachable, PromptIcon::Warning);
        return std::nullopt;
    }
    return year;
}

std::optional<NewYearPlan> NewYearForm::readPlan()
{
    const std::optional<int> year = chosenYear();
    if (!year)
        return std::nullopt;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ClassList &classes = m_session.Classes;
    NewYearPlan plan = planNewSchoolYear(classes, readClassYearEnds(m_session.Settings, classes, *year), *year);
    QApplication::restoreOverrideCursor();
    return plan;
}

void NewYearForm::showPlan()
{
    m_plan = readPlan();
    if (m_plan)
        fillGrid(*m_plan);
    else
        m_grid->setRowCount(0);
    m_target->setText(m_plan ? u"→ %1の出席簿へ"_s.arg(JapaneseEra::monthTitle(m_plan->schoolYear + 1, 4)) : QString());
    m_ok->setEnabled(m_plan.has_value());
}

QList<QStringList> NewYearForm::planRows(const NewYearPlan &plan)
{
    QList<QStringList> rows;
    for (const NewYearMove &item : plan.moves) {
        QStringList names;
        for (const PupilRecord &pupil : item.pupils)
            names.append(pupil.Name);
        rows.append({u"進級"_s, item.from, item.to, pupilCount(item.pupils.size()), names.join(u"、"_s)});
    }
    for (const NewYearGraduates &item : plan.graduates)
        rows.append({u"卒業"_s, item.classTitle, QString(), pupilCount(item.pupils), QString()});
    for (const NewYearNotPlaced &item : plan.notPlaced)
        rows.append({u"移る先なし"_s, item.classTitle, QString(), pupilCount(1), item.name + gradeNote(item.grade)});
    for (const NewYearSkipped &item : plan.skipped)
        rows.append({u"対象外"_s, item.classTitle, QString(), QString(), item.reason});
    return rows;
}

void NewYearForm::fillGrid(const NewYearPlan &plan)
{
    const QList<QStringList> rows = planRows(plan);
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            item->setToolTip(rows[row][column]);
            m_grid->setItem(row, column, item);
        }
    }
}

void NewYearForm::writePlan()
{
    const std::optional<NewYearPlan> plan = readPlan();
    if (!plan)
        return;
    if (!m_plan || planRows(*plan) != planRows(*m_plan)) {
        m_plan = plan;
        fillGrid(*plan);
        tell(m_platform, this, u"計画が変わりました。内容を確かめてから、もう一度ＯＫを押してください"_s);
        return;
    }
    if (plan->moves.isEmpty()) {
        tell(m_platform, this, u"4月の出席簿に移る児童がいません"_s);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const NewYearWriteResult result = writeNewSchoolYear(m_session.Settings, *plan);
    QApplication::restoreOverrideCursor();
    m_written.append(result.written);
    m_undo->setEnabled(!m_written.isEmpty());
    m_ok->setEnabled(false);
    const QString written = u"%1クラスの4月の出席簿を作りました"_s.arg(result.written.size());
    if (result.ok()) {
        tell(m_platform, this, written, PromptIcon::Information);
        return;
    }
    tell(m_platform, this,
         written + u"\n次のクラスは書き込めませんでした（%1）\n"_s.arg(result.failure)
             + result.notWritten.join(u"、"_s),
         PromptIcon::Warning);
}

void NewYearForm::undoWriting()
{
    if (m_written.isEmpty())
        return;
    const PromptMessage question{u"作った%1クラスの4月の出席簿を取り消します"_s.arg(m_written.size()), ProgramTitle,
                                 PromptIcon::Question, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) == PromptAnswer::No)
        return;
    const QStringList kept = undoNewSchoolYear(m_written);
    // What was kept can be tried again, once another computer has closed it.
    m_written.removeIf([&](const NewYearWrittenFile &file) { return !kept.contains(file.path); });
    m_undo->setEnabled(!m_written.isEmpty());
    if (kept.isEmpty()) {
        tell(m_platform, this, u"作った4月の出席簿を取り消しました"_s, PromptIcon::Information);
    } else {
        QStringList paths;
        for (const QString &path : kept)
            paths.append(QDir::toNativeSeparators(path));
        tell(m_platform, this,
             u"次のファイルは、作った後に変更されたか、ほかのパソコンで開かれているため、取り消していません\n"_s
                 + paths.join(u'\n'),
             PromptIcon::Warning);
    }
    showPlan();
}
