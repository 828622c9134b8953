#include "printdialog.h"

#include "printdestination.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/fileio.h"
#include "data/session.h"
#include "data/settingsstore.h"
#include "print/pdfdocument.h"
#include "print/registersheets.h"
#include "print/sheetprint.h"
#include "print/yeararchive.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"
#include "ui/savefolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString OptionsSection = u"PRT_ROLL"_s;
const QString OptionsKey = u"PRT_ROLL_F"_s;
constexpr int MostBlankSheets = 999;
constexpr int FullSheetByDefault = 13; // fewer pupils open the dialog on 全表

// The number at the start of the sheet-count text, leading blanks skipped,
// rounded half to even; 0 when the text does not start with a number.
int sheetCount(const QString &text)
{
    static const QRegularExpression leadingNumber(u"^\\s*(\\d+(\\.\\d*)?)"_s);
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(1).toDouble();
    return value > MostBlankSheets ? MostBlankSheets + 1 : int(std::nearbyint(value));
}

QString classLine(const AppState &state)
{
    switch (state.ClassKind) {
    case OrdinaryClass:
        return u"%1年%2組"_s.arg(state.ClassGrade).arg(state.ClassName.trimmed());
    case MultiGradeClass:
        return u"%1・%2年"_s.arg(state.ClassGrade).arg(state.ClassGrade2);
    default:
        return state.ClassName.trimmed() + u'(' + state.ClassCategory.trimmed() + u") "_s;
    }
}

QString defaultSavePath(QWidget *parent, const QString &proposed)
{
    return QFileDialog::getSaveFileName(parent, u"PDF保存"_s, proposed, u"PDF (*.pdf)"_s);
}

} // namespace

PrintDialog::PrintDialog(Session &session, Platform &platform, PrintDestination &destination, QWidget *parent)
    : RememberedDialog(platform, u"PRT_ROLL"_s, parent)
    , m_session(session)
    , m_destination(destination)
    , m_chooseSavePath(defaultSavePath)
{
    setWindowTitle(u"出席簿印刷"_s);
    createControls();
    readStoredOptions();

    const int pupils = m_session.Register.PupilCount;
    (pupils < FullSheetByDefault ? m_full : m_front)->setChecked(true);
    m_print->setEnabled(pupils > 0);
}

void PrintDialog::createControls()
{
    QFont font = this->font();
    font.setPointSizeF(9.75);
    setFont(font);
    const TwipsPlacement at(*this);
    auto button = [&](const QString &name, const QString &caption, int left, int top, int width) {
        auto *widget = namedChild<QPushButton>(this, name, caption);
        widget->setAutoDefault(false);
        at.place(widget, left, top, width, 375);
        return widget;
    };
    auto option = [&](const QString &name, const QString &caption, int left, int width) {
        auto *widget = namedChild<QRadioButton>(this, name, caption);
        at.place(widget, left, 240, width, 255);
        return widget;
    };
    auto check = [&](const QString &name, const QString &caption, int left, int top, int width) {
        auto *widget = namedChild<QCheckBox>(this, name, caption);
        at.place(widget, left, top, width, 255);
        return widget;
    };

    // In tab order.
    m_print = button(u"B_PRT"_s, u"印刷"_s, 2280, 120, 855);
    m_front = option(u"OPB1"_s, u"表"_s, 120, 615);
    m_back = option(u"OPB2"_s, u"裏"_s, 720, 615);
    QPushButton *close = button(u"B_ESC"_s, u"閉じる "_s, 3360, 120, 855);
    m_weekdays = check(u"CHK1"_s, u"曜日印刷"_s, 360, 840, 1215);
    m_holidays = check(u"CHK2"_s, u"休日印刷"_s, 480, 1320, 1215);
    m_girlsInRed = check(u"CHK4"_s, u"女 氏名赤印刷"_s, 480, 1560, 1695);
    m_colour = check(u"CHK3"_s, u"カラー印刷"_s, 360, 1080, 1455);
    QPushButton *blank = button(u"B_PRT2"_s, u"氏名無印刷"_s, 2280, 720, 1215);
    m_sheetCount = namedChild<QLineEdit>(this, u"P_NO"_s, u"1"_s);
    at.place(m_sheetCount, 2760, 1200, 495, 285);
    m_sheetCount->setAccessibleName(u"氏名無印刷の枚数"_s);
    at.place(namedLabel(u"Label3"_s, u"枚"_s, this), 3360, 1200, 255, 255);
    m_full = option(u"OPB3"_s, u"全表"_s, 1320, 855);
    at.place(namedLabel(u"Label7"_s, u"児童生徒数　　　名"_s, this), 2160, 1800, 1935, 255);
    QLabel *count = namedLabel(u"R_COUNT"_s, QString::number(m_session.Register.PupilCount), this);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setAutoFillBackground(true);
    count->setStyleSheet(u"background-color: #ffffc0"_s);
    at.place(count, 3240, 1800, 375, 255);
    m_data = check(u"CHK0"_s, u"データ印刷"_s, 360, 600, 1455);
    QPushButton *preview = button(u"B_PREVIEW"_s, u"プレビュー"_s, 120, 2160, 1455);
    QPushButton *pdf = button(u"B_PDF"_s, u"PDF保存"_s, 1680, 2160, 1455);
    QPushButton *yearPdf = button(u"B_YEAR_PDF"_s, u"1年分をPDF保存"_s, 120, 2640, 3015);
    setFixedSize(at.x(4425), at.y(3180));

    connect(m_print, &QPushButton::clicked, this, &PrintDialog::printMonth);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(blank, &QPushButton::clicked, this, &PrintDialog::printBlankSheets);
    connect(preview, &QPushButton::clicked, this, &PrintDialog::showPreview);
    connect(pdf, &QPushButton::clicked, this, &PrintDialog::saveAsPdf);
    connect(yearPdf, &QPushButton::clicked, this, &PrintDialog::saveYearAsPdf);
    connect(m_colour, &QCheckBox::clicked, this, &PrintDialog::colourClicked);
}

