#include "storefailure.h"

#include "data/settingsstore.h"
#include "platform.h"

#include <QDir>

using namespace Qt::StringLiterals;

void reportStoreFailure(Platform &platform, QWidget *parent)
{
    if (!platform.store.takeUnreportedFailure())
        return;
    tell(platform, parent,
         u"ユーザー設定を保存できませんでした（ウィンドウの位置などは次回の起動に引き継がれません）\n"_s
             + QDir::toNativeSeparators(platform.store.location()),
         PromptIcon::Warning);
}
