#include "gradeinput.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace GradeInput {

double leadingNumber(const QString &text)
{
    static const QRegularExpression number(u"^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"_s);
    const QString plain = text.normalized(QString::NormalizationForm_KC);
    const QRegularExpressionMatch match = number.match(plain);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

std::optional<qint16> parse(const QString &text)
{
    const double rounded = std::nearbyint(leadingNumber(text));
    if (!(rounded >= 0 && rounded <= Highest))
        return std::nullopt;
    return qint16(rounded);
}

QString refusal()
{
    return u"学年は0から%1までの数で入力してください"_s.arg(Highest);
}

} // namespace GradeInput
