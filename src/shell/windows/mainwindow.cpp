#include "mainwindow.h"

#include "calendar/era.h"
#include "calendar/monthchoice.h"
#include "calendar/nationalholidays.h"
#include "calendar/windows/holidayform.h"
#include "data/monthfile.h"
#include "data/session.h"
#include "data/sessionclasslist.h"
#include "data/settingsfile.h"
#include "data/settingsstore.h"
#include "environmentdialog.h"
#include "helpwindow.h"
#include "instancelock.h"
#include "monthdialog.h"
#include "print/windows/printdestination.h"
#include "print/windows/printdialog.h"
#include "register/openmonth.h"
#include "register/windows/monthclaim.h"
#include "register/windows/reasoncategoriesdialog.h"
#include "register/windows/rollform.h"
#include "roster/classtitle.h"
#include "roster/windows/classsetform.h"
#include "roster/windows/newyearform.h"
#include "roster/windows/rosterform.h"
#include "school/windows/dayform.h"
#include "totals/totalsprint.h"
#include "totals/windows/periodsform.h"
#include "totals/windows/rolltotal.h"
#include "totalsdialog.h"
#include "ui/platform.h"
#include "ui/storefailure.h"
#include "versiondialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <new>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(Session &session, Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_platform(platform)
{
    setObjectName(u"MAIN_F"_s);
    setWindowTitle(u"出席簿"_s);
    createMenus();

    m_documents = new QMdiArea(this);
    m_documents->setObjectName(u"MDI"_s);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createCommandBar());
    layout->addWidget(m_documents, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(u"STATUS"_s);
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(u"ZOOM"_s);
    statusBar()->addPermanentWidget(m_zoomLabel);
    showDocumentButtons(Document::None);
}

MainWindow::~MainWindow()
{
    setBusyPointer(false);
}

void MainWindow::createMenus()
{
    auto addMenu = [this](const QString &name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    auto addItem = [](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QMenu *file = addMenu(u"M_FAILE"_s, u"ファイル"_s);
    connect(addItem(file, u"M0_NEW"_s, u"新規作成"_s), &QAction::triggered, this, &MainWindow::runMonthCommand);
    connect(addItem(file, u"M0_TOTAL"_s, u"集計"_s), &QAction::triggered, this, &MainWindow::runTotalsCommand);
    connect(addItem(file, u"M0_DAY"_s, u"本日の出欠"_s), &QAction::triggered, this, &MainWindow::openDayWindow);
    connect(addItem(file, u"M0_PRT_SET"_s, u"プリンタ設定"_s), &QAction::triggered, this, &MainWindow::runPrinterSetup);

    QMenu *settings = addMenu(u"M_SET"_s, u"設定"_s);
    connect(addItem(settings, u"M0_USER_SET"_s, u"環境設定"_s), &QAction::triggered, this,
            &MainWindow::runEnvironmentCommand);
    connect(addItem(settings, u"M0_CLASS_SET"_s, u"クラス設定"_s), &QAction::triggered, this,
            &MainWindow::openClassListWindow);
    connect(addItem(settings, u"M0_REASON_SET"_s, u"欠席理由の設定"_s), &QAction::triggered, this, [this] {
        ReasonCategoriesDialog dialog(m_session, m_platform, this);
        dialog.exec();
    });
    connect(addItem(settings, u"M0_PERIODS"_s, u"集計期間"_s), &QAction::triggered, this,
            &MainWindow::openPeriodsWindow);
    connect(addItem(settings, u"M0_NEW_YEAR"_s, u"年度更新"_s), &QAction::triggered, this,
            &MainWindow::openNewYearWindow);

    m_viewMenu = addMenu(u"M_VIEW"_s, u"表示"_s);

    QMenu *help = addMenu(u"M_HELP"_s, u"ヘルプ"_s);
    connect(addItem(help, u"M3_HELP"_s, u"トピックの検索"_s), &QAction::triggered, this, &MainWindow::showHelp);
    connect(addItem(help, u"M3_VER"_s, u"バージョン情報"_s), &QAction::triggered, this, &MainWindow::showVersion);
}

QWidget *MainWindow::createCommandBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(u"Picture1"_s);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 3, 4, 3);
    auto addButton = [&](const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, bar);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(button);
        return button;
    };
    connect(addButton(u"B_MONTH"_s, u"月データ"_s), &QPushButton::clicked, this, &MainWindow::runMonthCommand);
    connect(addButton(u"B_TOTAL"_s, u"集計"_s), &QPushButton::clicked, this, &MainWindow::runTotalsCommand);
    connect(addButton(u"B_DAY"_s, u"本日の出欠"_s), &QPushButton::clicked, this, &MainWindow::openDayWindow);
    m_holidayButton = addButton(u"B_HOLIDAY"_s, u"休日設定"_s);
    m_rosterButton = addButton(u"B_MEIBO"_s, u"名簿読込"_s);
    m_printButton = addButton(u"B_PRT"_s, u"印刷"_s);
    m_closeButton = addButton(u"B_CLOSE"_s, u"閉じる"_s);
    connect(addButton(u"B_END"_s, u"終了"_s), &QPushButton::clicked, this, &MainWindow::close);
    connect(m_holidayButton, &QPushButton::clicked, this, &MainWindow::openHolidayWindow);
    connect(m_rosterButton, &QPushButton::clicked, this, &MainWindow::openRosterWindow);
    connect(m_printButton, &QPushButton::clicked, this, &MainWindow::runPrintCommand);
    connect(m_closeButton, &QPushButton::clicked, this, &MainWindow::closeDocuments);

    m_periodLabel = new QLabel(bar);
    m_periodLabel->setObjectName(u"Label1"_s);
    m_classLabel = new QLabel(bar);
    m_classLabel->setObjectName(u"Label2"_s);
    layout->addSpacing(24);
    layout->addWidget(m_periodLabel);
    layout->addSpacing(12);
    layout->addWidget(m_classLabel);
    layout->addStretch();
    return bar;
}

