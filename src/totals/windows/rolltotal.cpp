#include "rolltotal.h"

#include "calendar/era.h"
#include "data/periodsfile.h"
#include "data/session.h"
#include "print/pdfdocument.h"
#include "roster/classtitle.h"
#include "totals/schooltotals.h"
#include "totals/totalsprint.h"
#include "totals/totalstable.h"
#include "totals/totalstext.h"
#include "totalssurface.h"
#include "ui/documentwindow.h"
#include "ui/platform.h"
#include "ui/savefolder.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace TotalsTable;

namespace {

// Design positions in twips from the window's top left.
constexpr int TableLeft = 720;
constexpr int HeadingsTop = 360;
constexpr int RowsTop = HeadingsTop + HeadingHeight - 20;
constexpr int RowsExtra = 80; // a glimpse of the row below the last whole one
constexpr int OptionsLeft = 7440;
constexpr int OptionsTop = 480;
constexpr int OptionPitch = 360;
constexpr QSize OptionSize{1300, 300};
constexpr QRect CsvButtonArea{OptionsLeft, 2040, 1300, 400};
constexpr QRect PdfButtonArea{OptionsLeft, 2520, 1300, 400};
constexpr QRect SchoolCsvButtonArea{OptionsLeft, 3000, 1900, 400};
constexpr QRect ReasonsArea{OptionsLeft, 3600, 3000, 4800};
constexpr int LineHeight = 280;
// Window height that LayoutTotals leaves to neither the headings nor the rows:
// the frame, and the two lines under the table.
constexpr int ReservedHeight = 800 + 2 * LineHeight;

// The window's least width when it opens in the main window.
constexpr int LeastWidth = 11500;
constexpr int OpeningHeight = 9000;

} // namespace

RollTotal::RollTotal(Session &session, Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_platform(platform)
{
    setObjectName(u"ROLL_TOTAL"_s);
    setWindowTitle(TotalsText::className(classEntry()) + u" 集計"_s);
    // The totals read the month files themselves; no month stays open meanwhile.
    AppState &state = m_session.State;
    state.OpenSheet = u"TOTAL"_s;
    state.HeiseiYear = 0;
    state.Month = 0;
    m_session.Register.reset();
    m_session.Statistics = {};
    loadPeriods();

    const bool gradeColumn = state.ClassKind > 0;
    m_headings = new TotalsSurface(
        u"K_LIST"_s, [gradeColumn](SheetCanvas &canvas) { drawHeadings(canvas, gradeColumn, HeadingHeight); }, this);
    m_rows = new TotalsSurface(
        u"D_LIST"_s,
        [this, gradeColumn](SheetCanvas &canvas) {
            drawRows(canvas, {m_totals, gradeColumn});
        },
        this);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(u"V_SCL"_s);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) { m_rows->setOrigin(value * RowHeight); });
    m_months = new QLabel(this);
    m_months->setObjectName(u"MONTHS"_s);
    m_longAbsence = new QLabel(this);
    m_longAbsence->setObjectName(u"LONG_ABSENCE"_s);
    m_reasons = new QLabel(this);
    m_reasons->setObjectName(u"REASON_DAYS"_s);
    m_reasons->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reasons->setGeometry(pixelRect(ReasonsArea));
    buildOptions();
    buildCsvButton();

    m_headings->setGeometry(pixelRect({TableLeft, HeadingsTop, Width, HeadingHeight}));
    resize(pixelRect({0, 0, LeastWidth, OpeningHeight}).size());
}

RollTotal::~RollTotal() = default;

QRect RollTotal::pixelRect(QRect twips) const
{
    return twipsToPixelRect(*this, twips);
}

// The school's periods from the work folder; three terms when it has none
// or they cannot be read (the user is told once the window shows).
void RollTotal::loadPeriods()
{
    SchoolPeriods periods;
    const LoadResult loaded = PeriodsFile::load(m_session.Settings.WorkFolder, periods);
    if (loaded.unreadable())
        m_periodsFailure = u"集計期間の設定が読めないため、3学期制で集計します\n"_s
                           + QDir::toNativeSeparators(loaded.path) + u'\n' + loaded.detail;
    m_periods = offeredPeriods(periods, JapaneseEra::gregorianFromHeisei(m_session.State.TotalsYear));
}

const TotalsPeriod &RollTotal::periodOf(int term) const
{
    return term == TotalsTerm::WholeYear ? m_periods.last() : m_periods[term];
}