void PrintDialog::readStoredOptions()
{
    const int options = m_platform.store.value(OptionsSection, OptionsKey, u"8"_s).trimmed().toInt();
    m_data->setChecked(options & PrintOption::Data);
    m_weekdays->setChecked(options & PrintOption::Weekdays);
    m_colour->setChecked(options & PrintOption::Colour);
    colourClicked();
    if (m_colour->isChecked()) {
        m_holidays->setChecked(options & PrintOption::Holidays);
        m_girlsInRed->setChecked(options & PrintOption::GirlsInRed);
    }
}

void PrintDialog::colourClicked()
{
    const bool colour = m_colour->isChecked();
    for (QCheckBox *box : {m_holidays, m_girlsInRed}) {
        if (!colour)
            box->setChecked(false);
        box->setEnabled(colour);
    }
}

qint16 PrintDialog::chosenOptions() const
{
    qint16 options = 0;
    const std::pair<QCheckBox *, qint16> boxes[] = {
        {m_data, PrintOption::Data},     {m_weekdays, PrintOption::Weekdays},     {m_holidays, PrintOption::Holidays},
        {m_colour, PrintOption::Colour}, {m_girlsInRed, PrintOption::GirlsInRed},
    };
    for (const auto &[box, bit] : boxes) {
        if (box->isChecked())
            options |= bit;
    }
    return options;
}

PrintJob PrintDialog::chosenJob() const
{
    PrintJob job;
    job.PrintSide = m_full->isChecked() ? FullSheet : m_back->isChecked() ? BackSheet : FrontSheet;
    job.PrintOptions = chosenOptions();
    job.BlankCopies = 0;
    return job;
}

void PrintDialog::saveOptions()
{
    m_platform.store.setValue(OptionsSection, OptionsKey, QString::number(chosenOptions()));
}

bool PrintDialog::fullSheetRefused()
{
    if (!m_full->isChecked() || m_session.Register.PupilCount <= FullSheetPupils)
        return false;
    tell(m_platform, this, u"１８名以上なので全表は使用できません"_s);
    return true;
}

// The month's own sheets carry the teacher's name; blank sheets do not need one.
bool PrintDialog::teacherNameMissing()
{
    if (!m_session.Register.TeacherName.isEmpty())
        return false;
    tell(m_platform, this, u"担任名を入力してください"_s);
    return true;
}

void PrintDialog::printMonth()
{
    if (m_printing || teacherNameMissing() || fullSheetRefused())
        return;
    saveOptions();
    const AppState &state = m_session.State;
    const QString text = classLine(state) + u"\n\n"_s
                         + JapaneseEra::monthTitle(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month)
                         + u"の出席簿を印刷します"_s;
    const PromptMessage question{text, ProgramTitle, PromptIcon::None, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) != PromptAnswer::No)
        run(chosenJob());
}

