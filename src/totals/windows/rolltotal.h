#pragma once

#include "totals/totals.h"
#include "totals/totalscsv.h"

#include <QWidget>

#include <array>

class QLabel;
class QRadioButton;
class QScrollBar;
class TotalsSurface;
struct ClassEntry;
struct Platform;
struct Session;

// ROLL_TOTAL: the term and year totals of the chosen class as a scrollable
// table, a document window of the main window. While it is open no month is
// open; closing it leaves none open either.
class RollTotal : public QWidget
{
    Q_OBJECT

public:
    RollTotal(Session &session, Platform &platform, QWidget *parent = nullptr);
    ~RollTotal() override;

    // OPT1_Click: computes the school's period 0..2 (or 3, the whole year)
    // afresh and shows it, telling the user which month files could not be read.
    void showTerm(int term);
    // The totals last computed; no rows before a term is chosen.
    const Totals &totals() const { return m_totals; }
    // The class whose totals are shown.
    ClassEntry classEntry() const;

    // Write the shown totals as CSV or as the printout's PDF; false (after
    // telling the user) on failure.
    bool saveCsv(const QString &path, TotalsCsv::Layout layout);
    bool savePdf(const QString &path);

    // LayoutTotals: fits the rows to a window `windowHeight` twips high.
    void layoutTotals(int windowHeight);
    int visibleRows() const { return m_visibleRows; }

signals:
    // Emitted once the window has closed.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QRect pixelRect(QRect twips) const;
    void loadPeriods();
    const TotalsPeriod &periodOf(int term) const;
    void buildOptions();
    void buildCsvButton();
    void setScrollRange();
    QString fileName(const QString &suffix) const;
    // The file chosen for the shown totals; empty when there are none or the user cancels.
    QString askFileName(const QString &caption, const QString &suffix, const QString &filter);
    void askAndSaveCsv(TotalsCsv::Layout layout);
    void askAndSavePdf();
    void askAndSaveSchoolCsv();
    bool report(const SaveResult &result);

    Session &m_session;
    Platform &m_platform;
    Totals m_totals;
    QList<TotalsPeriod> m_periods; // the school's, then the whole year
    QString m_periodsFailure;
    std::array<QRadioButton *, TotalsTerm::Count> m_options{};
    TotalsSurface *m_headings = nullptr; // K_LIST
    TotalsSurface *m_rows = nullptr;     // D_LIST
    QScrollBar *m_scroll = nullptr;      // V_SCL
    QLabel *m_months = nullptr;
    QLabel *m_reasons = nullptr;
    QLabel *m_longAbsence = nullptr;
    int m_visibleRows = 1;
    bool m_placed = false;
};
