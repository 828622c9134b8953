#include "settingssave.h"

#include "data/records.h"
#include "data/settingsfile.h"
#include "data/settingsstore.h"
#include "ui/platform.h"
#include "ui/storefailure.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

bool saveSettings(const ProgramSettings &settings, const QString &monthFolder, Platform &platform, QWidget *parent)
{
    publishSettings(platform.store, settings, monthFolder, QCoreApplication::applicationDirPath(),
                    platform.clock.today());
    reportStoreFailure(platform, parent);
    SaveResult result;
    for (;;) {
        result = SettingsFile::save(settings);
        if (result.ok)
            return true;
        if (!result.deviceNotReady)
            break;
        const PromptMessage retry{u"ﾃﾞｨｽｸが準備されていません"_s, QString(), PromptIcon::Warning,
                                  PromptButtons::OkCancel};
        if (platform.prompts.ask(parent, retry) != PromptAnswer::Ok)
            break;
    }
    tell(platform, parent, saveFailureMessage(result), PromptIcon::Warning, QString());
    return false;
}
