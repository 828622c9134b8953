#include "sheetreasons.h"

#include "data/markreasons.h"
#include "data/marktable.h"
#include "data/session.h"
#include "reasonentry.h"
#include "register/sheetclick.h"
#include "sheetpanel.h"
#include "sheetsurface.h"
#include "ui/platform.h"

#include <QMenu>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString NoReasonMark = u"欠席理由は、病・事・遅・テ・ホ・キ・ト・ソ・ﾁの日に付けられます"_s;
const QString ReadOnlyNote = u"読み取り専用で開いています"_s;

} // namespace

SheetReasons::SheetReasons(Session &session, Platform &platform, SheetPanel &sheet, bool readOnly, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_platform(platform)
    , m_sheet(sheet)
    , m_readOnly(readOnly)
    , m_window(window)
{
    SheetSurface *rows = sheet.rows();
    rows->setTipRoutine([this](QPoint at) { return tipAt(at); });
    connect(rows, &SheetSurface::contextMenuAt, this, &SheetReasons::showMenu);
    connect(&sheet, &SheetPanel::cursorMoved, this, &SheetReasons::showCursorReason);
}

std::pair<int, int> SheetReasons::dayAt(QPoint sheetTwips) const
{
    const SheetHit hit = hitTest(sheetTwips, m_session.Register.PupilCount, m_session.State.ClassKind);
    if (hit.target != SheetHit::Target::Day || hit.row >= m_session.Register.PupilCount)
        return {-1, 0};
    return {hit.row, hit.day};
}

std::pair<int, int> SheetReasons::dayAtCursor() const
{
    const SheetCursor &cursor = m_sheet.cellCursor();
    const int day = cursor.column - m_sheet.cursorBounds().leadingColumns;
    if (day < 0 || cursor.row >= m_session.Register.PupilCount)
        return {-1, 0};
    return {cursor.row, day};
}

void SheetReasons::editAtCursor()
{
    const auto [row, day] = dayAtCursor();
    if (row >= 0)
        edit(row, day);
    else
        m_platform.prompts.showStatus(m_window, NoReasonMark);
}

void SheetReasons::edit(int row, int day)
{
    if (m_readOnly) {
        m_platform.prompts.showStatus(m_window, ReadOnlyNote);
        return;
    }
    const PupilRecord &pupil = m_session.Register.Pupils[row];
    const QString mark = pupil.Marks[day].trimmed();
    const int code = markCodeOf(mark);
    if (!ReasonCategories::carriesReasons(code)) {
        m_platform.prompts.showStatus(m_window, NoReasonMark);
        return;
    }
    const MarkReason *current = MarkReasons::find(pupil, day);
    const QString title = u"%1月%2日　%3番 %4　「%5」"_s.arg(m_session.State.Month)
                              .arg(day + 1)
                              .arg(row + 1)
                              .arg(pupil.Name.trimmed(), mark);
    auto *entry =
        new ReasonEntry(title, m_session.ReasonLists.forMark(code), current ? *current : MarkReason{}, m_window);
    entry->setAttribute(Qt::WA_DeleteOnClose);
    connect(entry, &QDialog::accepted, this, [this, entry, row, day, mark] {
        MarkReason reason = entry->chosen();
        PupilRecord &changed = m_session.Register.Pupils[row];
        if (changed.Marks[day].trimmed() != mark)
            return; // the day changed while the entry was open
        if (reason.Categories.isEmpty()) {
            MarkReasons::clear(changed, day);
        } else {
            reason.Day = qint16(day);
            reason.Mark = mark;
            MarkReasons::set(changed, reason);
        }
        emit this->changed();
        showCursorReason();
    });
    entry->open();
}

void SheetReasons::clear(int row, int day)
{
    if (!MarkReasons::clear(m_session.Register.Pupils[row], day))
        return;
    emit changed();
    showCursorReason();
}

QString SheetReasons::tipAt(QPoint sheetTwips) const
{
    const auto [row, day] = dayAt(sheetTwips);
    if (row < 0)
        return {};
    const MarkReason *reason = MarkReasons::find(m_session.Register.Pupils[row], day);
    return reason ? MarkReasons::describe(*reason) : QString();
}

void SheetReasons::showMenu(QPoint sheetTwips, QPoint globalPos)
{
    const auto [row, day] = dayAt(sheetTwips);
    if (row < 0 || m_readOnly)
        return;
    const PupilRecord &pupil = m_session.Register.Pupils[row];
    if (!ReasonCategories::carriesReasons(markCodeOf(pupil.Marks[day].trimmed())))
        return;
    m_sheet.placeCursor({row, m_sheet.cursorBounds().leadingColumns + day});
    QMenu menu(m_window);
    menu.setObjectName(u"REASON_MENU"_s);
    QAction *editing = menu.addAction(u"欠席理由(&R)…\tF4"_s);
    QAction *clearing = menu.addAction(u"欠席理由を消す(&D)"_s);
    clearing->setEnabled(MarkReasons::find(pupil, day) != nullptr);
    QAction *chosen = menu.exec(globalPos);
    if (chosen == editing)
        edit(row, day);
    else if (chosen == clearing)
        clear(row, day);
}

// The status bar names the reason of the day under the cursor, and is cleared
// when the cursor leaves it.
void SheetReasons::showCursorReason()
{
    const auto [row, day] = dayAtCursor();
    const MarkReason *reason = row >= 0 ? MarkReasons::find(m_session.Register.Pupils[row], day) : nullptr;
    if (reason) {
        m_platform.prompts.showStatus(m_window, u"欠席理由: "_s + MarkReasons::describe(*reason));
        m_showingReason = true;
    } else if (std::exchange(m_showingReason, false)) {
        m_platform.prompts.showStatus(m_window, QString());
    }
}
