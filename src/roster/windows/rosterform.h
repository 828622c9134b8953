#pragma once

#include "data/records.h"
#include "ui/windowposition.h"

#include <functional>

class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;
struct Platform;
struct PupilImport;
struct Session;

// MEIBO_F: fills the open month's pupil list from last month's register, the
// register of any month or class (its pupils offered to choose from), the
// roster program's files of the school year or a text list of names. Closing
// runs refreshSheet, so the register editor redraws and its undo takes back
// the whole import as one step.
class RosterForm : public RememberedDialog
{
    Q_OBJECT

public:
    RosterForm(Session &session, Platform &platform, std::function<void()> refreshSheet, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    // Its own variant of the stored place: an axis counts only above 0.
    OptionalWindowPosition storedPosition() const override;
    void storePosition(QPoint twips) override;

private:
    void createControls();
    void placeControls();
    void load();
    void importLastMonth();
    void showRegisterCandidates();
    void addChosenCandidates();
    void toggleAllCandidates();
    void importRosterFiles();
    void importTextFile();
    // The file the user picks with the open-file dialog; empty when cancelled.
    QString askForFile(const QString &caption, const QString &filter);
    // Shows the import's messages and puts its rows into the open month.
    void apply(const PupilImport &import);

    Session &m_session;
    std::function<void()> m_refreshSheet;
    QList<PupilRecord> m_candidates; // RosterCandidates

    QRadioButton *m_lastMonth = nullptr;     // OPT1(0)
    QRadioButton *m_register = nullptr;      // OPT1(3)
    QRadioButton *m_rosterFiles = nullptr;   // OPT1(1)
    QRadioButton *m_textFile = nullptr;      // OPT1(2)
    QWidget *m_textLayout = nullptr;         // the text-format group
    QRadioButton *m_namesOnly = nullptr;     // OPT11
    QRadioButton *m_namesAndSexes = nullptr; // OPT12
    QPushButton *m_load = nullptr;           // BLOAD
    QPushButton *m_close = nullptr;          // B_CLOSE
    QWidget *m_candidateGroup = nullptr;     // the candidate group
    QListWidget *m_candidateList = nullptr;  // List1
    QPushButton *m_all = nullptr;            // B_ALL
    QPushButton *m_add = nullptr;            // B_ADD
    QPushButton *m_groupClose = nullptr;     // the candidate group's B_CLOSE
};
