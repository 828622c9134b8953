#pragma once

#include "ui/windowposition.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
struct Session;

// CLASS_SET: the class list. Classes of the three kinds are added from the
// boxes, selected rows are deleted, and the list is shown in its sorted order.
// However the window closes, the list is written to CLASS.CSD (never over a
// CLASS.CSD that could not be read unless the user agrees).
class ClassSetForm : public RememberedDialog
{
    Q_OBJECT

public:
    ClassSetForm(Session &session, Platform &platform, QWidget *parent = nullptr);

    // Sorts the list and shows it in GRID1.
    void FillClassGrid();

    void done(int result) override;

private:
    void createControls();
    void placeControls();
    void showBoxesOfKind();
    void addClassFromBoxes();
    void deleteSelectedClasses();
    void resetBoxes();
    qint16 chosenKind() const;

    Session &m_session;
    QRadioButton *m_ordinary = nullptr;   // OPT1
    QRadioButton *m_special = nullptr;    // OPT2
    QRadioButton *m_multiGrade = nullptr; // OPT3
    QLabel *m_gradeLabel = nullptr;       // Label3
    QLineEdit *m_grade = nullptr;         // TS_YEAR(0)
    QLineEdit *m_grade2 = nullptr;        // TS_YEAR(1)
    QLabel *m_classLabel = nullptr;       // Label7
    QLineEdit *m_className = nullptr;     // TS_CLASS
    QLabel *m_categoryLabel = nullptr;    // the label of TS_SS
    QComboBox *m_category = nullptr;      // TS_SS
    QPushButton *m_add = nullptr;         // B_ADD
    QPushButton *m_delete = nullptr;      // B_DEL
    QPushButton *m_close = nullptr;       // B_CLOSE
    QTableWidget *m_grid = nullptr;       // GRID1
};
