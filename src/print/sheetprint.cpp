#include "sheetprint.h"

#include "data/session.h"

bool SheetPrint::countBySex() const
{
    return (session.Settings.CountBySex & 1) != 0;
}

JapaneseEra::EraYear titleEra(const AppState &state, const QDate &today)
{
    if (state.HeiseiYear > 0 && state.Month >= 1 && state.Month <= 12)
        return JapaneseEra::ofMonth(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month);
    return JapaneseEra::ofDate(today);
}

JapaneseEra::EraYear SheetPrint::era() const
{
    return titleEra(session.State, today);
}

void printRightAligned(PageSurface &surface, double x, double y, const QString &text, int positions)
{
    surface.moveTo(x, y);
    if (text.size() <= positions) {
        surface.printText(text.rightJustified(positions, u' '));
        return;
    }
    const double points = surface.fontSize();
    surface.setFont(points * positions / double(text.size()));
    surface.printText(text);
    surface.setFont(points);
}
