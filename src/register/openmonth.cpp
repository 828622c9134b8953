#include "openmonth.h"

#include "calendar/era.h"
#include "data/monthfile.h"

#include <QDir>

QString openMonthPath(const AppState &state)
{
    return QDir(state.MonthFolder)
        .filePath(MonthFile::fileName(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month));
}
