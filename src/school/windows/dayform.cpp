#include "dayform.h"

#include "data/markreasons.h"
#include "data/session.h"
#include "print/pdfdocument.h"
#include "school/closurethreshold.h"
#include "school/schooldaycsv.h"
#include "school/schooldayprint.h"
#include "school/schooldaytext.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"
#include "ui/savefolder.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QStringList ClassColumns{u"学級"_s, u"在籍"_s,     u"出席"_s,      u"欠席"_s, u"病気"_s,
                               u"事故"_s, u"不良停止"_s, u"伝染停止"_s,  u"忌引"_s, u"特欠"_s,
                               u"遅刻"_s, u"早退"_s,     u"閉鎖率(%)"_s, u"状態"_s, u"最終保存"_s};
constexpr int FirstFigureColumn = 1;
constexpr int RateColumn = 12;
constexpr int StatusColumn = 13;
constexpr int SavedColumn = 14;

const QStringList SumColumns{u"学年"_s, u"在籍"_s, u"出席"_s, u"欠席"_s, u"出席停止"_s};

const QColor ClosureBackground(255, 220, 220);
const QColor ClosureText(192, 0, 0);
const QColor QuietText(110, 110, 110);

// "3　山田　花子　病　発熱・頭痛　熱が高い".
QString pupilLine(const DayPupil &pupil)
{
    QString line = u"%1　%2　%3"_s.arg(pupil.number, 2).arg(pupil.name, pupil.mark);
    if (pupil.reason)
        line += u"　"_s + MarkReasons::describe(*pupil.reason);
    return line;
}

} // namespace

DayForm::DayForm(Session &session, Platform &platform, Printer printer, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_platform(platform)
    , m_printer(std::move(printer))
{
    setObjectName(u"DAY_FORM"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    int threshold = ClosureThreshold::DefaultTenths;
    if (const LoadResult loaded = ClosureThreshold::load(m_session.Settings.WorkFolder, threshold); !loaded.ok())
        m_thresholdNote = ClosureThreshold::unreadableNote(loaded);
    m_school.thresholdTenths = threshold;
    createControls();

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"REFRESH_TIMER"_s);
    m_timer->setInterval(RefreshMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &DayForm::refresh);
    m_timer->start();
    resize(1100, 700);
    showDate(m_platform.clock.today());
}

DayForm::~DayForm() = default;

void DayForm::createControls()
{
    m_classes = namedChild<QTreeWidget>(this, u"DAY_LIST"_s);
    m_classes->setHeaderLabels(ClassColumns);
    m_classes->setRootIsDecorated(true);
    m_classes->setUniformRowHeights(true);
    m_classes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_classes->header()->setStretchLastSection(false);

    m_sums = namedChild<QTableWidget>(this, u"SUMS"_s, 0, int(SumColumns.size()));
    m_sums->setHorizontalHeaderLabels(SumColumns);
    m_sums->verticalHeader()->hide();
    m_sums->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sums->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_sums->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_sums->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_overCount = namedChild<QLabel>(this, u"OVER_COUNT"_s);
    m_notes = namedChild<QLabel>(this, u"NOTES"_s);
    m_notes->setWordWrap(true);

    auto *sums = new QHBoxLayout;
    sums->addWidget(m_sums);
    auto *side = new QVBoxLayout;
    side->addWidget(m_overCount);
    side->addWidget(m_notes, 1);
    sums->addLayout(side, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createCommandRow());
    layout->addWidget(m_classes, 1);
    layout->addLayout(sums);
}

QWidget *DayForm::createCommandRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString &name, const QString &caption, auto slot) {
        auto *created = namedChild<QPushButton>(row, name, caption);
        connect(created, &QPushButton::clicked, this, slot);
        layout->addWidget(created);
    };
    button(u"B_PREV"_s, u"前日"_s, [this] { showDate(m_school.date.addDays(-1)); });
    m_date = namedChild<QDateEdit>(row, u"T_DATE"_s);
    m_date->setCalendarPopup(true);
    m_date->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    m_date->setDisplayFormat(u"yyyy/MM/dd (ddd)"_s);
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        if (date != m_school.date)
            showDate(date);
    });
    layout->addWidget(m_date);
    button(u"B_NEXT"_s, u"翌日"_s, [this] { showDate(m_school.date.addDays(1)); });
    button(u"B_TODAY"_s, u"今日"_s, [this] { showDate(m_platform.clock.today()); });
    button(u"B_REFRESH"_s, u"更新"_s, [this] { refresh(); });
    layout->addSpacing(16);

    layout->addWidget(namedLabel(u"Label_LIMIT"_s, SchoolDayText::ClosureMark, row));
    m_threshold = namedChild<QDoubleSpinBox>(row, u"T_LIMIT"_s);
    m_threshold->setDecimals(1);
    m_threshold->setRange(ClosureThreshold::MinimumTenths / 10.0, ClosureThreshold::MaximumTenths / 10.0);
    m_threshold->setSingleStep(1);
    m_threshold->setSuffix(u" %"_s);
    m_threshold->setKeyboardTracking(false);
    m_threshold->setValue(m_school.thresholdTenths / 10.0);
    connect(m_threshold, &QDoubleSpinBox::valueChanged, this, &DayForm::changeThreshold);
    layout->addWidget(m_threshold);
    layout->addStretch();

    button(u"B_PRT"_s, u"印刷"_s, [this] {
        m_printer(
            [this](PageSurface &surface) { return PrintSchoolDay(surface, m_school, m_session.Settings.SchoolName); });
    });
    button(u"B_PDF"_s, u"PDF保存"_s,
           [this] { askAndSave(u"PDF保存"_s, u".pdf"_s, u"PDFファイル (*.pdf)"_s, &DayForm::savePdf); });
    button(u"B_CSV"_s, u"CSV保存"_s,
           [this] { askAndSave(u"CSV保存"_s, u".csv"_s, u"CSVファイル (*.csv)"_s, &DayForm::saveCsv); });
    return row;
}

