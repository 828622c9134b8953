#include "typedtext.h"

#include "data/cp932.h"
#include "data/storedtext.h"
#include "ui/platform.h"

std::optional<QString> acceptTypedText(Platform &platform, QWidget *parent, const QString &typed)
{
    const QString text = Cp932::normalizeText(typed);
    if (const auto refused = StoredText::firstRefused(text)) {
        tell(platform, parent, StoredText::refusalMessage(*refused), PromptIcon::Warning);
        return std::nullopt;
    }
    return text;
}
