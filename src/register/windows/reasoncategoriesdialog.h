#pragma once

#include "data/reasoncategories.h"
#include "ui/windowposition.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Session;

// 欠席理由の設定: the categories each mark's reason is chosen from. The
// surveillance lists stay as they are; the school adds categories of its own,
// kept in the work folder's REASONS.CSD for every computer. A file that cannot
// be read is shown as the lists alone and never written over.
class ReasonCategoriesDialog : public RememberedDialog
{
    Q_OBJECT

public:
    ReasonCategoriesDialog(Session &session, Platform &platform, QWidget *parent);

    void accept() override;

private:
    int chosenMark() const;
    void showList();
    void addCategory();
    void removeCategory();

    Session &m_session;
    Platform &m_platform;
    ReasonCategories m_categories;
    bool m_fileUnreadable = false;
    QComboBox *m_mark;
    QListWidget *m_list;
    QLineEdit *m_newName;
    QPushButton *m_remove;
    QLabel *m_refusal;
};
