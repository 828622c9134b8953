#pragma once

#include <QString>

struct AppState;

// The open month's file in the open class's MonthFolder.
QString openMonthPath(const AppState &state);
