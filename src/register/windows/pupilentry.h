#pragma once

#include <QObject>

class EntryBox;
class QWidget;
class SheetPanel;
struct Platform;
struct Session;

// Typing a pupil's name (ED_BOX2) and grade (ED_BOX1) into the rows. A name
// typed into the empty row adds a pupil; Enter then moves on to the next row,
// so that a class is typed in name after name, up to the 46th pupil. Losing
// the focus ends an entry and keeps what was typed; Esc, or a name that cannot
// be stored, ends it keeping the stored name.
class PupilEntry : public QObject
{
    Q_OBJECT

public:
    // `focusSink` (DUMMY_BOX) takes the focus to end an entry.
    PupilEntry(Session &session, Platform &platform, SheetPanel &sheet, QWidget *focusSink);

    void openName(int row);
    void openGrade(int row);
    // Ends an open entry as losing the focus does.
    void finish();

signals:
    // The register changed: the window refreshes the sheet.
    void changed();
    // The name entry moved on to the next row.
    void movedTo(int row);

private:
    void open(EntryBox *box, int row);
    void place(EntryBox *box) const;
    bool storeName(const QString &typed);
    // Closes `box` without storing what it holds.
    void cancel(EntryBox *box);

    void nameEntered();
    void nameEnterPressed();
    void nameLeft();
    void gradeEntered();
    void gradeEnterPressed();
    void gradeLeft();

    Session &m_session;
    Platform &m_platform;
    SheetPanel &m_sheet;
    QWidget *m_focusSink;
    EntryBox *m_name;
    EntryBox *m_grade;
    int m_row = 0;
};
