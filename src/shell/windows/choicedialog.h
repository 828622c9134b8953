#pragma once

#include "ui/windowposition.h"

class QComboBox;
class QLayout;
class QPushButton;
struct ClassEntry;
struct Session;

// What the month dialog F_SET and the totals dialog F_SET2 share: a heading,
// a row for the period, the class box CLASS_NAME (the titles of the class
// list, chosen from the list only) and the buttons OK and ESC. Enter acts in
// the boxes and on the buttons themselves; Esc cancels.
class ChoiceDialog : public RememberedDialog
{
    Q_OBJECT

public:
    // OK: checks the choice and closes with it; otherwise tells why and stays.
    virtual void confirm() = 0;
    // ESC: closes with nothing chosen.
    virtual void cancel() = 0;

protected:
    ChoiceDialog(Session &session, Platform &platform, const QString &windowName, QWidget *parent);

    // Creates the class box and the buttons after the period's controls, so
    // the tab order runs from the period to the class to OK.
    void layOut(const QString &heading, QLayout *periodRow);
    // The class chosen; nullptr after asking the user to choose one.
    const ClassEntry *chosenClass();
    // False after telling the user that the class's title cannot name a folder,
    // or that the data folder is on a drive this computer does not have.
    bool classFolderReachable(const ClassEntry &classEntry);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    Session &m_session;
    QComboBox *m_classes = nullptr; // CLASS_NAME
    QPushButton *m_ok = nullptr;    // OK
};
