#include "totalsdialog.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/erayearentry.h"
#include "ui/platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TotalsDialog::TotalsDialog(Session &session, Platform &platform, QWidget *parent)
    : ChoiceDialog(session, platform, u"F_SET2"_s, parent)
{
    setWindowTitle(u"出席簿集計月"_s);
    m_year = new EraYearEntry(this);
    m_year->showSchoolYear(proposedSchoolYear(m_session.State, m_platform.clock.today()));
    auto *yearRow = new QHBoxLayout;
    yearRow->addWidget(m_year);
    yearRow->addWidget(namedLabel(u"Label4"_s, u"年度"_s, this));
    yearRow->addStretch();
    layOut(u"出席集計期間"_s, yearRow);

    connect(m_year->yearBox(), &QLineEdit::returnPressed, this, &TotalsDialog::confirm);
    connect(m_year->yearBox(), &QLineEdit::editingFinished, m_year, &EraYearEntry::followSchoolYear);
}

void TotalsDialog::confirm()
{
    const ClassEntry *classEntry = chosenClass();
    if (!classEntry)
        return;
    m_year->followSchoolYear();
    const std::optional<int> schoolYear = m_year->gregorianYear();
    if (!schoolYear || JapaneseEra::heiseiFromGregorian(*schoolYear) < 1)
        return;
    if (const QString refusal = m_year->schoolYearRefusal(); !refusal.isEmpty()) {
        tell(m_platform, this, refusal, PromptIcon::Warning);
        return;
    }
    if (!classFolderReachable(*classEntry))
        return;
    applyTotalsChoice(m_session.State, m_session.Settings, *classEntry, *schoolYear);
    accept();
}

void TotalsDialog::cancel()
{
    m_session.State.TotalsYear = 0;
    reject();
}