void PrintDialog::printBlankSheets()
{
    if (m_printing)
        return;
    const int sheets = sheetCount(m_sheetCount->text());
    if (sheets < 1 || sheets > MostBlankSheets) {
        tell(m_platform, this, u"印刷枚数を指定してください"_s);
        return;
    }
    // The era the sheets carry, as printed in their title band.
    const QString era = titleEra(m_session.State, m_platform.clock.today()).era;
    const PromptMessage question{u"%1　年　月の出席簿用紙を%2枚印刷します"_s.arg(era).arg(sheets), ProgramTitle,
                                 PromptIcon::None, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) == PromptAnswer::No)
        return;
    PrintJob job = chosenJob();
    job.BlankCopies = qint16(sheets);
    run(job);
}

void PrintDialog::run(PrintJob job)
{
    m_printing = true;
    const PrintResult result = m_destination.print(
        [&](PageSurface &surface) { return PrintRegisterSheets(surface, job, m_session, m_platform.clock.today()); });
    m_printing = false;
    if (result != PrintResult::Printed)
        tell(m_platform, this, printFailureMessage(m_destination.name()), PromptIcon::Warning);
}

PrintJob PrintDialog::previewJob() const
{
    PrintJob job = chosenJob();
    job.BlankCopies = m_session.Register.PupilCount > 0 ? 0 : 1;
    return job;
}

void PrintDialog::showPreview()
{
    if (m_printing || (m_session.Register.PupilCount > 0 && (teacherNameMissing() || fullSheetRefused())))
        return;
    QPrinter fallback(QPrinter::HighResolution);
    QPrintPreviewDialog preview(m_previewPrinter ? m_previewPrinter : &fallback, this);
    preview.setWindowTitle(u"プレビュー"_s);
    const PrintJob chosen = previewJob();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
        PrintJob job = chosen;
        PainterPageSurface surface(*printer);
        PrintRegisterSheets(surface, job, m_session, m_platform.clock.today());
    });
    m_printing = true;
    preview.exec();
    m_printing = false;
}

QString PrintDialog::proposedPdfName(qint16 side) const
{
    const AppState &state = m_session.State;
    return proposedSavePath(m_platform, u"%1_%2_%3_%4.pdf"_s.arg(JapaneseEra::gregorianFromHeisei(state.HeiseiYear))
                                            .arg(state.Month)
                                            .arg(state.ClassTitle.trimmed(), sideCaption(side)));
}

void PrintDialog::saveAsPdf()
{
    if (m_printing || (m_session.Register.PupilCount > 0 && (teacherNameMissing() || fullSheetRefused())))
        return;
    PrintJob job = previewJob();
    const QString path = m_chooseSavePath(this, proposedPdfName(job.PrintSide));
    if (path.isEmpty())
        return;
    m_printing = true;
    PdfDocument pdf(sheetTitle(m_session, job.PrintSide));
    const PrintResult result = PrintRegisterSheets(pdf.surface(), job, m_session, m_platform.clock.today());
    const SaveResult saved = result == PrintResult::Printed
                                 ? writeFileAtomically(path, pdf.bytes(), WriteTarget::UserOutput)
                                 : SaveResult{false, path, QString(), false};
    m_printing = false;
    if (!saved.ok) {
        tell(m_platform, this, u"PDFを保存できませんでした\n"_s + QDir::toNativeSeparators(path) + u'\n' + saved.error,
             PromptIcon::Warning);
        return;
    }
    noteSaved(m_platform, this, path);
}

void PrintDialog::saveYearAsPdf()
{
    if (m_printing)
        return;
    const AppState &state = m_session.State;
    const int schoolYear = schoolYearOf({JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month});
    const QString path = m_chooseSavePath(
        this, proposedSavePath(m_platform, u"%1_%2.pdf"_s.arg(schoolYear).arg(state.ClassTitle.trimmed())));
    if (path.isEmpty())
        return;
    m_printing = true;
    const YearArchive archive = YearArchive::load(m_session, schoolYear, &m_session);
    PdfDocument pdf(JapaneseEra::schoolYearTitle(schoolYear) + u' ' + state.ClassTitle.trimmed());
    const bool printed = !archive.failure()
                         && PrintSchoolYear(pdf.surface(), archive.months(), chosenOptions(), m_platform.clock.today())
                                == PrintResult::Printed;
    const bool saved = printed && writeFileAtomically(path, pdf.bytes()).ok;
    m_printing = false;
    if (archive.failure())
        tell(m_platform, this,
             u"読めない月のファイルがあります\n"_s + QDir::toNativeSeparators(archive.failure()->path),
             PromptIcon::Warning);
    else if (!saved)
        tell(m_platform, this, u"PDFを保存できませんでした\n"_s + QDir::toNativeSeparators(path), PromptIcon::Warning);
    else
        noteSaved(m_platform, this, path);
}

void PrintDialog::done(int result)
{
    saveOptions();
    RememberedDialog::done(result);
}
