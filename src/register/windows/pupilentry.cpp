#include "pupilentry.h"

#include "data/session.h"
#include "data/storedtext.h"
#include "entrybox.h"
#include "register/gradeinput.h"
#include "register/pupillist.h"
#include "register/sheetgeometry.h"
#include "sheetpanel.h"
#include "sheetsurface.h"
#include "typedtext.h"
#include "ui/platform.h"

using namespace Qt::StringLiterals;
using namespace Sheet;

PupilEntry::PupilEntry(Session &session, Platform &platform, SheetPanel &sheet, QWidget *focusSink)
    : QObject(&sheet)
    , m_session(session)
    , m_platform(platform)
    , m_sheet(sheet)
    , m_focusSink(focusSink)
    , m_name(new EntryBox(u"ED_BOX2"_s, sheet.rows()))
    , m_grade(new EntryBox(u"ED_BOX1"_s, sheet.rows()))
{
    connect(m_name, &EntryBox::focusEntered, this, &PupilEntry::nameEntered);
    connect(m_name, &EntryBox::enterPressed, this, &PupilEntry::nameEnterPressed);
    connect(m_name, &EntryBox::focusLeft, this, &PupilEntry::nameLeft);
    connect(m_grade, &EntryBox::focusEntered, this, &PupilEntry::gradeEntered);
    connect(m_grade, &EntryBox::enterPressed, this, &PupilEntry::gradeEnterPressed);
    connect(m_grade, &EntryBox::focusLeft, this, &PupilEntry::gradeLeft);
    connect(m_name, &EntryBox::escapePressed, this, [this] { cancel(m_name); });
    connect(m_grade, &EntryBox::escapePressed, this, [this] { cancel(m_grade); });
    connect(&sheet, &SheetPanel::scrolled, this, [this] {
        place(m_name);
        place(m_grade);
    });
}

void PupilEntry::openName(int row)
{
    open(m_name, row);
}

void PupilEntry::openGrade(int row)
{
    open(m_grade, row);
}

void PupilEntry::finish()
{
    nameLeft();
    gradeLeft();
}

void PupilEntry::open(EntryBox *box, int row)
{
    finish();
    m_row = row;
    place(box);
    box->show();
    box->setFocus(Qt::OtherFocusReason);
}

void PupilEntry::place(EntryBox *box) const
{
    const SheetSurface *rows = m_sheet.rows();
    const bool isName = box == m_name;
    const int left = isName ? GradeRight : GradeLeft;
    const int right = isName ? SexLeft : GradeRight;
    const int top = rows->twipsToY(rowTop(m_row));
    QFont font = box->font();
    font.setPointSizeF(TextPoints * rows->zoom());
    box->setFont(font);
    box->setGeometry(rows->twipsToX(left), top, rows->twipsToX(right) - rows->twipsToX(left),
                     rows->twipsToY(rowTop(m_row + 1)) - top);
}

bool PupilEntry::storeName(const QString &typed)
{
    const auto name = acceptTypedText(m_platform, m_name, typed);
    if (!name)
        return false;
    m_session.Register.Pupils[m_row].Name = *name;
    PupilList::admitRow(m_session.Register, m_row);
    return true;
}

void PupilEntry::cancel(EntryBox *box)
{
    box->clear();
    box->hide();
    m_focusSink->setFocus(Qt::OtherFocusReason);
    emit changed();
}

void PupilEntry::nameEntered()
{
    m_name->setText(StoredText::asStored(m_session.Register.Pupils[m_row].Name));
}

void PupilEntry::nameEnterPressed()
{
    const bool newPupil = m_row == m_session.Register.PupilCount;
    if (m_name->text().isEmpty())
        return;
    if (!storeName(m_name->text())) {
        cancel(m_name);
        return;
    }
    if (hasGradeColumn(m_session.State.ClassKind) && m_session.Register.Pupils[m_row].Grade == 0) {
        openGrade(m_row);
        return;
    }
    if (!newPupil || m_row + 1 >= PupilWorkingLimit) {
        m_focusSink->setFocus(Qt::OtherFocusReason);
        if (newPupil)
            tell(m_platform, m_sheet.rows(), PupilList::FullMessage);
        return;
    }
    ++m_row;
    emit changed();
    m_sheet.ensureRowVisible(m_row);
    m_name->clear();
    place(m_name);
    emit movedTo(m_row);
}

// Hiding the focused box takes its focus away again: an entry ends only once.
void PupilEntry::nameLeft()
{
    if (m_name->isHidden())
        return;
    if (!m_name->text().isEmpty())
        storeName(m_name->text());
    m_name->clear();
    m_name->hide();
    emit changed();
}

void PupilEntry::gradeEntered()
{
    const qint16 grade = m_session.Register.Pupils[m_row].Grade;
    m_grade->setText(grade > 0 ? QString::number(grade) : QString());
}

void PupilEntry::gradeEnterPressed()
{
    if (!GradeInput::parse(m_grade->text())) {
        tell(m_platform, m_grade, GradeInput::refusal(), PromptIcon::Warning);
        m_grade->selectAll();
        return;
    }
    if (m_session.Register.Pupils[m_row].Name.isEmpty())
        openName(m_row);
    else
        m_focusSink->setFocus(Qt::OtherFocusReason);
}

void PupilEntry::gradeLeft()
{
    if (m_grade->isHidden())
        return;
    const QString typed = m_grade->text();
    m_grade->clear();
    m_grade->hide();
    const auto grade = GradeInput::parse(typed);
    if (!grade) {
        tell(m_platform, m_sheet.rows(), GradeInput::refusal(), PromptIcon::Warning);
        return;
    }
    // Clicking the empty row's grade and leaving it blank adds no nameless pupil.
    const bool blankNewRow = m_row == m_session.Register.PupilCount && typed.trimmed().isEmpty();
    if (!blankNewRow) {
        m_session.Register.Pupils[m_row].Grade = *grade;
        PupilList::admitRow(m_session.Register, m_row);
    }
    emit changed();
}
