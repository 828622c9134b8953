#pragma once

#include "calendar/monthchoice.h"
#include "choicedialog.h"

#include <optional>

class EraYearEntry;
class QLineEdit;

// F_SET: chooses the year, month and class of the register to open. The year
// is typed in the era chosen beside it, or as a four-digit Gregorian year that
// is then shown in the era of its month.
class MonthDialog : public ChoiceDialog
{
    Q_OBJECT

public:
    MonthDialog(Session &session, Platform &platform, QWidget *parent = nullptr);
    ~MonthDialog() override;

    // OK: checks the choice, creates the class's folders, makes the month the
    // open one of AppState and closes; otherwise tells why and stays.
    void confirm() override;
    // ESC: closes with nothing chosen (HeiseiYear 0).
    void cancel() override;

private:
    void createControls();
    void showYearMonth(const YearMonth &yearMonth);
    // The year and month as typed; nullopt when either is not a number or the month is not 1..12.
    std::optional<YearMonth> typedYearMonth() const;
    void stepMonth(int step);
    void followMonth();
    void yearEntered();

    EraYearEntry *m_year = nullptr; // ERA and T_Y
    QLineEdit *m_month = nullptr;   // T_M
};
