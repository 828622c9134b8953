#include "monthdialog.h"

#include "calendar/era.h"
#include "data/folderpath.h"
#include "data/session.h"
#include "roster/classtitle.h"
#include "ui/dialogparts.h"
#include "ui/erayearentry.h"
#include "ui/platform.h"
#include "ui/updownbuttons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *monthBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(u"T_M"_s);
    box->setMaxLength(2);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), box));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(u"0000"_s) + 16);
    return box;
}

} // namespace

MonthDialog::MonthDialog(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, u"F_SET"_s, parent)
    , m_session(session)
{
    setWindowTitle(u"出席簿作成月"_s);
    createControls();
    showYearMonth(proposedMonth(m_session.State, m_platform.clock.today()));
    fillClasses();
}

void MonthDialog::createControls()
{
    m_year = new EraYearEntry(this);
    m_month = monthBox(this);
    auto *upDown = new UpDownButtons(this);
    upDown->setObjectName(u"M_UD"_s);
    m_classes = new QComboBox(this);
    m_classes->setObjectName(u"CLASS_NAME"_s);
    m_classes->setMinimumContentsLength(12);
    const ConfirmRow buttons = confirmRow(this, u"OK"_s, u"ＯＫ"_s, u"ESC"_s);
    m_ok = buttons.confirm;

    auto *yearMonthRow = new QHBoxLayout;
    yearMonthRow->addWidget(m_year);
    yearMonthRow->addWidget(namedLabel(u"Label1"_s, u"年"_s, this));
    yearMonthRow->addWidget(m_month);
    yearMonthRow->addWidget(upDown);
    yearMonthRow->addWidget(namedLabel(u"Label2"_s, u"月分"_s, this));
    yearMonthRow->addStretch();

    auto *layout = new QGridLayout(this);
    layout->addWidget(namedLabel(u"Label3"_s, u"作成する出席簿の年月"_s, this), 0, 0, 1, 2);
    layout->addLayout(yearMonthRow, 1, 0, 1, 2);
    layout->addWidget(namedLabel(u"Label5"_s, u"クラス名"_s, this), 2, 0);
    layout->addWidget(m_classes, 2, 1);
    layout->addLayout(buttons.layout, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(upDown, &UpDownButtons::stepped, this, &MonthDialog::stepMonth);
    connect(m_year->yearBox(), &QLineEdit::returnPressed, this, &MonthDialog::yearEntered);
    connect(m_month, &QLineEdit::returnPressed, this, &MonthDialog::confirm);
    connect(m_year->yearBox(), &QLineEdit::editingFinished, this, &MonthDialog::followMonth);
    connect(m_month, &QLineEdit::editingFinished, this, &MonthDialog::followMonth);
    connect(m_ok, &QPushButton::clicked, this, &MonthDialog::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &MonthDialog::cancel);
}

void MonthDialog::fillClasses()
{
    const ClassList &classes = m_session.Classes;
    int selected = -1;
    for (int index = 0; index < classes.ClassCount; ++index) {
        const QString &title = classes.Entries[index].Title;
        m_classes->addItem(title);
        if (!m_session.State.ClassTitle.isEmpty() && title == m_session.State.ClassTitle)
            selected = index;
    }
    m_classes->setCurrentIndex(classes.ClassCount == 1 ? 0 : selected);
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
    const int classIndex = m_classes->currentIndex();
    if (classIndex < 0) {
        tell(m_platform, this, u"クラスを指定してください"_s);
        return;
    }
    followMonth();
    const std::optional<YearMonth> yearMonth = typedYearMonth();
    if (!yearMonth || JapaneseEra::heiseiFromGregorian(yearMonth->gregorianYear) < 1)
        return;
    if (const QString refusal = m_year->monthRefusal(yearMonth->month); !refusal.isEmpty()) {
        tell(m_platform, this, refusal, PromptIcon::Warning);
        return;
    }

    const ClassEntry &classEntry = m_session.Classes.Entries[classIndex];
    if (const auto unsafe = ClassTitle::unsafeReason(classEntry.Title.trimmed())) {
        tell(m_platform, this, ClassTitle::refusalMessage(classEntry.Title, *unsafe), PromptIcon::Warning);
        return;
    }
    const MonthFolders folders = monthFolders(m_session.Settings, schoolYearOf(*yearMonth), classEntry.Title);
    const std::optional<QStringList> missing = missingFolders(folders.monthFolder);
    if (!missing || !createFolders(*missing)) {
        tell(m_platform, this, u"フォルダーが作成できません"_s, PromptIcon::Warning);
        return;
    }
    applyMonthChoice(m_session.State, m_session.Settings, classEntry, *yearMonth);
    accept();
}

void MonthDialog::cancel()
{
    m_session.State.HeiseiYear = 0;
    reject();
}

void MonthDialog::showEvent(QShowEvent *event)
{
    RememberedDialog::showEvent(event);
    m_ok->setFocus();
}

void MonthDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    // The boxes and buttons act on Enter themselves; no default button.
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        RememberedDialog::keyPressEvent(event);
    }
}
