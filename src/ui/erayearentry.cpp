#include "erayearentry.h"

#include "calendar/era.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

EraYearEntry::EraYearEntry(QWidget *parent)
    : QWidget(parent)
{
    m_era = new QComboBox(this);
    m_era->setObjectName(u"ERA"_s);
    m_era->addItems(JapaneseEra::entryEras());
    m_era->setToolTip(u"年号"_s);
    m_era->setAccessibleName(u"年号"_s);
    m_year = new QLineEdit(this);
    m_year->setObjectName(u"T_Y"_s);
    m_year->setMaxLength(4);
    m_year->setValidator(new QRegularExpressionValidator(QRegularExpression(u"元|[0-9]*"_s), m_year));
    m_year->setAlignment(Qt::AlignRight);
    m_year->setFixedWidth(m_year->fontMetrics().horizontalAdvance(u"0000"_s) + 16);
    m_year->setToolTip(u"年号の年（4桁なら西暦）"_s);
    m_year->setAccessibleName(u"年"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_era);
    layout->addWidget(m_year);

    connect(m_year, &QLineEdit::textEdited, this, [this] { m_gregorian.reset(); });
    connect(m_era, &QComboBox::activated, this, [this] { m_gregorian.reset(); });
}

void EraYearEntry::showInEra(const QString &era, int eraYear)
{
    const int index = m_era->findText(era);
    if (index < 0)
        return; // before 平成: the Gregorian digits stay as typed
    m_era->setCurrentIndex(index);
    m_year->setText(QString::number(eraYear));
}

void EraYearEntry::showMonthYear(int gregorianYear, int month)
{
    m_gregorian.reset();
    const JapaneseEra::EraYear shown = JapaneseEra::ofMonth(gregorianYear, month);
    m_year->setText(QString::number(gregorianYear));
    showInEra(shown.era, shown.year);
}

void EraYearEntry::showSchoolYear(int gregorianYear)
{
    m_gregorian.reset();
    const JapaneseEra::EraYear shown = JapaneseEra::ofSchoolYear(gregorianYear);
    m_year->setText(QString::number(gregorianYear));
    showInEra(shown.era, shown.year);
}

bool EraYearEntry::yearIsGregorian() const
{
    return m_gregorian || m_year->text().trimmed().size() == 4;
}

void EraYearEntry::takeTypedGregorianYear()
{
    const QString typed = m_year->text().trimmed();
    if (typed.size() == 4)
        m_gregorian = typed.toInt();
}

void EraYearEntry::followMonth(int month)
{
    takeTypedGregorianYear();
    if (!m_gregorian || month < 1 || month > 12)
        return;
    const JapaneseEra::EraYear shown = JapaneseEra::ofMonth(*m_gregorian, month);
    showInEra(shown.era, shown.year);
}

void EraYearEntry::followSchoolYear()
{
    takeTypedGregorianYear();
    if (!m_gregorian)
        return;
    const JapaneseEra::EraYear shown = JapaneseEra::ofSchoolYear(*m_gregorian);
    showInEra(shown.era, shown.year);
}

int EraYearEntry::typedEraYear() const
{
    const QString typed = m_year->text().trimmed();
    return typed == JapaneseEra::FirstYear ? 1 : typed.toInt();
}

std::optional<int> EraYearEntry::gregorianYear() const
{
    if (m_gregorian)
        return m_gregorian;
    return JapaneseEra::parseYearInput(m_year->text(), m_era->currentText());
}

QString EraYearEntry::monthRefusal(int month) const
{
    const std::optional<int> year = gregorianYear();
    if (yearIsGregorian() || !year || JapaneseEra::monthLiesInEra(m_era->currentText(), *year, month))
        return {};
    return JapaneseEra::missingMonthText(m_era->currentText(), typedEraYear(), month);
}

QString EraYearEntry::schoolYearRefusal() const
{
    const std::optional<int> year = gregorianYear();
    if (yearIsGregorian() || !year || JapaneseEra::schoolYearLiesInEra(m_era->currentText(), *year))
        return {};
    return JapaneseEra::missingSchoolYearText(m_era->currentText(), typedEraYear());
}
