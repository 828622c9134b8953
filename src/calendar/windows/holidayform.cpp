#include "holidayform.h"

#include "calendar/era.h"
#include "calendar/holidaylist.h"
#include "calendar/holidayrequest.h"
#include "calendar/nationalholidays.h"
#include "data/cp932.h"
#include "data/registerfont.h"
#include "data/session.h"
#include "data/settingsstore.h"
#include "data/storedtext.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString WindowName = u"HOLIDAY"_s;
constexpr int ClientWidth = 6645; // twips
constexpr int ClientHeight = 4485;
constexpr int GridRowHeight = 255;
constexpr int GridColumnWidths[] = {400, 1400, 1400};
constexpr int MonthOffTextLimit = 8; // characters
constexpr int August = 8;

QString requestMessage(const HolidayRequestResult &result)
{
    switch (result.status) {
    case HolidayRequestStatus::MissingDay:
        return u"日付を入力してください"_s;
    case HolidayRequestStatus::MissingReason:
        return u"適用を入力してください"_s;
    case HolidayRequestStatus::MissingPrintText:
        return u"印刷内容を入力してください"_s;
    case HolidayRequestStatus::InvalidDays:
        return u"日付データが不正です"_s;
    case HolidayRequestStatus::RefusedText:
        return StoredText::refusalMessage(result.character);
    case HolidayRequestStatus::ListFull:
        return u"休日は31件までです"_s;
    case HolidayRequestStatus::Added:
        break;
    }
    return {};
}

QTableWidgetItem *centredItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// Spaces out the range label "日～     日" so that its closing 日 stands just
// right of the last-day box that lies over the label's blanks.
void fitRangeLabel(QLabel *label, const QWidget *lastDayBox)
{
    const QString caption = label->text();
    const QFontMetricsF metrics(label->font());
    const double wanted = lastDayBox->geometry().right() + metrics.averageCharWidth() / 2.0 - label->x();
    const double natural = metrics.horizontalAdvance(caption.chopped(1));
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::max(0.0, (wanted - natural) / double(caption.size() - 1)));
    label->setFont(font);
    label->adjustSize();
}

} // namespace

HolidayForm::HolidayForm(Session &session, Platform &platform, std::function<void()> refreshSheet, QWidget *parent)
    : RememberedDialog(platform, WindowName, parent)
    , m_session(session)
    , m_refreshSheet(std::move(refreshSheet))
{
    setWindowTitle(u"休日設定"_s);
    setFont(QFont(RegisterFontFamily, 9));
    createControls();
    placeControls();

    if (m_session.Register.HolidayCount == 0)
        CalcNationalHolidays(m_session.State.HeiseiYear, m_session.State.Month, m_session.Register);
    showMonthOff();
    RefreshHolidayGrid();
}

void HolidayForm::createControls()
{
    // Created in tab order; the last-day box, created after the range label, lies over the label's blanks.
    m_monthOff = namedChild<QCheckBox>(this, u"CHK11"_s, u"一ヶ月間休み"_s);
    m_monthOffLabel = namedChild<QLabel>(this, u"Label6"_s, u"適用"_s);
    m_monthOffText = namedChild<QLineEdit>(this, u"MSG11"_s);
    m_grid = namedChild<QTableWidget>(this, u"GRID1"_s, HolidaySlots, int(std::size(GridColumnWidths)));
    m_close = namedChild<QPushButton>(this, u"B_ESC"_s, u"閉じる"_s);
    m_delete = namedChild<QPushButton>(this, u"B_DEL"_s, u"休日削除"_s);
    m_add = namedChild<QPushButton>(this, u"B_ADD"_s, u"休日の追加"_s);
    m_firstDay = namedChild<QLineEdit>(this, u"HOLIDAY"_s);
    m_dayRangeLabel = namedChild<QLabel>(this, u"Label2"_s, u"日～     日"_s);
    m_lastDay = namedChild<QLineEdit>(this, u"HOLIDAY2"_s);
    m_reasonLabel = namedChild<QLabel>(this, u"Label4"_s, u"適用"_s);
    m_reason = namedChild<QComboBox>(this, u"MSG"_s);
    m_printTextLabel = namedChild<QLabel>(this, u"Label5"_s, u"印刷内容"_s);
    m_printText = namedChild<QLineEdit>(this, u"MSG2"_s);

    m_grid->setHorizontalHeaderLabels({u"日"_s, u"適　用"_s, u"印刷内容"_s});
    m_grid->verticalHeader()->hide();
    m_grid->setTabKeyNavigation(false);
    m_grid->setAccessibleName(u"休日の一覧"_s);
    m_monthOffText->setAccessibleName(u"一ヶ月間休みの適用"_s);
    m_firstDay->setAccessibleName(u"休日の最初の日"_s);
    m_lastDay->setAccessibleName(u"休日の最後の日（1日だけなら空欄）"_s);
    m_reasonLabel->setBuddy(m_reason);
    m_printTextLabel->setBuddy(m_printText);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_reason->setEditable(true);
    m_reason->setInsertPolicy(QComboBox::NoInsert);
    m_reason->addItems(holidayPresetReasons());
    m_reason->setCurrentIndex(-1);

    for (QPushButton *button : {m_close, m_delete, m_add})
        button->setAutoDefault(false);
    m_printTextLabel->installEventFilter(this);

    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteSelectedHolidays(); });
    connect(m_add, &QPushButton::clicked, this, [this] { addHolidaysFromInput(); });
    connect(m_reason, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < holidayPresetReasons().size())
            m_printText->setText(presetPrintText(index));
    });
    connect(m_monthOffText, &QLineEdit::textEdited, this, [this] { warnAboutLongMonthOffText(); });
}

