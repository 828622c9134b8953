#include "sessionclasslist.h"

#include "classlistfile.h"
#include "session.h"

using namespace Qt::StringLiterals;

LoadResult loadSessionClassList(Session &session)
{
    const LoadResult loaded = ClassListFile::load(session.Settings.WorkFolder, session.Classes);
    session.ClassListUnreadable = loaded.unreadable();
    return loaded;
}

SaveResult saveSessionClassList(const Session &session)
{
    const QString path = ClassListFile::filePath(session.Settings.WorkFolder);
    if (session.ClassListUnreadable)
        return SaveResult{false, path, u"読み込めなかったクラスファイルは置き換えません"_s, false};
    return ClassListFile::save(session.Settings.WorkFolder, session.Classes);
}