void RollTotal::buildOptions()
{
    const qsizetype schoolPeriods = m_periods.size() - 1;
    for (int term = 0; term < TotalsTerm::Count; ++term) {
        const bool offered = term == TotalsTerm::WholeYear || term < schoolPeriods;
        auto *option = new QRadioButton(offered ? periodOf(term).name : QString(), this);
        option->setObjectName(u"OPT1_%1"_s.arg(term));
        // The whole year right under the school's last period.
        const qsizetype place = term == TotalsTerm::WholeYear ? schoolPeriods : term;
        option->setGeometry(pixelRect({{OptionsLeft, OptionsTop + OptionPitch * int(place)}, OptionSize}));
        option->setVisible(offered);
        connect(option, &QRadioButton::clicked, this, [this, term] { showTerm(term); });
        m_options[term] = option;
    }
}

void RollTotal::buildCsvButton()
{
    auto *button = new QPushButton(u"CSV保存"_s, this);
    button->setObjectName(u"B_CSV"_s);
    button->setGeometry(pixelRect(CsvButtonArea));
    auto *layouts = new QMenu(button);
    const auto addLayout = [this, layouts](const QString &name, const QString &caption, TotalsCsv::Layout layout) {
        QAction *action = layouts->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, layout] { askAndSaveCsv(layout); });
    };
    addLayout(u"CSV_TOTALS"_s, u"集計表"_s, TotalsCsv::Layout::Totals);
    addLayout(u"CSV_RECORDS"_s, u"指導要録用"_s, TotalsCsv::Layout::Records);
    button->setMenu(layouts);

    auto *pdf = new QPushButton(u"PDF保存"_s, this);
    pdf->setObjectName(u"B_PDF"_s);
    pdf->setGeometry(pixelRect(PdfButtonArea));
    connect(pdf, &QPushButton::clicked, this, &RollTotal::askAndSavePdf);

    auto *school = new QPushButton(u"全クラスをCSV保存"_s, this);
    school->setObjectName(u"B_CSV_ALL"_s);
    school->setGeometry(pixelRect(SchoolCsvButtonArea));
    connect(school, &QPushButton::clicked, this, &RollTotal::askAndSaveSchoolCsv);
}

ClassEntry RollTotal::classEntry() const
{
    const AppState &state = m_session.State;
    return {state.ClassKind, state.ClassGrade,    state.ClassGrade2,
            state.ClassName, state.ClassCategory, state.ClassTitle};
}

void RollTotal::showTerm(int term)
{
    m_options[term]->setChecked(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_totals = ComputeTotals(m_session.State.MonthFolder, JapaneseEra::gregorianFromHeisei(m_session.State.TotalsYear),
                             periodOf(term));
    QApplication::restoreOverrideCursor();

    m_months->setText(TotalsText::periodLine(m_totals.period) + u"　"_s + TotalsText::monthsLine(m_totals));
    m_longAbsence->setText(TotalsText::longAbsenceLine(m_totals));
    m_longAbsence->setStyleSheet(longAbsenceCount(m_totals) > 0 ? u"color: red"_s : QString());
    m_reasons->setText(TotalsText::reasonsText(m_totals));
    setScrollRange();
    m_rows->update();
    if (const QString unreadable = TotalsText::unreadableMessage(m_totals); !unreadable.isEmpty())
        tell(m_platform, this, unreadable, PromptIcon::Warning);
}

void RollTotal::setScrollRange()
{
    const int rows = int(m_totals.rows.size());
    m_scroll->setMaximum(rows < m_visibleRows ? 0 : rows - m_visibleRows + 2);
    m_scroll->setPageStep(m_visibleRows);
}

void RollTotal::layoutTotals(int windowHeight)
{
    m_visibleRows = std::max(1, (windowHeight - HeadingHeight - ReservedHeight) / RowHeight);
    const int rowsHeight = m_visibleRows * RowHeight + RowsExtra;
    m_rows->setGeometry(pixelRect({TableLeft, RowsTop, Width, rowsHeight}));
    const QRect rows = m_rows->geometry();
    m_scroll->setGeometry(rows.right() + 1, rows.top(), m_scroll->sizeHint().width(), rows.height());
    const int linesTop = RowsTop + rowsHeight + 60;
    m_months->setGeometry(pixelRect({TableLeft, linesTop, Width + 3000, LineHeight}));
    m_longAbsence->setGeometry(pixelRect({TableLeft, linesTop + LineHeight, Width, LineHeight}));
    setScrollRange();
    m_headings->update();
    m_scroll->setValue(0);
    m_rows->update();
}

void RollTotal::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutTotals(pixelsToTwips(height(), logicalDpiY()));
}