void HolidayForm::placeControls()
{
    const TwipsPlacement at(*this);
    const auto place = [&](QWidget *widget, int left, int top, int width, int height) {
        at.place(widget, left, top, width, height);
    };
    const auto placeLabel = [&](QLabel *label, int left, int top) {
        label->adjustSize();
        label->move(at.x(left), at.y(top));
    };

    setFixedSize(at.x(ClientWidth), at.y(ClientHeight));
    place(m_monthOff, 360, 120, 1695, 255);
    placeLabel(m_monthOffLabel, 240, 480);
    place(m_monthOffText, 720, 480, 1695, 285);
    place(m_grid, 120, 840, 3550, ClientHeight - 840 - 120);
    place(m_close, 4440, 120, 855, 375);
    place(m_delete, 4200, 960, 1335, 375);
    place(m_add, 4200, 1680, 1335, 375);
    place(m_firstDay, 4200, 2160, 375, 285);
    placeLabel(m_dayRangeLabel, 4635, 2160);
    place(m_lastDay, 5160, 2160, 375, 285);
    fitRangeLabel(m_dayRangeLabel, m_lastDay);
    placeLabel(m_reasonLabel, 3960, 2640);
    place(m_reason, 4680, 2640, 1815, 315);
    placeLabel(m_printTextLabel, 3840, 3120);
    place(m_printText, 4680, 3120, 1575, 285);

    const int rowHeight = at.y(GridRowHeight);
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setFixedHeight(rowHeight);
    for (int column = 0; column < int(std::size(GridColumnWidths)); ++column)
        m_grid->setColumnWidth(column, at.x(GridColumnWidths[column]));
}

// A month whose list still holds the calendar's days off alone is new: in
// August the window proposes the summer vacation for the whole month.
void HolidayForm::showMonthOff()
{
    const RegisterMonth &month = m_session.Register;
    const AppState &state = m_session.State;
    const bool newAugust = state.Month == August && month.MonthOffFlag == 0 && month.MonthOffText.isEmpty()
                           && holdsCalendarDaysOffOnly(month, state.HeiseiYear, state.Month);
    m_monthOff->setChecked(newAugust || month.MonthOffFlag != 0);
    m_monthOffText->setText(newAugust ? u"夏季休業"_s : StoredText::asStored(month.MonthOffText));
}

void HolidayForm::RefreshHolidayGrid()
{
    RegisterMonth &month = m_session.Register;
    sortHolidays(month);
    m_grid->setUpdatesEnabled(false);
    m_grid->clearSelection();
    m_grid->clearContents();
    for (int row = 0; row < month.HolidayCount; ++row) {
        const HolidayEntry &entry = month.HolidayList[row];
        m_grid->setItem(row, 0, centredItem(QString::number(entry.Day)));
        m_grid->setItem(row, 1, centredItem(entry.Reason));
        m_grid->setItem(row, 2, centredItem(entry.PrintText));
    }
    m_grid->setUpdatesEnabled(true);
}

void HolidayForm::addHolidaysFromInput()
{
    const HolidayRequest request{m_firstDay->text(), m_lastDay->text(), m_reason->currentText(), m_printText->text()};
    const HolidayRequestResult result = addHolidays(m_session.Register, request, lastDayOfMonth());
    if (result.status != HolidayRequestStatus::Added) {
        tell(m_platform, this, requestMessage(result));
        return;
    }
    m_firstDay->clear();
    m_lastDay->clear();
    m_reason->setCurrentIndex(-1);
    m_reason->clearEditText();
    m_printText->clear();
    RefreshHolidayGrid();
}

void HolidayForm::deleteSelectedHolidays()
{
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    if (ranges.isEmpty())
        return;
    int top = ranges.first().topRow();
    int bottom = ranges.first().bottomRow();
    for (const QTableWidgetSelectionRange &range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
    }
    if (deleteHolidays(m_session.Register, top, bottom) > 0)
        RefreshHolidayGrid();
}

void HolidayForm::warnAboutLongMonthOffText()
{
    if (m_monthOffText->text().toUcs4().size() > MonthOffTextLimit)
        tell(m_platform, this, u"文字数が多すぎます\n8文字以内にしてください"_s);
}

bool HolidayForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_printTextLabel && event->type() == QEvent::MouseButtonDblClick && m_printText->text().isEmpty())
        m_printText->setText(m_reason->currentText());
    return QDialog::eventFilter(watched, event);
}

void HolidayForm::done(int result)
{
    const QString monthOffText = Cp932::normalizeText(m_monthOffText->text());
    if (const std::optional<char32_t> refused = StoredText::firstRefused(monthOffText)) {
        tell(m_platform, this, StoredText::refusalMessage(*refused));
        m_monthOffText->setFocus();
        return;
    }
    m_session.Register.MonthOffFlag = m_monthOff->isChecked() ? 1 : 0;
    m_session.Register.MonthOffText = monthOffText;
    if (m_refreshSheet)
        m_refreshSheet();
    RememberedDialog::done(result);
}

int HolidayForm::lastDayOfMonth() const
{
    const int days =
        JapaneseEra::daysInMonth(JapaneseEra::gregorianFromHeisei(m_session.State.HeiseiYear), m_session.State.Month);
    return days > 0 ? days : DaySlots;
}
