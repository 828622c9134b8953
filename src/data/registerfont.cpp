#include "registerfont.h"

#include <QFont>

using namespace Qt::StringLiterals;

void installRegisterFontSubstitution()
{
    QFont::insertSubstitution(RegisterFontFamily, u"IPAMincho"_s);
}
