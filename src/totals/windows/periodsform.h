#pragma once

#include "data/schoolperiods.h"
#include "ui/windowposition.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;
struct Session;

// PERIOD_SET, 集計期間: the school's choice of the periods its totals add up
// (3学期制, 2学期制 with the day 前期 ends, or up to three named periods of its
// own), kept in PERIODS.CSD of the work folder. ＯＫ refuses periods that leave
// a gap or overlap, saying why, and keeps the window open.
class PeriodsForm : public RememberedDialog
{
    Q_OBJECT

public:
    PeriodsForm(Session &session, Platform &platform, QWidget *parent = nullptr);

    // ＯＫ: saves the choice and closes; otherwise tells why and stays.
    void confirm();

private:
    struct PeriodRow
    {
        QLineEdit *name = nullptr;  // T_NAME_n
        QLineEdit *first = nullptr; // T_FIRST_n
        QLineEdit *last = nullptr;  // T_LAST_n
    };

    void createControls();
    void showChoice(const SchoolPeriods &periods);
    void enableBoxes();
    // The periods the controls describe; the reason when they describe none.
    std::optional<SchoolPeriods> chosenPeriods(QString &refusal) const;
    // The same, when the periods can be kept; else why not.
    std::optional<SchoolPeriods> soundPeriods(QString &refusal) const;
    void showPreview();

    Session &m_session;
    QRadioButton *m_threeTerms = nullptr; // OPT_THREE
    QRadioButton *m_twoTerms = nullptr;   // OPT_TWO
    QRadioButton *m_own = nullptr;        // OPT_OWN
    QLineEdit *m_firstEnds = nullptr;     // T_FIRST_END
    std::array<PeriodRow, SchoolPeriodRules::MaximumPeriods> m_rows;
    QLabel *m_preview = nullptr; // LABEL_PERIODS
};
