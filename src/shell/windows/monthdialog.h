#pragma once

#include "calendar/monthchoice.h"
#include "ui/windowposition.h"

#include <optional>

class QComboBox;
class EraYearEntry;
class QLineEdit;
class QPushButton;
struct Session;

// F_SET: chooses the year, month and class of the register to open. The year
// is typed in the era chosen beside it, or as a four-digit Gregorian year that
// is then shown in the era of its month.
class MonthDialog : public RememberedDialog
{
    Q_OBJECT

public:
    MonthDialog(Session &session, Platform &platform, QWidget *parent = nullptr);

    // OK: checks the choice, creates the class's folders, makes the month the
    // open one of AppState and closes; otherwise tells why and stays.
    void confirm();
    // ESC: closes with nothing chosen (HeiseiYear 0).
    void cancel();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void fillClasses();
    void showYearMonth(const YearMonth &yearMonth);
    // The year and month as typed; nullopt when either is not a number or the month is not 1..12.
    std::optional<YearMonth> typedYearMonth() const;
    void stepMonth(int step);
    void followMonth();
    void yearEntered();

    Session &m_session;
    EraYearEntry *m_year = nullptr; // ERA and T_Y
    QLineEdit *m_month = nullptr;   // T_M
    QComboBox *m_classes = nullptr; // CLASS_NAME
    QPushButton *m_ok = nullptr;    // OK
};
