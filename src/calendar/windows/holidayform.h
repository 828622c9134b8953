#pragma once

#include "ui/windowposition.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct Session;

// HOLIDAY: the open month's days off. Lists the holiday list in day order and
// lets the user add the school's own days (one day or a range), overwrite or
// delete entries and mark the whole month off. A month with an empty list is
// first filled with the national holidays and weekends. Closing stores the
// whole-month setting, runs refreshSheet and remembers the window's position.
class HolidayForm : public RememberedDialog
{
    Q_OBJECT

public:
    HolidayForm(Session &session, Platform &platform, std::function<void()> refreshSheet, QWidget *parent = nullptr);

    // Sorts the list by day and shows it in GRID1.
    void RefreshHolidayGrid();

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void placeControls();
    void showMonthOff();
    void addHolidaysFromInput();
    void deleteSelectedHolidays();
    void warnAboutLongMonthOffText();
    int lastDayOfMonth() const;

    Session &m_session;
    std::function<void()> m_refreshSheet;

    QCheckBox *m_monthOff = nullptr;     // CHK11
    QLabel *m_monthOffLabel = nullptr;   // Label6
    QLineEdit *m_monthOffText = nullptr; // MSG11
    QTableWidget *m_grid = nullptr;      // GRID1
    QPushButton *m_close = nullptr;      // B_ESC
    QPushButton *m_delete = nullptr;     // B_DEL
    QPushButton *m_add = nullptr;        // B_ADD
    QLineEdit *m_firstDay = nullptr;     // HOLIDAY
    QLabel *m_dayRangeLabel = nullptr;   // Label2
    QLineEdit *m_lastDay = nullptr;      // HOLIDAY2
    QLabel *m_reasonLabel = nullptr;     // Label4
    QComboBox *m_reason = nullptr;       // MSG
    QLabel *m_printTextLabel = nullptr;  // Label5
    QLineEdit *m_printText = nullptr;    // MSG2
};