void MainWindow::showDocumentButtons(Document document)
{
    const bool editor = document == Document::RegisterEditor;
    m_holidayButton->setEnabled(editor);
    m_rosterButton->setEnabled(editor);
    m_printButton->setEnabled(document != Document::None);
    m_closeButton->setEnabled(document != Document::None);
    if (document == Document::None) {
        m_periodLabel->clear();
        m_classLabel->clear();
    }
    const bool sheet = editor || document == Document::ReadOnlyRegister;
    m_viewMenu->setEnabled(sheet);
    m_zoomLabel->setVisible(sheet);
}

void MainWindow::setBusyPointer(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool MainWindow::startUp(InstanceLock &lock)
{
    if (!lock.tryLock()) {
        tell(m_platform, this, u"すでにヴェルトラは実行されています、実行を中止します"_s, PromptIcon::Critical);
        return false;
    }
    recordVersionAtStartup(m_platform.store, m_platform.clock.today());
    reportStoreFailure(m_platform, this);
    setBusyPointer(true);
    showDocumentButtons(Document::None);
    return true;
}

void MainWindow::showInRememberedPlace()
{
    if (restoreGeometry(restoreWindowGeometry(m_platform.store, objectName()))) {
        show();
        return;
    }
    if (const QScreen *shownOn = screen())
        setGeometry(shownOn->availableGeometry());
    showMaximized();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // After the window has appeared, so that any message stands in front of it.
    QTimer::singleShot(0, this, &MainWindow::loadClassesAndSettings);
}

void MainWindow::loadClassesAndSettings()
{
    setBusyPointer(true);
    const LoadResult classes = loadSessionClassList(m_session);
    const LoadResult settings = SettingsFile::load(m_session.Settings);
    setBusyPointer(false);
    if (classes.unreadable())
        tell(m_platform, this, u"クラスファイルの読込に失敗しました\n"_s + QDir::toNativeSeparators(classes.path),
             PromptIcon::Warning);
    else if (const auto shared = ClassTitle::sharedTitle(m_session.Classes))
        tell(m_platform, this, ClassTitle::sharedTitleMessage(*shared), PromptIcon::Warning);
    if (settings.unreadable()) {
        tell(m_platform, this, u"環境設定ﾌｧｲﾙ読み込みエラー"_s, PromptIcon::Warning);
        return;
    }
    if (settings.missing()) {
        tell(m_platform, this, u"環境設定ﾌｧｲﾙが有りません"_s, PromptIcon::Warning);
        return;
    }
    setWindowTitle(u"出席簿 "_s);
    // A data folder set on another computer is chosen anew before any month opens.
    if (const auto unreachable = unreachableDataFolder(m_session.Settings.DataFolder)) {
        tell(m_platform, this, *unreachable, PromptIcon::Warning);
        runEnvironmentCommand();
        if (unreachableDataFolder(m_session.Settings.DataFolder))
            return;
    }
    runMonthCommand();
}

void MainWindow::runMonthCommand()
{
    setBusyPointer(false);
    if (!closeDocuments())
        return;
    MonthDialog dialog(m_session, m_platform, this);
    dialog.exec();
    if (m_session.State.HeiseiYear == 0 || m_session.State.Month == 0)
        return;
    openMonth();
}

void MainWindow::openMonth()
{
    const AppState &state = m_session.State;
    const QString path = openMonthPath(state);
    std::optional<MonthAccess> access = claimMonth(m_platform, this, path);
    if (!access)
        return;
    const QString period = JapaneseEra::monthTitle(JapaneseEra::gregorianFromHeisei(state.HeiseiYear), state.Month);
    loadReasonCategories(m_platform, this, m_session);
    const bool recovered = !access->readOnly
                           && offerRecovery(m_platform, this, path, state.ClassTitle + u' ' + period,
                                            m_session.ReasonLists, m_session.Register);
    if (!recovered && !loadMonthFile(path))
        return;
    m_periodLabel->setText(period);
    m_classLabel->setText(state.ClassTitle);
    if (m_session.Register.HolidayCount == 0)
        tell(m_platform, this, u"休日設定をしてください"_s);
    openRegisterEditor(std::move(*access));
}

// The month file into the session, or with the user's consent an empty month.
// Read aside: a month that cannot be read, or a new one the user declines,
// leaves the register as it was.
bool MainWindow::loadMonthFile(const QString &path)
{
    auto month = std::make_unique<RegisterMonth>();
    const LoadResult loaded = MonthFile::load(path, *month);
    if (loaded.unreadable()) {
        tell(m_platform, this, u"データの読込に失敗しました\n"_s + QDir::toNativeSeparators(loaded.path),
             PromptIcon::Warning);
        return false;
    }
    if (loaded.missing()) {
        const PromptMessage question{u"出席簿データが有りません新規に作成しますか"_s, ProgramTitle, PromptIcon::None,
                                     PromptButtons::OkCancel};
        if (m_platform.prompts.ask(this, question) == PromptAnswer::Cancel)
            return false;
        // A new month starts with the calendar's days off; the school adds its own in 休日設定.
        CalcNationalHolidays(m_session.State.HeiseiYear, m_session.State.Month, *month);
    } else {
        attachMonthReasons(m_platform, this, path, m_session.ReasonLists, *month);
    }
    m_session.Register = std::move(*month);
    return true;
}

void MainWindow::openRegisterEditor(MonthAccess access)
{
    try {
        const bool readOnly = access.readOnly;
        auto *editor = new RollForm(m_session, m_platform, nullptr, std::move(access));
        QMdiSubWindow *window = m_documents->addSubWindow(editor);
        window->setAttribute(Qt::WA_DeleteOnClose);
        connect(editor, &RollForm::closed, this, [this] { showDocumentButtons(Document::None); });
        const auto showZoom = [this](int percent) { m_zoomLabel->setText(u"表示 %1%"_s.arg(percent)); };
        connect(editor, &RollForm::zoomChanged, m_zoomLabel, showZoom);
        showZoom(editor->zoom());
        m_viewMenu->addActions(editor->zoomActions());
        m_editor = editor;
        window->showMaximized();
        showDocumentButtons(readOnly ? Document::ReadOnlyRegister : Document::RegisterEditor);
    } catch (const std::bad_alloc &) {
        tell(m_platform, this, u"リソースメモリーが不足しています"_s, PromptIcon::None, QString());
    }
}

void MainWindow::runTotalsCommand()
{
    setBusyPointer(false);
    if (!closeDocuments())
        return;
    TotalsDialog dialog(m_session, m_platform, this);
    dialog.exec();
    const AppState &state = m_session.State;
    if (state.TotalsYear == 0)
        return;
    m_periodLabel->setText(JapaneseEra::schoolYearTitle(JapaneseEra::gregorianFromHeisei(state.TotalsYear)));
    m_classLabel->setText(state.ClassTitle);
    openTotalsWindow();
}

void MainWindow::openTotalsWindow()
{
    try {
        auto *totals = new RollTotal(m_session, m_platform);
        QMdiSubWindow *window = m_documents->addSubWindow(totals);
        window->setAttribute(Qt::WA_DeleteOnClose);
        connect(totals, &RollTotal::closed, this, [this] { showDocumentButtons(Document::None); });
        m_totals = totals;
        window->showMaximized();
        showDocumentButtons(Document::Totals);
    } catch (const std::bad_alloc &) {
        tell(m_platform, this, u"リソースメモリーが不足しています"_s, PromptIcon::None, QString());
    }
}

bool MainWindow::closeDocuments()
{
    const QList<QMdiSubWindow *> windows = m_documents->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (!window->close())
            return false;
    }
    return true;
}