void DayForm::showDate(const QDate &date)
{
    m_school = readSchoolDay(m_session.Settings, m_session.Classes, date, m_school.thresholdTenths);
    m_readAt = QTime::currentTime();
    {
        const QSignalBlocker quiet(m_date);
        m_date->setDate(date);
    }
    setWindowTitle(SchoolDayText::WindowTitle + u"　"_s + SchoolDayText::dayTitle(date));
    showSchoolDay();
}

void DayForm::refresh()
{
    showDate(m_school.date);
}

void DayForm::showSchoolDay()
{
    m_classes->clear();
    for (const ClassDay &day : std::as_const(m_school.classes))
        addClass(day);
    m_classes->expandAll();
    showSums();
    QStringList notes{m_readAt.toString(u"H:mm"_s) + u" に読み込みました"_s};
    if (!m_thresholdNote.isEmpty())
        notes.append(m_thresholdNote);
    notes += m_school.notes;
    for (const ClassDay &day : std::as_const(m_school.classes)) {
        if (day.status == ClassDayStatus::Unreadable)
            notes.append(day.detail + u": 出席簿を読み込めません"_s);
    }
    m_notes->setText(notes.join(u'\n'));
}

void DayForm::addClass(const ClassDay &day)
{
    auto *item = new QTreeWidgetItem(m_classes);
    item->setText(0, day.classEntry.Title);
    item->setText(StatusColumn, SchoolDayText::status(m_school, day));
    item->setText(SavedColumn, SchoolDayText::savedAt(day, m_school.date));
    if (!day.isRead()) {
        for (int column = 0; column < ClassColumns.size(); ++column)
            item->setForeground(column, QuietText);
        return;
    }
    const QList<int> figures = day.counts.columns();
    for (int k = 0; k < figures.size(); ++k) {
        item->setText(FirstFigureColumn + k, QString::number(figures[k]));
        item->setTextAlignment(FirstFigureColumn + k, Qt::AlignRight | Qt::AlignVCenter);
    }
    item->setText(RateColumn, SchoolDayText::closureRate(day));
    item->setTextAlignment(RateColumn, Qt::AlignRight | Qt::AlignVCenter);
    if (m_school.overThreshold(day)) {
        for (int column = 0; column < ClassColumns.size(); ++column)
            item->setBackground(column, ClosureBackground);
        item->setForeground(RateColumn, ClosureText);
        item->setForeground(StatusColumn, ClosureText);
    }
    for (const DayPupil &pupil : day.pupils) {
        auto *line = new QTreeWidgetItem(item, {pupilLine(pupil)});
        line->setFirstColumnSpanned(true);
    }
    if (!day.byCategory.isEmpty()) {
        auto *line = new QTreeWidgetItem(item, {u"理由別　"_s + SchoolDayText::categoryLine(day.byCategory)});
        line->setFirstColumnSpanned(true);
        line->setForeground(0, QuietText);
    }
}

