#include "monthclaim.h"

#include "data/reasonfile.h"
#include "data/records.h"
#include "data/session.h"
#include "register/monthreasons.h"
#include "register/monthrecovery.h"
#include "ui/platform.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString RecoveryQuestion = u"前回正常に終了しなかったため、保存されていない入力があります。復元しますか？"_s;

bool agreesToTakeOver(Platform &platform, QWidget *parent, const LockHolder &holder)
{
    const QString text = u"この出席簿は、次のパソコンで開かれたまま1日以上たっています。\n\n%1\n\n"
                         "そのパソコンで出席簿を開いていないことを確かめてから、編集を引き継いでください。\n"
                         "編集を引き継ぎますか？"_s.arg(holder.description());
    return platform.prompts.ask(parent, {text, ProgramTitle, PromptIcon::Question, PromptButtons::YesNo})
           == PromptAnswer::Yes;
}

std::optional<MonthAccess> offerReadOnly(Platform &platform, QWidget *parent, const QString &text)
{
    if (platform.prompts.ask(parent, {text, ProgramTitle, PromptIcon::Warning, PromptButtons::OpenReadOnlyCancel})
        == PromptAnswer::Cancel)
        return std::nullopt;
    return MonthAccess{nullptr, true};
}

} // namespace

std::optional<MonthAccess> claimMonth(Platform &platform, QWidget *parent, const QString &monthPath)
{
    auto lock = std::make_unique<MonthLock>(monthPath);
    MonthLock::Outcome outcome = lock->take();
    std::optional<LockHolder> holder = lock->holder();
    if (outcome == MonthLock::Outcome::Held && holder && holder->isAbandoned()
        && agreesToTakeOver(platform, parent, *holder)) {
        outcome = lock->takeOver();
        holder = lock->holder();
    }
    switch (outcome) {
    case MonthLock::Outcome::Taken:
        return MonthAccess{std::move(lock), false};
    case MonthLock::Outcome::Held:
        if (holder)
            return offerReadOnly(platform, parent, MonthInUseMessage + u"\n\n"_s + holder->description());
        break;
    case MonthLock::Outcome::Unavailable:
        break;
    }
    return offerReadOnly(platform, parent,
                         u"この出席簿を編集用に開けません（使用中を示すファイルを作成できません）\n"_s
                             + QDir::toNativeSeparators(MonthLock::lockPath(monthPath)));
}

bool offerRecovery(Platform &platform, QWidget *parent, const QString &monthPath, const QString &monthTitle,
                   const ReasonCategories &categories, RegisterMonth &month)
{
    if (!MonthRecovery::isPending(monthPath))
        return false;
    const PromptMessage question{monthTitle + u"の出席簿は、"_s + RecoveryQuestion, ProgramTitle, PromptIcon::Question,
                                 PromptButtons::YesNo};
    if (platform.prompts.ask(parent, question) == PromptAnswer::Yes) {
        RegisterMonth recovered;
        QString reasonsMessage;
        if (MonthRecovery::load(monthPath, categories, recovered, reasonsMessage).ok()) {
            month = recovered;
            if (!reasonsMessage.isEmpty())
                tell(platform, parent, reasonsMessage, PromptIcon::Warning);
            return true;
        }
        tell(platform, parent, u"入力を復元できませんでした。復元用のファイルは別の名前で残します。"_s,
             PromptIcon::Warning);
    }
    const QString kept = MonthRecovery::setAside(monthPath);
    if (kept.isEmpty())
        tell(platform, parent,
             u"復元用のファイルを別の名前で残せませんでした\n"_s
                 + QDir::toNativeSeparators(MonthRecovery::recoveryPath(monthPath)),
             PromptIcon::Warning);
    return false;
}

void loadReasonCategories(Platform &platform, QWidget *parent, Session &session)
{
    const LoadResult loaded = ReasonCategoriesFile::load(session.Settings.WorkFolder, session.ReasonLists);
    if (!loaded.ok())
        tell(platform, parent,
             u"学校で追加した欠席理由を読み込めません。決められた理由だけを使います\n"_s
                 + QDir::toNativeSeparators(loaded.path),
             PromptIcon::Warning);
}

void attachMonthReasons(Platform &platform, QWidget *parent, const QString &monthPath,
                        const ReasonCategories &categories, RegisterMonth &month)
{
    const QString message = MonthReasons::read(ReasonFile::pathFor(monthPath), categories, month);
    if (!message.isEmpty())
        tell(platform, parent, message, PromptIcon::Warning);
}
