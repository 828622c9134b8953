#include "pagefont.h"

#include "data/registerfont.h"

#include <QFontMetricsF>

#include <cmath>

namespace PageFont {

namespace {

constexpr int ReferencePixels = 1000;
constexpr double MillimetresPerPoint = 25.4 / 72;

QFont unhinted()
{
    installRegisterFontSubstitution();
    QFont font(RegisterFontFamily);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// Metrics at a large pixel size; one pixel there is 1/1000 em.
const QFontMetricsF &reference()
{
    static const QFontMetricsF metrics = [] {
        QFont font = unhinted();
        font.setPixelSize(ReferencePixels);
        return QFontMetricsF(font);
    }();
    return metrics;
}

double emToMillimetres(double ems, double points)
{
    return ems / ReferencePixels * points * MillimetresPerPoint;
}

} // namespace

QFont font(double points)
{
    QFont result = unhinted();
    result.setPointSizeF(points);
    return result;
}

double textWidth(const QString &text, double points)
{
    return emToMillimetres(reference().horizontalAdvance(text), points);
}

double lineHeight(double points)
{
    return emToMillimetres(reference().height(), points);
}

double ascent(double points)
{
    return emToMillimetres(reference().ascent(), points);
}

double shrinkToFit(const QString &text, double largest, double smallest, double width)
{
    // In tenths of a point, so that the steps add up exactly.
    const int smallestTenths = int(std::lround(smallest * 10));
    for (int tenths = int(std::lround(largest * 10)); tenths >= smallestTenths; tenths -= 2) {
        if (textWidth(text, tenths / 10.0) < width)
            return tenths / 10.0;
    }
    return smallest;
}

} // namespace PageFont
