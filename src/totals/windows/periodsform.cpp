#include "periodsform.h"

#include "data/periodsfile.h"
#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString DayExample = u"「10月9日」のように入力してください"_s;

QString periodsText(const SchoolPeriods &periods)
{
    QStringList texts;
    for (const SchoolPeriod &period : periods.periods)
        texts.append(period.name.trimmed() + u' ' + SchoolPeriodRules::dayText(period.first) + u'～'
                     + SchoolPeriodRules::dayText(period.last));
    return texts.join(u"　"_s);
}

} // namespace

PeriodsForm::PeriodsForm(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, u"PERIOD_SET"_s, parent)
    , m_session(session)
{
    setWindowTitle(u"集計期間"_s);
    createControls();
    SchoolPeriods periods;
    const LoadResult loaded = PeriodsFile::load(m_session.Settings.WorkFolder, periods);
    if (loaded.unreadable())
        tell(m_platform, this,
             u"集計期間の設定が読めないため、3学期制から選び直してください\n"_s + QDir::toNativeSeparators(loaded.path)
                 + u'\n' + loaded.detail,
             PromptIcon::Warning);
    showChoice(periods);
}

void PeriodsForm::createControls()
{
    m_threeTerms = namedChild<QRadioButton>(this, u"OPT_THREE"_s, u"3学期制"_s);
    m_twoTerms = namedChild<QRadioButton>(this, u"OPT_TWO"_s, u"2学期制（前期・後期）"_s);
    m_own = namedChild<QRadioButton>(this, u"OPT_OWN"_s, u"独自の期間（3つまで）"_s);
    m_firstEnds = namedChild<QLineEdit>(this, u"T_FIRST_END"_s);
    m_firstEnds->setPlaceholderText(u"10月9日"_s);
    m_firstEnds->setMaximumWidth(m_firstEnds->fontMetrics().horizontalAdvance(u"12月31日"_s) * 2);
    m_preview = namedLabel(u"LABEL_PERIODS"_s, QString(), this);
    m_preview->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_threeTerms, 0, 0, 1, 4);
    layout->addWidget(namedLabel(u"Label1"_s, periodsText(SchoolPeriods::threeTerms()), this), 1, 1, 1, 3);
    layout->addWidget(m_twoTerms, 2, 0, 1, 4);
    QLabel *firstEndsLabel = namedLabel(u"Label2"_s, u"前期の終わり"_s, this);
    firstEndsLabel->setBuddy(m_firstEnds);
    layout->addWidget(firstEndsLabel, 3, 1);
    layout->addWidget(m_firstEnds, 3, 2);
    layout->addWidget(namedLabel(u"Label3"_s, u"後期はその次の日から3月31日まで"_s, this), 3, 3);
    layout->addWidget(m_own, 4, 0, 1, 4);
    const QStringList headings{u"名前"_s, u"始まり"_s, u"終わり"_s};
    for (int column = 0; column < headings.size(); ++column)
        layout->addWidget(namedLabel(u"Label%1"_s.arg(column + 4), headings[column], this), 5, column + 1);
    for (int n = 0; n < int(m_rows.size()); ++n) {
        PeriodRow &row = m_rows[n];
        row.name = namedChild<QLineEdit>(this, u"T_NAME_%1"_s.arg(n));
        row.first = namedChild<QLineEdit>(this, u"T_FIRST_%1"_s.arg(n));
        row.last = namedChild<QLineEdit>(this, u"T_LAST_%1"_s.arg(n));
        row.name->setMaxLength(SchoolPeriodRules::MaximumNameLength);
        for (QLineEdit *day : {row.first, row.last})
            day->setMaximumWidth(day->fontMetrics().horizontalAdvance(u"12月31日"_s) * 2);
        row.name->setAccessibleName(u"%1番目の期間の名前"_s.arg(n + 1));
        row.first->setAccessibleName(u"%1番目の期間の始まり"_s.arg(n + 1));
        row.last->setAccessibleName(u"%1番目の期間の終わり"_s.arg(n + 1));
        layout->addWidget(row.name, 6 + n, 1);
        layout->addWidget(row.first, 6 + n, 2);
        layout->addWidget(row.last, 6 + n, 3);
        for (QLineEdit *box : {row.name, row.first, row.last})
            connect(box, &QLineEdit::textChanged, this, &PeriodsForm::showPreview);
    }
    m_rows.front().first->setPlaceholderText(u"4月1日"_s);
    m_rows.back().last->setPlaceholderText(u"3月31日"_s);
    layout->setColumnMinimumWidth(0, 16);
    layout->addWidget(m_preview, 9, 0, 1, 4);

    const ConfirmRow buttons = confirmRow(this, u"OK"_s, u"ＯＫ"_s, u"ESC"_s);
    layout->addLayout(buttons.layout, 10, 0, 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton *option : {m_threeTerms, m_twoTerms, m_own})
        connect(option, &QRadioButton::toggled, this, [this] {
            enableBoxes();
            showPreview();
        });
    connect(m_firstEnds, &QLineEdit::textChanged, this, &PeriodsForm::showPreview);
    connect(buttons.confirm, &QPushButton::clicked, this, &PeriodsForm::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PeriodsForm::showChoice(const SchoolPeriods &periods)
{
    switch (periods.scheme) {
    case SchoolPeriods::Scheme::ThreeTerms:
        m_threeTerms->setChecked(true);
        break;
    case SchoolPeriods::Scheme::TwoTerms:
        m_twoTerms->setChecked(true);
        m_firstEnds->setText(SchoolPeriodRules::dayText(periods.periods.first().last));
        break;
    case SchoolPeriods::Scheme::OwnPeriods:
        m_own->setChecked(true);
        for (qsizetype n = 0; n < periods.periods.size() && n < qsizetype(m_rows.size()); ++n) {
            const SchoolPeriod &period = periods.periods[n];
            m_rows[n].name->setText(period.name);
            m_rows[n].first->setText(SchoolPeriodRules::dayText(period.first));
            m_rows[n].last->setText(SchoolPeriodRules::dayText(period.last));
        }
        break;
    }
    enableBoxes();
    showPreview();
}

void PeriodsForm::enableBoxes()
{
    m_firstEnds->setEnabled(m_twoTerms->isChecked());
    for (const PeriodRow &row : m_rows) {
        for (QLineEdit *box : {row.name, row.first, row.last})
            box->setEnabled(m_own->isChecked());
    }
}

std::optional<SchoolPeriods> PeriodsForm::chosenPeriods(QString &refusal) const
{
    if (m_threeTerms->isChecked())
        return SchoolPeriods::threeTerms();
    if (m_twoTerms->isChecked()) {
        const std::optional<MonthDay> firstEnds = SchoolPeriodRules::parseDay(m_firstEnds->text());
        if (!firstEnds) {
            refusal = u"前期の終わりの日を"_s + DayExample;
            return std::nullopt;
        }
        return SchoolPeriods::twoTerms(*firstEnds);
    }
    SchoolPeriods own{SchoolPeriods::Scheme::OwnPeriods, {}};
    for (const PeriodRow &row : m_rows) {
        if (row.name->text().trimmed().isEmpty() && row.first->text().trimmed().isEmpty()
            && row.last->text().trimmed().isEmpty())
            continue;
        const QString named = row.name->text().trimmed().isEmpty() ? u"%1番目の期間"_s.arg(own.periods.size() + 1)
                                                                   : u"「%1」"_s.arg(row.name->text().trimmed());
        const std::optional<MonthDay> first = SchoolPeriodRules::parseDay(row.first->text());
        const std::optional<MonthDay> last = SchoolPeriodRules::parseDay(row.last->text());
        if (!first || !last) {
            refusal = named + (first ? u"の終わりの日を"_s : u"の始まりの日を"_s) + DayExample;
            return std::nullopt;
        }
        own.periods.append({row.name->text().trimmed(), *first, *last});
    }
    return own;
}

std::optional<SchoolPeriods> PeriodsForm::soundPeriods(QString &refusal) const
{
    const std::optional<SchoolPeriods> periods = chosenPeriods(refusal);
    if (!periods)
        return std::nullopt;
    if (const auto refused = SchoolPeriodRules::refusal(*periods)) {
        refusal = *refused;
        return std::nullopt;
    }
    return periods;
}

// The periods as they would be kept, or in grey why they cannot be.
void PeriodsForm::showPreview()
{
    QString refusal;
    const std::optional<SchoolPeriods> periods = soundPeriods(refusal);
    m_preview->setText(periods ? u"集計期間: "_s + periodsText(*periods) : refusal);
    m_preview->setStyleSheet(periods ? QString() : u"color: gray"_s);
}

void PeriodsForm::confirm()
{
    QString refusal;
    const std::optional<SchoolPeriods> periods = soundPeriods(refusal);
    if (!periods) {
        tell(m_platform, this, refusal, PromptIcon::Warning);
        return;
    }
    const SaveResult saved = PeriodsFile::save(m_session.Settings.WorkFolder, *periods);
    if (!saved.ok) {
        tell(m_platform, this, saveFailureMessage(saved), PromptIcon::Warning);
        return;
    }
    accept();
}
