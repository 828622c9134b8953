#pragma once

#include <QObject>
#include <QPoint>

class SheetPanel;
class QWidget;
struct Platform;
struct Session;

// The reasons of the day marks on the editor's sheet: F4 or the context menu
// on a marked day opens 欠席理由, a day with a reason shows it as a tooltip and,
// under the cell cursor, in the status bar. A read-only editor only shows them.
class SheetReasons : public QObject
{
    Q_OBJECT

public:
    SheetReasons(Session &session, Platform &platform, SheetPanel &sheet, bool readOnly, QWidget *window);

    // F4: the entry for the day under the cell cursor.
    void editAtCursor();

signals:
    // A reason was given, changed or removed.
    void changed();

private:
    void edit(int row, int day);
    void clear(int row, int day);
    // The pupil and day a point of the rows falls on; row −1 when none.
    std::pair<int, int> dayAt(QPoint sheetTwips) const;
    std::pair<int, int> dayAtCursor() const;
    QString tipAt(QPoint sheetTwips) const;
    void showMenu(QPoint sheetTwips, QPoint globalPos);
    void showCursorReason();

    Session &m_session;
    Platform &m_platform;
    SheetPanel &m_sheet;
    bool m_readOnly;
    QWidget *m_window;
    bool m_showingReason = false;
};
