#include "classlistsave.h"

#include "data/classlistfile.h"
#include "data/session.h"
#include "data/sessionclasslist.h"
#include "platform.h"

#include <QDir>

using namespace Qt::StringLiterals;

bool saveClassList(Session &session, Platform &platform, QWidget *parent)
{
    if (session.ClassListUnreadable) {
        const QString path = QDir::toNativeSeparators(ClassListFile::filePath(session.Settings.WorkFolder));
        const PromptMessage question{u"クラスファイルが読み込めなかったため、保存していません\n%1\n"
                                     u"今のクラス一覧で置き換えますか？"_s.arg(path),
                                     ProgramTitle, PromptIcon::Warning, PromptButtons::YesNo};
        if (platform.prompts.ask(parent, question) != PromptAnswer::Yes)
            return false;
        session.ClassListUnreadable = false;
    }
    const SaveResult saved = saveSessionClassList(session);
    if (!saved.ok)
        tell(platform, parent,
             u"クラスファイルの保存に失敗しました\n%1\n%2"_s.arg(QDir::toNativeSeparators(saved.path), saved.error),
             PromptIcon::Warning);
    return saved.ok;
}
