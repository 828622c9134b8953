#include "figureformat.h"

using namespace Qt::StringLiterals;

namespace FigureFormat {

QString count(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

QString tenths(qint64 tenths)
{
    const QString sign = tenths < 0 ? u"-"_s : QString();
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    return sign + QString::number(magnitude / 10) + u'.' + QString::number(magnitude % 10);
}

QString rate(std::optional<int> tenthsOfPercent)
{
    return tenthsOfPercent ? tenths(*tenthsOfPercent) + u'%' : QString();
}

QString schoolDays(qint64 days)
{
    return count(days) + u"日"_s;
}

} // namespace FigureFormat
