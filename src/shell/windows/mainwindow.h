#pragma once

#include "print/printjob.h"
#include "printerchoice.h"
#include "register/monthlock.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class DayForm;
class HelpWindow;
class InstanceLock;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;
class RollForm;
class RollTotal;
struct Platform;
struct Session;

// MAIN_F: the frame of the program. The register editor and the totals window
// open as document windows inside it; its buttons and menu route every command.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(Session &session, Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // When the window loads: refuses a second instance (false, after telling
    // the user), records the version and shows the busy pointer until the
    // class list and settings are loaded at the first showing.
    bool startUp(InstanceLock &lock);
    // Shows the window at its remembered size and place; on first start it
    // fills the screen's available area.
    void showInRememberedPlace();

    // 月データ / 新規作成: closes the open document, asks for the month in
    // F_SET and opens it.
    void runMonthCommand();
    // Opens the month chosen in AppState: takes its lock (or, with the user's
    // consent, opens it read-only), restores unsaved entries if the user
    // wishes, loads its file or with the user's consent an empty month, then
    // opens the register editor.
    void openMonth();
    // The one place where the register editor opens on the open month.
    void openRegisterEditor(MonthAccess access = {});
    // 集計: closes the open document, asks for the school year and class in
    // F_SET2 and opens the totals window on them.
    void runTotalsCommand();
    void openTotalsWindow();
    // Closes the document windows (the register editor writes its month);
    // false when one of them stays open.
    bool closeDocuments();

    void runPrintCommand();
    void runEnvironmentCommand();
    // 休日設定: the holiday window on the open month; the sheet follows its changes.
    void openHolidayWindow();
    // 名簿読込: the roster window on the open month; the sheet follows its import.
    void openRosterWindow();
    // クラス設定: the class list window; an open register editor stays open.
    void openClassListWindow();
    // 本日の出欠: the school's day in a window of its own, brought to the front when open.
    void openDayWindow();
    // 集計期間: closes the open document (the totals offer the periods they
    // opened with), then the window of the school's periods.
    void openPeriodsWindow();
    // 年度更新: closes the open document (its month is saved first), then the
    // window that carries the pupils of a school year into the next April.
    void openNewYearWindow();
    void runPrinterSetup();
    void showHelp();
    void showVersion();

    // The printer that all printing of this run uses.
    PrinterChoice &printerChoice() { return m_printer; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Document { None, RegisterEditor, ReadOnlyRegister, Totals };

    void createMenus();
    // RefreshSheet of the register editor, while it is open.
    std::function<void()> sheetRefresher() const;
    QWidget *createCommandBar();
    void showDocumentButtons(Document document);
    void loadClassesAndSettings();
    bool loadMonthFile(const QString &path);
    void setBusyPointer(bool busy);
    // PRT_ROLL on the open month, printing on the chosen printer.
    void openPrintDialog();
    // The totals window's table on the chosen printer.
    void printTotals();
    // A printout on the chosen printer; tells the user when it fails.
    void printOnChosenPrinter(const PrintRun &run);

    Session &m_session;
    Platform &m_platform;
    PrinterChoice m_printer;
    QMdiArea *m_documents = nullptr;
    QPointer<RollForm> m_editor;
    QPointer<RollTotal> m_totals;
    QPointer<HelpWindow> m_help;
    QPointer<DayForm> m_day;
    QLabel *m_periodLabel = nullptr; // Label1
    QLabel *m_classLabel = nullptr;  // Label2
    QMenu *m_viewMenu = nullptr;     // the register editor's zoom
    QLabel *m_zoomLabel = nullptr;
    QPushButton *m_holidayButton = nullptr;
    QPushButton *m_rosterButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    bool m_busy = false;
    bool m_shown = false;
};
