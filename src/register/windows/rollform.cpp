#include "rollform.h"

#include "data/monthfile.h"
#include "data/session.h"
#include "shell/windows/platform.h"

#include <QCloseEvent>
#include <QDir>

using namespace Qt::StringLiterals;

RollForm::RollForm(Session &session, Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_platform(platform)
{
    setObjectName(u"ROLL_FORM"_s);
    m_session.State.OpenSheet = u"FORM"_s;
    RefreshSheet();
}

RollForm::~RollForm() = default;

void RollForm::RefreshSheet()
{
    m_session.computeStatistics();
    update();
}

bool RollForm::saveMonth()
{
    const SaveResult result = MonthFile::save(m_session.State, m_session.Register);
    if (!result.ok) {
        tell(m_platform, this,
             u"データの保存に失敗しました\n"_s + QDir::toNativeSeparators(result.path), PromptIcon::Warning);
    }
    return result.ok;
}

void RollForm::closeEvent(QCloseEvent *event)
{
    if (!saveMonth()) {
        event->ignore();
        return;
    }
    m_session.State.OpenSheet.clear();
    event->accept();
    emit closed();
}
