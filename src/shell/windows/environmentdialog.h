#pragma once

#include "ui/windowposition.h"

class QCheckBox;
class QLineEdit;
struct Session;

// USER_SET: the school's code and name, the data folder and the count-by-sex
// option. Confirming checks them, offers to create the data folder and saves
// the settings; the window stays open with what was typed until they are saved.
class EnvironmentDialog : public RememberedDialog
{
    Q_OBJECT

public:
    EnvironmentDialog(Session &session, Platform &platform, QWidget *parent = nullptr);

    // 保存終了.
    void confirm();
    // 参照: picks the data folder in DF_SET.
    void browseFolders();

private:
    void createControls();
    void refuse(const QString &message);
    bool refuseUnstorable(const QString &text);
    // Creates the missing folders of the data folder once the user agrees.
    bool prepareDataFolder(const QString &folder);

    Session &m_session;
    QLineEdit *m_schoolCode = nullptr; // SC_CODE
    QLineEdit *m_schoolName = nullptr; // SC_NAME
    QLineEdit *m_teacher = nullptr;    // TS_NAME
    QLineEdit *m_staffCode = nullptr;  // TS_CODE
    QLineEdit *m_folder = nullptr;     // SET_DIR
    QCheckBox *m_countBySex = nullptr; // CHK1
};