void MainWindow::runPrintCommand()
{
    const QString &openSheet = m_session.State.OpenSheet;
    if (openSheet == u"FORM"_s) {
        openPrintDialog();
    } else if (openSheet == u"TOTAL"_s) {
        const PromptMessage question{u"集計データを印刷します"_s, ProgramTitle, PromptIcon::None, PromptButtons::YesNo};
        if (m_platform.prompts.ask(this, question) != PromptAnswer::No)
            printTotals();
    }
}

void MainWindow::openPrintDialog()
{
    PrinterDestination destination(m_printer.printer());
    PrintDialog dialog(m_session, m_platform, destination, this);
    dialog.setPreviewPrinter(&m_printer.printer());
    dialog.exec();
}

void MainWindow::printTotals()
{
    if (!m_totals || m_totals->totals().rows.isEmpty()) {
        tell(m_platform, this, u"印刷データが有りません"_s);
        return;
    }
    const RollTotal &window = *m_totals;
    printOnChosenPrinter(
        [&](PageSurface &surface) { return PrintTotals(surface, window.totals(), window.classEntry()); });
}

void MainWindow::printOnChosenPrinter(const PrintRun &run)
{
    PrinterDestination destination(m_printer.printer());
    if (destination.print(run) != PrintResult::Printed)
        tell(m_platform, this, printFailureMessage(destination.name()), PromptIcon::Warning);
}

