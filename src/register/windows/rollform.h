#pragma once

#include "register/monthlock.h"
#include "register/registerhistory.h"

#include <QWidget>

class MarkPalette;
class PupilEntry;
class QAction;
class QLineEdit;
class QScrollArea;
class RecoveryWriter;
class SheetPanel;
class SheetReasons;
struct Platform;
struct PupilRecord;
struct SaveResult;
struct Session;
struct SheetHit;

// ROLL_FORM: the register editor, a document window of the main window that
// shows the open month as a sheet and edits it with the mouse or the keys,
// with undo and redo. Closing it writes the month file; a failed write keeps
// the window open with its data unless the user chooses to close without saving.
// While it is open it holds the month's lock, and every change reaches the
// month's recovery file within a second; a read-only editor shows the month
// and lets it be printed, but changes nothing and writes nothing.
class RollForm : public QWidget
{
    Q_OBJECT

public:
    RollForm(Session &session, Platform &platform, QWidget *parent = nullptr, MonthAccess access = {});
    ~RollForm() override;

    // Recomputes the month's figures and redraws the whole sheet. Windows that
    // change the open month in place call it when they are done.
    void RefreshSheet();
    // Writes the open month to its file; false (after telling the user) on failure.
    bool saveMonth();
    bool isReadOnly() const { return m_access.readOnly; }

    // The sheet's zoom in percent, remembered for the user.
    void setZoom(int percent);
    int zoom() const;
    // 拡大, 縮小, 100%, 画面に合わせる, with their keys, for the main window's menu.
    QList<QAction *> zoomActions() const { return m_zoomActions; }

signals:
    // Emitted once the window has closed.
    void closed();
    void zoomChanged(int percent);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QRect pixelRect(QRect twips) const;
    void buildPage();
    void buildTopBand();
    void buildUndo();
    void buildZoom();
    void fitPageToSheet();
    void placeInMainWindow();
    void placeCursorOnToday();

    // D_LIST_Click and the keys that act as one.
    void clickSheet(QPoint at);
    void act(const SheetHit &hit);
    void sheetKeyPressed(QKeyEvent *event);
    void clearCursorMark();
    void offerToClearOutsideEnrolment(PupilRecord &pupil);

    void selectRow(int row);
    void deleteSelected();
    void moveSelected(int step);
    void teacherNameEdited(const QString &typed);
    void undo();
    void redo();

    void keepRecovery();
    void preventChanges();
    SaveResult writeMonthFile();
    bool closeAfterFailedSave(const SaveResult &result);
    void reportUndrawableRows();

    Session &m_session;
    Platform &m_platform;
    MonthAccess m_access;
    RecoveryWriter *m_recovery = nullptr;
    RegisterHistory m_history;
    QScrollArea *m_scroller = nullptr;
    QWidget *m_page = nullptr;
    MarkPalette *m_palette = nullptr;
    QLineEdit *m_teacher = nullptr;
    QLineEdit *m_dummy = nullptr;
    SheetPanel *m_sheet = nullptr;
    PupilEntry *m_entry = nullptr;
    SheetReasons *m_reasons = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QList<QAction *> m_zoomActions;
    int m_selectedPupil = -1;
    bool m_placed = false;
    bool m_toldUndrawable = false;
    bool m_toldRecoveryFailure = false;
};