// Form_Load: the window takes the main window's client area, at least LeastWidth wide.
void RollTotal::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeInDocumentArea(*this, LeastWidth);
        if (!m_periodsFailure.isEmpty())
            tell(m_platform, this, m_periodsFailure, PromptIcon::Warning);
    }
}

// <school year>_<period>_<class>[_指導要録用].<suffix>
QString RollTotal::fileName(const QString &suffix) const
{
    return JapaneseEra::schoolYearTitle(m_totals.schoolYear) + u'_' + m_totals.period.name + u'_'
           + m_session.State.ClassTitle.trimmed() + suffix;
}

QString RollTotal::askFileName(const QString &caption, const QString &suffix, const QString &filter)
{
    if (m_totals.rows.isEmpty()) {
        tell(m_platform, this, u"保存するデータが有りません"_s);
        return {};
    }
    return m_platform.prompts.saveFileName(this, caption, proposedSavePath(m_platform, fileName(suffix)), filter);
}

void RollTotal::askAndSaveCsv(TotalsCsv::Layout layout)
{
    const QString suffix = layout == TotalsCsv::Layout::Records ? u"_指導要録用.csv"_s : u".csv"_s;
    const QString path = askFileName(u"CSV保存"_s, suffix, u"CSVファイル (*.csv)"_s);
    if (!path.isEmpty())
        report(TotalsCsv::save(path, m_totals, layout));
}

void RollTotal::askAndSavePdf()
{
    const QString path = askFileName(u"PDF保存"_s, u".pdf"_s, u"PDFファイル (*.pdf)"_s);
    if (!path.isEmpty())
        savePdf(path);
}

// 全クラスをCSV保存: the period shown, of every class of the class list, into
// one 指導要録用 CSV; the classes without a month of it are named.
void RollTotal::askAndSaveSchoolCsv()
{
    if (!m_totals.period.first.isValid()) {
        tell(m_platform, this, u"集計する期間を選んでください"_s);
        return;
    }
    QStringList notes;
    const QStringList titles = ClassTitle::folderTitles(m_session.Classes, notes);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<ClassTotals> school =
        ComputeSchoolTotals(m_session.Settings, titles, m_totals.schoolYear, m_totals.period);
    QApplication::restoreOverrideCursor();
    QStringList withoutMonths;
    for (const ClassTotals &entry : school) {
        if (!readAnyMonth(entry.totals))
            withoutMonths.append(entry.classTitle);
    }
    if (withoutMonths.size() == school.size()) {
        tell(m_platform, this, u"保存するデータが有りません"_s);
        return;
    }
    const QString name =
        JapaneseEra::schoolYearTitle(m_totals.schoolYear) + u'_' + m_totals.period.name + u"_全クラス_指導要録用.csv"_s;
    const QString path = m_platform.prompts.saveFileName(this, u"全クラスをCSV保存"_s,
                                                         proposedSavePath(m_platform, name), u"CSVファイル (*.csv)"_s);
    if (path.isEmpty() || !report(TotalsCsv::save(path, school, TotalsCsv::Layout::Records)))
        return;
    if (!withoutMonths.isEmpty())
        notes.append(u"月のファイルがないクラス: "_s + withoutMonths.join(u"、"_s));
    if (!notes.isEmpty())
        tell(m_platform, this, notes.join(u'\n'));
}

bool RollTotal::saveCsv(const QString &path, TotalsCsv::Layout layout)
{
    return report(TotalsCsv::save(path, m_totals, layout));
}

bool RollTotal::savePdf(const QString &path)
{
    PdfDocument document(TotalsText::title(m_totals.schoolYear, m_totals.period, classEntry()));
    if (PrintTotals(document.surface(), m_totals, classEntry()) != PrintResult::Printed)
        return report({false, path, {}, false});
    return report(writeFileAtomically(path, document.bytes(), WriteTarget::UserOutput));
}

bool RollTotal::report(const SaveResult &result)
{
    return reportSaved(m_platform, this, result);
}

void RollTotal::closeEvent(QCloseEvent *event)
{
    AppState &state = m_session.State;
    state.HeiseiYear = 0;
    state.Month = 0;
    state.OpenSheet.clear();
    event->accept();
    emit closed();
}
