#pragma once

#include "roster/newschoolyear.h"
#include "ui/windowposition.h"

#include <optional>

class EraYearEntry;
class QLabel;
class QPushButton;
class QTableWidget;
struct Session;

// NEW_YEAR, 年度更新: the plan of carrying the pupils of a school year into the
// April registers of the next, shown as a table before anything is written.
// ＯＫ writes it; until the window closes, 元に戻す takes back the April files
// it wrote, as long as each is unchanged and not open elsewhere.
class NewYearForm : public RememberedDialog
{
    Q_OBJECT

public:
    NewYearForm(Session &session, Platform &platform, QWidget *parent = nullptr);

    // Reads the class folders and shows the plan of the school year typed.
    void showPlan();
    // ＯＫ: writes the plan shown, once the folders still give the same plan.
    void writePlan();
    // 元に戻す: takes back the April files written, after asking.
    void undoWriting();

    // The table's rows as shown: 区分, クラス, 移る先, 人数, 児童・理由.
    static QList<QStringList> planRows(const NewYearPlan &plan);

private:
    void createControls();
    // The school year typed; nothing (after saying why, where it matters) when none can be taken.
    std::optional<int> chosenYear();
    std::optional<NewYearPlan> readPlan();
    void fillGrid(const NewYearPlan &plan);

    Session &m_session;
    EraYearEntry *m_year = nullptr; // ERA and T_Y
    QLabel *m_target = nullptr;     // LABEL_TO: the April the pupils go to
    QTableWidget *m_grid = nullptr; // GRID1
    QPushButton *m_show = nullptr;  // B_PLAN
    QPushButton *m_ok = nullptr;    // OK
    QPushButton *m_undo = nullptr;  // B_UNDO
    std::optional<NewYearPlan> m_plan;
    QList<NewYearWrittenFile> m_written;
};