void DayForm::showSums()
{
    const std::map<int, DayCounts> grades = m_school.grades();
    m_sums->setRowCount(int(grades.size()) + 1);
    int row = 0;
    const auto addRow = [&](const QString &label, const DayCounts &counts) {
        m_sums->setItem(row, 0, new QTableWidgetItem(label));
        const QList<int> figures{counts.enrolled(), counts.present, counts.absent(), counts.suspendedAll()};
        for (int k = 0; k < figures.size(); ++k) {
            auto *cell = new QTableWidgetItem(QString::number(figures[k]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_sums->setItem(row, k + 1, cell);
        }
        ++row;
    };
    for (const auto &[grade, counts] : grades)
        addRow(SchoolDayText::gradeLabel(grade), counts);
    addRow(u"学校全体"_s, m_school.school());
    const int over = m_school.classesOverThreshold();
    m_overCount->setText(u"%1に達した学級：%2"_s.arg(SchoolDayText::ClosureMark).arg(over));
    m_overCount->setStyleSheet(over > 0 ? u"color: #c00000; font-weight: bold"_s : QString());
}

void DayForm::changeThreshold(double percent)
{
    const int tenths = qRound(percent * 10);
    if (tenths == m_school.thresholdTenths)
        return;
    m_school.thresholdTenths = tenths;
    showSchoolDay();
    const SaveResult saved = ClosureThreshold::save(m_session.Settings.WorkFolder, tenths);
    if (!saved.ok)
        tell(m_platform, this, saveFailureMessage(saved), PromptIcon::Warning);
}

// 本日の出欠_2026-12-09.<suffix>
QString DayForm::fileName(const QString &suffix) const
{
    return SchoolDayText::WindowTitle + u'_' + m_school.date.toString(Qt::ISODate) + suffix;
}

void DayForm::askAndSave(const QString &caption, const QString &suffix, const QString &filter,
                         bool (DayForm::*save)(const QString &))
{
    const QString path =
        m_platform.prompts.saveFileName(this, caption, proposedSavePath(m_platform, fileName(suffix)), filter);
    if (!path.isEmpty())
        (this->*save)(path);
}

bool DayForm::saveCsv(const QString &path)
{
    return reportSaved(m_platform, this, SchoolDayCsv::save(path, m_school));
}

bool DayForm::savePdf(const QString &path)
{
    PdfDocument document(SchoolDayText::WindowTitle + u' ' + SchoolDayText::dayTitle(m_school.date));
    if (PrintSchoolDay(document.surface(), m_school, m_session.Settings.SchoolName) != PrintResult::Printed)
        return reportSaved(m_platform, this, {false, path, {}, false});
    return reportSaved(m_platform, this, writeFileAtomically(path, document.bytes(), WriteTarget::UserOutput));
}
