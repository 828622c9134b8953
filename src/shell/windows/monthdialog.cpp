#include "monthdialog.h"

#include "calendar/era.h"
#include "data/folderpath.h"
#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/erayearentry.h"
#include "ui/platform.h"
#include "ui/updownbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *monthBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(u"T_M"_s);
    box->setAccessibleName(u"月"_s);
    box->setMaxLength(2);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), box));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(u"0000"_s) + 16);
    return box;
}

} // namespace

MonthDialog::MonthDialog(Session &session, Platform &platform, QWidget *parent)
    : ChoiceDialog(session, platform, u"F_SET"_s, parent)
{
    setWindowTitle(u"出席簿作成月"_s);
    createControls();
    showYearMonth(proposedMonth(m_session.State, m_platform.clock.today()));
}

void MonthDialog::createControls()
{
    m_year = new EraYearEntry(this);
    m_month = monthBox(this);
    auto *upDown = new UpDownButtons(this);
    upDown->setObjectName(u"M_UD"_s);

    auto *yearMonthRow = new QHBoxLayout;
    yearMonthRow->addWidget(m_year);
    yearMonthRow->addWidget(namedLabel(u"Label1"_s, u"年"_s, this));
    yearMonthRow->addWidget(m_month);
    yearMonthRow->addWidget(upDown);
    yearMonthRow->addWidget(namedLabel(u"Label2"_s, u"月分"_s, this));
    yearMonthRow->addStretch();

    layOut(u"作成する出席簿の年月"_s, yearMonthRow);

    connect(upDown, &UpDownButtons::stepped, this, &MonthDialog::stepMonth);
    connect(m_year->yearBox(), &QLineEdit::returnPressed, this, &MonthDialog::yearEntered);
    connect(m_month, &QLineEdit::returnPressed, this, &MonthDialog::confirm);
    connect(m_year->yearBox(), &QLineEdit::editingFinished, this, &MonthDialog::followMonth);
    connect(m_month, &QLineEdit::editingFinished, this, &MonthDialog::followMonth);
}

// The boxes lose the focus while a shown dialog is torn down; that is no
// typing to follow, and the dialog is no longer whole.
MonthDialog::~MonthDialog()
{
    m_year->yearBox()->disconnect(this);
    m_month->disconnect(this);
}

void MonthDialog::showYearMonth(const YearMonth &yearMonth)
{
    m_year->showMonthYear(yearMonth.gregorianYear, yearMonth.month);
    m_month->setText(QString::number(yearMonth.month));
}

std::optional<YearMonth> MonthDialog::typedYearMonth() const
{
    const std::optional<int> year = m_year->gregorianYear();
    bool monthIsNumber = false;
    const int month = m_month->text().trimmed().toInt(&monthIsNumber);
    if (!year || !monthIsNumber || month < 1 || month > 12)
        return std::nullopt;
    return YearMonth{*year, month};
}

void MonthDialog::stepMonth(int step)
{
    const std::optional<int> year = m_year->gregorianYear();
    if (!year)
        return;
    const YearMonth stepped = steppedMonth({*year, m_month->text().trimmed().toInt()}, step);
    if (stepped.month >= 1 && stepped.month <= 12)
        showYearMonth(stepped);
    else
        m_month->setText(QString::number(stepped.month));
}

void MonthDialog::followMonth()
{
    m_year->followMonth(m_month->text().trimmed().toInt());
}

void MonthDialog::yearEntered()
{
    const int month = m_month->text().trimmed().toInt();
    if (month >= 1 && month <= 12)
        confirm();
    else
        m_month->setFocus();
}

void MonthDialog::confirm()
{
    const ClassEntry *classEntry = chosenClass();
    if (!classEntry)
        return;
    followMonth();
    const std::optional<YearMonth> yearMonth = typedYearMonth();
    if (!yearMonth || JapaneseEra::heiseiFromGregorian(yearMonth->gregorianYear) < 1)
        return;
    if (const QString refusal = m_year->monthRefusal(yearMonth->month); !refusal.isEmpty()) {
        tell(m_platform, this, refusal, PromptIcon::Warning);
        return;
    }

    if (!classFolderReachable(*classEntry))
        return;
    const MonthFolders folders = monthFolders(m_session.Settings, schoolYearOf(*yearMonth), classEntry->Title);
    const std::optional<QStringList> missing = missingFolders(folders.monthFolder);
    if (!missing || !createFolders(*missing)) {
        tell(m_platform, this, u"フォルダーが作成できません"_s, PromptIcon::Warning);
        return;
    }
    applyMonthChoice(m_session.State, m_session.Settings, *classEntry, *yearMonth);
    accept();
}

void MonthDialog::cancel()
{
    m_session.State.HeiseiYear = 0;
    reject();
}
