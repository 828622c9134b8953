#include "typedtext.h"

#include "data/cp932.h"
#include "ui/platform.h"

std::optional<QString> acceptTypedText(Platform &platform, QWidget *parent, const QString &typed)
{
    const QString text = Cp932::normalizeText(typed);
    if (const auto refused = Cp932::firstUnencodable(text)) {
        tell(platform, parent, Cp932::unencodableMessage(*refused), PromptIcon::Warning);
        return std::nullopt;
    }
    return text;
}
