#include "settingssave.h"

#include "data/session.h"
#include "data/settingsfile.h"
#include "data/settingsstore.h"
#include "ui/platform.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

bool saveSettings(Session &session, Platform &platform, QWidget *parent)
{
    publishSettings(platform.store, session.Settings, session.State.MonthFolder, QCoreApplication::applicationDirPath(),
                    platform.clock.today());
    for (;;) {
        const SaveResult result = SettingsFile::save(session.Settings);
        if (result.ok)
            return true;
        if (!result.deviceNotReady)
            break;
        const PromptMessage retry{u"ﾃﾞｨｽｸが準備されていません"_s, QString(), PromptIcon::Warning,
                                  PromptButtons::OkCancel};
        if (platform.prompts.ask(parent, retry) != PromptAnswer::Ok)
            break;
    }
    tell(platform, parent, u"データの保存に失敗しました"_s, PromptIcon::Warning, QString());
    return false;
}
