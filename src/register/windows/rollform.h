#pragma once

#include <QWidget>

struct Session;
struct Platform;

// ROLL_FORM: the register editor, a document window of the main window that
// shows the open month as a sheet and edits it. Closing it writes the month
// file; a failed write keeps the window open with its data.
class RollForm : public QWidget
{
    Q_OBJECT

public:
    RollForm(Session &session, Platform &platform, QWidget *parent = nullptr);
    ~RollForm() override;

    // Recomputes the month's figures and redraws the whole sheet.
    void RefreshSheet();
    // Writes the open month to its file; false (after telling the user) on failure.
    bool saveMonth();

signals:
    // Emitted once the window has closed and the month has been written.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Session &m_session;
    Platform &m_platform;
};