void MainWindow::openDayWindow()
{
    if (!m_day)
        m_day = new DayForm(
            m_session, m_platform, [this](const PrintRun &run) { printOnChosenPrinter(run); }, this);
    m_day->show();
    m_day->raise();
    m_day->activateWindow();
}

void MainWindow::runEnvironmentCommand()
{
    if (!closeDocuments())
        return;
    EnvironmentDialog dialog(m_session, m_platform, this);
    dialog.exec();
}

std::function<void()> MainWindow::sheetRefresher() const
{
    return [editor = m_editor] {
        if (editor)
            editor->RefreshSheet();
    };
}

void MainWindow::openHolidayWindow()
{
    if (!m_editor || m_editor->isReadOnly())
        return;
    HolidayForm dialog(m_session, m_platform, sheetRefresher(), this);
    dialog.exec();
}

void MainWindow::openRosterWindow()
{
    if (!m_editor || m_editor->isReadOnly())
        return;
    RosterForm dialog(m_session, m_platform, sheetRefresher(), this);
    dialog.exec();
}

void MainWindow::openClassListWindow()
{
    ClassSetForm dialog(m_session, m_platform, this);
    dialog.exec();
}

void MainWindow::openPeriodsWindow()
{
    if (!closeDocuments())
        return;
    PeriodsForm dialog(m_session, m_platform, this);
    dialog.exec();
}

void MainWindow::openNewYearWindow()
{
    if (!closeDocuments())
        return;
    NewYearForm dialog(m_session, m_platform, this);
    dialog.exec();
}

void MainWindow::runPrinterSetup()
{
    m_printer.runSetup(this);
}

void MainWindow::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showSearchPage();
}

void MainWindow::showVersion()
{
    VersionDialog dialog(this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!closeDocuments()) {
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    saveWindowGeometry(m_platform.store, objectName(), saveGeometry());
    reportStoreFailure(m_platform, this);
    event->accept();
}
