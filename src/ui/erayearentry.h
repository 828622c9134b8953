#pragma once

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;

// The year of a month or of a school year, typed beside a choice of era
// (`ERA`, then the year box `T_Y`). One to three digits are a year of the era
// shown, which the user chooses directly; four digits are a Gregorian year,
// shown in the era of its month or school year (again whenever the month
// changes). A year that the era shown does not have is refused with a message.
class EraYearEntry : public QWidget
{
    Q_OBJECT

public:
    explicit EraYearEntry(QWidget *parent = nullptr);

    QLineEdit *yearBox() const { return m_year; }

    // Shows the year of a calendar month, or of a school year, in its era.
    void showMonthYear(int gregorianYear, int month);
    void showSchoolYear(int gregorianYear);

    // After the year or the month was edited: four typed digits are shown in
    // the era of the month (or school year).
    void followMonth(int month);
    void followSchoolYear();

    // The Gregorian year meant; nullopt when the box holds no year.
    std::optional<int> gregorianYear() const;

    // Why the typed year cannot be taken with `month` (or as a school year);
    // empty when it can.
    QString monthRefusal(int month) const;
    QString schoolYearRefusal() const;

private:
    void showInEra(const QString &era, int eraYear);
    bool yearIsGregorian() const;
    int typedEraYear() const;
    // Four digits just typed become the Gregorian year that the era follows.
    void takeTypedGregorianYear();

    QComboBox *m_era = nullptr;
    QLineEdit *m_year = nullptr;
    // Set while the year shown stands for a Gregorian year typed as four digits.
    std::optional<int> m_gregorian;
};
