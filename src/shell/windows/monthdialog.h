#pragma once

#include "calendar/monthchoice.h"
#include "ui/windowposition.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Session;

// F_SET: chooses the year, month and class of the register to open. The year
// is shown in the era of the month (Label4) and may be typed as an era year or
// as a four-digit Gregorian year.
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
    void showTypedYearInItsEra();
    void yearEntered();

    Session &m_session;
    QLabel *m_era = nullptr;        // Label4
    QLineEdit *m_year = nullptr;    // T_Y
    QLineEdit *m_month = nullptr;   // T_M
    QComboBox *m_classes = nullptr; // CLASS_NAME
    QPushButton *m_ok = nullptr;    // OK
};
