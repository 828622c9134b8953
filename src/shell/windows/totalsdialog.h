#pragma once

#include "choicedialog.h"

class EraYearEntry;

// F_SET2: chooses the school year and class of the totals. The year is typed
// in the era chosen beside it, or as a four-digit Gregorian year that is then
// shown in the era of the school year (the era of its 1 May).
class TotalsDialog : public ChoiceDialog
{
    Q_OBJECT

public:
    TotalsDialog(Session &session, Platform &platform, QWidget *parent = nullptr);

    // OK: makes the choice the totals class of AppState and closes; a year
    // below 1 is refused silently, anything else wrong with a message.
    void confirm() override;
    // ESC: closes with nothing chosen (TotalsYear 0).
    void cancel() override;

private:
    EraYearEntry *m_year = nullptr; // ERA and T_Y
};
