#pragma once

#include "print/printjob.h"
#include "school/schoolday.h"

#include <QWidget>

#include <functional>

class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
struct Platform;
struct Session;

// 本日の出欠: every class of the school on one day, with its absent pupils and
// their reasons, the sums by grade and for the school, and the classes whose
// closure rate reaches the school's threshold. A window of its own beside the
// register; it only reads the month files, again on 更新 and every minute.
class DayForm : public QWidget
{
    Q_OBJECT

public:
    // Sends a printout to the printer the program has chosen, telling the user when it fails.
    using Printer = std::function<void(const PrintRun &run)>;

    static constexpr int RefreshMilliseconds = 60 * 1000;

    DayForm(Session &session, Platform &platform, Printer printer, QWidget *parent = nullptr);
    ~DayForm() override;

    // Reads and shows `date`.
    void showDate(const QDate &date);
    // 更新: reads the shown date again.
    void refresh();
    const SchoolDay &schoolDay() const { return m_school; }

    // The shown day as CSV or as the printout's PDF; false (after telling the user) on failure.
    bool saveCsv(const QString &path);
    bool savePdf(const QString &path);

private:
    void createControls();
    QWidget *createCommandRow();
    void showSchoolDay();
    void addClass(const ClassDay &day);
    void showSums();
    void changeThreshold(double percent);
    QString fileName(const QString &suffix) const;
    void askAndSave(const QString &caption, const QString &suffix, const QString &filter,
                    bool (DayForm::*save)(const QString &));

    Session &m_session;
    Platform &m_platform;
    Printer m_printer;
    SchoolDay m_school;
    QDateEdit *m_date = nullptr;           // T_DATE
    QDoubleSpinBox *m_threshold = nullptr; // T_LIMIT
    QTreeWidget *m_classes = nullptr;      // DAY_LIST
    QTableWidget *m_sums = nullptr;        // SUMS
    QLabel *m_overCount = nullptr;         // OVER_COUNT
    QLabel *m_notes = nullptr;             // NOTES
    QTimer *m_timer = nullptr;             // REFRESH_TIMER
    QTime m_readAt;
    QString m_thresholdNote; // why CLOSURE.CSD could not be read
};
