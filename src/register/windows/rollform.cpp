#include "rollform.h"

#include "calendar/era.h"
#include "data/markreasons.h"
#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "data/session.h"
#include "data/settingsstore.h"
#include "data/storedtext.h"
#include "markpalette.h"
#include "pupilentry.h"
#include "register/enrolment.h"
#include "register/markentry.h"
#include "register/monthrecovery.h"
#include "register/openmonth.h"
#include "register/paletteentries.h"
#include "register/pupillist.h"
#include "register/recoverywriter.h"
#include "register/sheetcanvas.h"
#include "register/sheetclick.h"
#include "register/sheetdrawing.h"
#include "register/sheetzoom.h"
#include "sheetpanel.h"
#include "sheetreasons.h"
#include "sheetsurface.h"
#include "typedtext.h"
#include "ui/documentwindow.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The controls above the sheet, in twips from the window's top left.
constexpr int Margin = 60;
constexpr int SheetTop = 900;
constexpr QRect PaletteArea{Margin, 20, 6300, 800};
constexpr QPoint TeacherLabelAt{6540, 340};
constexpr QRect TeacherArea{6960, 290, 2200, 320};
constexpr int ButtonsTop = 250;
constexpr int ButtonHeight = 400;
constexpr int ListButtonsLeft = 9360;
constexpr int ListButtonWidth = 760;
constexpr int UndoButtonsLeft = 11900;
constexpr int UndoButtonWidth = 940;
constexpr int ButtonGap = 60;
constexpr int TopBandRight = UndoButtonsLeft + 2 * UndoButtonWidth + ButtonGap;

// The window's least width when it opens in the main window (Form_Load), and
// its height when it stands alone.
constexpr int LeastWidth = 11500;
constexpr int OpeningHeight = 10500;

// The sheet's zoom, kept for the user in the settings store.
const QString ZoomSection = u"ROLL_FORM"_s;
const QString ZoomKey = u"Zoom"_s;

const QString ReadOnlyNote = u"読み取り専用で開いています"_s;
const QString UndrawableMessage = u"表示出来ないデータが含まれていました"_s;
const QString OutsideEnrolmentQuestion = u"在籍していない日（転入学の前、または転学などの後）に記録があります。\n"
                                         u"この記録も集計に数えられます。消去しますか？"_s;

} // namespace

RollForm::RollForm(Session &session, Platform &platform, QWidget *parent, MonthAccess access)
    : QWidget(parent)
    , m_session(session)
    , m_platform(platform)
    , m_access(std::move(access))
    , m_history(session.Register)
{
    setObjectName(u"ROLL_FORM"_s);
    setFont(QFont(RegisterFontFamily, 10));
    setWindowTitle(session.State.ClassTitle);
    m_session.State.OpenSheet = u"FORM"_s;

    buildPage();
    buildTopBand();
    m_sheet = new SheetPanel(m_session, m_page);
    m_sheet->move(pixelRect({Margin, SheetTop, 0, 0}).topLeft());
    m_entry = new PupilEntry(m_session, m_platform, *m_sheet, m_dummy);
    m_reasons = new SheetReasons(m_session, m_platform, *m_sheet, m_access.readOnly, this);
    connect(m_reasons, &SheetReasons::changed, this, &RollForm::RefreshSheet);
    m_dummy->setFocusProxy(m_sheet->rows());
    buildUndo();
    buildZoom();

    connect(m_sheet->rows(), &SheetSurface::clickedAt, this, &RollForm::clickSheet);
    connect(m_sheet->rows(), &SheetSurface::keyPressed, this, &RollForm::sheetKeyPressed);
    connect(m_entry, &PupilEntry::changed, this, &RollForm::RefreshSheet);
    connect(m_entry, &PupilEntry::movedTo, this, [this](int row) {
        m_sheet->showUnderline(row);
        m_sheet->placeCursor({row, m_sheet->cellCursor().column});
    });

    if (m_access.readOnly)
        preventChanges();
    else
        keepRecovery();

    m_palette->choose(1);
    resize(pixelRect({0, 0, 2 * Margin, OpeningHeight}).size() + QSize(m_sheet->preferredWidth(), 0));
    RefreshSheet();
    placeCursorOnToday();
    m_sheet->rows()->setFocus();
}

RollForm::~RollForm() = default;

QRect RollForm::pixelRect(QRect twips) const
{
    return twipsToPixelRect(*this, twips);
}

// The top band and the sheet lie on a page that scrolls sideways when the
// window is narrower than the sheet; its height is always the window's.
void RollForm::buildPage()
{
    m_scroller = new QScrollArea(this);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setWidgetResizable(true);
    m_scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_page = new QWidget;
    m_page->setObjectName(u"PAGE"_s);
    m_scroller->setWidget(m_page);
    m_page->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroller);
}

bool RollForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Resize && m_sheet)
        m_sheet->layoutSheet(pixelsToTwips(m_page->height(), logicalDpiY()));
    return QWidget::eventFilter(watched, event);
}

void RollForm::buildTopBand()
{
    m_palette = new MarkPalette(m_page);
    m_palette->setGeometry(pixelRect(PaletteArea));

    auto *teacherLabel = new QLabel(u"担任"_s, m_page);
    teacherLabel->setObjectName(u"Label1"_s);
    teacherLabel->move(pixelRect(QRect(TeacherLabelAt, QSize())).topLeft());
    m_teacher = new QLineEdit(m_page);
    m_teacher->setObjectName(u"TS_NAME"_s);
    teacherLabel->setBuddy(m_teacher);
    m_teacher->setGeometry(pixelRect(TeacherArea));
    connect(m_teacher, &QLineEdit::textEdited, this, &RollForm::teacherNameEdited);

    const auto button = [this](const QString &name, const QString &caption, int index, auto action) {
        auto *created = new QPushButton(caption, m_page);
        created->setObjectName(name);
        created->setFocusPolicy(Qt::TabFocus);
        const int left = ListButtonsLeft + index * (ListButtonWidth + ButtonGap);
        created->setGeometry(pixelRect({left, ButtonsTop, ListButtonWidth, ButtonHeight}));
        connect(created, &QPushButton::clicked, this, action);
    };
    button(u"B_DEL"_s, u"削除"_s, 0, [this] { deleteSelected(); });
    button(u"B_UP"_s, u"上"_s, 1, [this] { moveSelected(-1); });
    button(u"B_DOWN"_s, u"下"_s, 2, [this] { moveSelected(1); });

    m_dummy = new QLineEdit(m_page);
    m_dummy->setObjectName(u"DUMMY_BOX"_s);
    m_dummy->hide();
}

void RollForm::buildUndo()
{
    const auto action = [this](const QString &caption, const QList<QKeySequence> &keys, int index) {
        auto *created = new QAction(caption, this);
        created->setShortcuts(keys);
        created->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(created);
        auto *shown = new QToolButton(m_page);
        shown->setDefaultAction(created);
        shown->setToolButtonStyle(Qt::ToolButtonTextOnly);
        shown->setFocusPolicy(Qt::NoFocus);
        const int left = UndoButtonsLeft + index * (UndoButtonWidth + ButtonGap);
        shown->setGeometry(pixelRect({left, ButtonsTop, UndoButtonWidth, ButtonHeight}));
        return created;
    };
    m_undo = action(u"元に戻す"_s, {QKeySequence::Undo}, 0);
    m_redo =
        action(u"やり直し"_s, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, 1);
    m_undo->setObjectName(u"UNDO"_s);
    m_redo->setObjectName(u"REDO"_s);
    connect(m_undo, &QAction::triggered, this, &RollForm::undo);
    connect(m_redo, &QAction::triggered, this, &RollForm::redo);
}

// Ctrl and +/−/0 or the wheel, and 画面に合わせる, which also the main
// window's 表示 menu offers.
void RollForm::buildZoom()
{
    const auto action = [this](const QString &name, const QString &caption, const QList<QKeySequence> &keys,
                               auto percent) {
        auto *created = new QAction(caption, this);
        created->setObjectName(name);
        created->setShortcuts(keys);
        created->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(created);
        connect(created, &QAction::triggered, this, [this, percent] { setZoom(percent()); });
        m_zoomActions.append(created);
    };
    action(u"ZOOM_IN"_s, u"拡大"_s,
           {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Semicolon)},
           [this] { return SheetZoom::zoomedIn(zoom()); });
    action(u"ZOOM_OUT"_s, u"縮小"_s, {QKeySequence::ZoomOut}, [this] { return SheetZoom::zoomedOut(zoom()); });
    action(u"ZOOM_ACTUAL"_s, u"100%"_s, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [] { return SheetZoom::Actual; });
    action(u"ZOOM_FIT"_s, u"画面に合わせる"_s, {}, [this] {
        const int room = m_scroller->viewport()->width() - m_sheet->x() - pixelRect({0, 0, Margin, 0}).width();
        return m_sheet->fittingZoom(room);
    });
    connect(m_sheet, &SheetPanel::zoomStepped, this,
            [this](int step) { setZoom(step > 0 ? SheetZoom::zoomedIn(zoom()) : SheetZoom::zoomedOut(zoom())); });
    const QString stored = m_platform.store.value(ZoomSection, ZoomKey, QString::number(SheetZoom::Actual));
    setZoom(SheetZoom::clamped(stored.trimmed().toInt()));
}

int RollForm::zoom() const
{
    return m_sheet->zoom();
}

void RollForm::setZoom(int percent)
{
    percent = SheetZoom::clamped(percent);
    m_entry->finish();
    m_sheet->setZoom(percent);
    fitPageToSheet();
    m_platform.store.setValue(ZoomSection, ZoomKey, QString::number(percent));
    emit zoomChanged(percent);
}

// The page is as wide as the top band or the sheet, whichever is wider.
void RollForm::fitPageToSheet()
{
    m_page->setMinimumWidth(std::max(pixelRect({0, 0, TopBandRight + Margin, 0}).width(),
                                     m_sheet->x() + m_sheet->preferredWidth() + pixelRect({0, 0, Margin, 0}).width()));
}

// Every change of the month is written to its recovery file within a second.
void RollForm::keepRecovery()
{
    m_recovery =
        new RecoveryWriter(openMonthPath(m_session.State), m_session.Register, RecoveryWriter::DefaultDelay, this);
    connect(m_recovery, &RecoveryWriter::writeFailed, this, [this](const SaveResult &result) {
        if (std::exchange(m_toldRecoveryFailure, true))
            return;
        tell(m_platform, this, u"復元用のファイルに入力を書き込めません\n"_s + QDir::toNativeSeparators(result.path),
             PromptIcon::Warning);
    });
}

// Read-only: the sheet can be looked at, scrolled and printed, but nothing
// that changes the month is offered.
void RollForm::preventChanges()
{
    setWindowTitle(m_session.State.ClassTitle + u"（"_s + ReadOnlyNote + u"）"_s);
    m_teacher->setReadOnly(true);
    for (const QString &name : {u"B_DEL"_s, u"B_UP"_s, u"B_DOWN"_s})
        findChild<QPushButton *>(name)->setEnabled(false);
}

void RollForm::RefreshSheet()
{
    MarkReasons::dropStale(m_session.Register, m_session.ReasonLists);
    computeStatistics(m_session);
    m_history.track(m_session.Register);
    m_sheet->setHighlightedRow(-1);
    m_sheet->refresh();
    if (const QString shown = StoredText::asStored(m_session.Register.TeacherName); m_teacher->text() != shown)
        m_teacher->setText(shown);
    m_undo->setEnabled(m_history.canUndo());
    m_redo->setEnabled(m_history.canRedo());
    reportUndrawableRows();
    if (m_recovery)
        m_recovery->monthChanged();
}

void RollForm::reportUndrawableRows()
{
    const bool drawable = rowsDrawable(m_session.Register);
    if (!drawable && !m_toldUndrawable)
        tell(m_platform, this, UndrawableMessage);
    m_toldUndrawable = !drawable;
}

void RollForm::placeCursorOnToday()
{
    const QDate today = m_platform.clock.today();
    const bool openMonthIsNow = today.year() == JapaneseEra::gregorianFromHeisei(m_session.State.HeiseiYear)
                                && today.month() == m_session.State.Month;
    m_sheet->placeCursor(SheetCursor::atDay(0, openMonthIsNow ? today.day() - 1 : 0, m_sheet->cursorBounds()));
}

void RollForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeInMainWindow();
    }
}

// Form_Load: the window takes the main window's whole client area, and at
// least the width that shows the names and most day columns.
void RollForm::placeInMainWindow()
{
    placeInDocumentArea(*this, LeastWidth);
}

void RollForm::clickSheet(QPoint at)
{
    const RegisterMonth &month = m_session.Register;
    const SheetHit hit = hitTest(at, month.PupilCount, m_session.State.ClassKind);
    if (hit.target == SheetHit::Target::None)
        return;
    if (hit.target == SheetHit::Target::EmptyRowRest) {
        m_sheet->hideUnderline();
        return;
    }
    m_sheet->showUnderline(hit.row);
    if (const auto column = SheetCursor::columnAt(at.x(), m_sheet->cursorBounds()))
        m_sheet->placeCursor({hit.row, *column});
    act(hit);
}

void RollForm::act(const SheetHit &hit)
{
    if (m_access.readOnly && hit.target != SheetHit::Target::Number) {
        m_platform.prompts.showStatus(this, ReadOnlyNote);
        return;
    }
    PupilRecord &pupil = m_session.Register.Pupils[hit.row];
    switch (hit.target) {
    case SheetHit::Target::Number:
        selectRow(hit.row);
        return;
    case SheetHit::Target::Grade:
        m_entry->openGrade(hit.row);
        return;
    case SheetHit::Target::Name:
        m_entry->openName(hit.row);
        return;
    case SheetHit::Target::Sex:
        PupilList::toggleSex(pupil);
        break;
    case SheetHit::Target::Day: {
        const QString refusal = dayOffRefusal(m_session.Register, hit.row, m_palette->current(), hit.day);
        if (!refusal.isEmpty()) {
            m_platform.prompts.showStatus(this, refusal);
            return;
        }
        const EntryKind kind = entryKindOf(m_palette->current());
        applyEntry(pupil, m_palette->current(), hit.day);
        RefreshSheet();
        if ((kind == EntryKind::Joining && !pupil.InKind.isEmpty())
            || (kind == EntryKind::Leaving && !pupil.OutKind.isEmpty()))
            offerToClearOutsideEnrolment(pupil);
        return;
    }
    case SheetHit::Target::TableFull:
        tell(m_platform, this, PupilList::FullMessage);
        return;
    case SheetHit::Target::None:
    case SheetHit::Target::EmptyRowRest:
        return;
    }
    RefreshSheet();
}

// Marks before the joining day or after the leaving day still count; when a
// change of enrolment leaves some there, the user may clear them in one step.
void RollForm::offerToClearOutsideEnrolment(PupilRecord &pupil)
{
    const int days = m_session.Statistics.CountedDays;
    if (!hasMarksOutsideEnrolment(pupil, days))
        return;
    const PromptMessage question{OutsideEnrolmentQuestion, ProgramTitle, PromptIcon::Question, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) != PromptAnswer::Yes)
        return;
    clearMarksOutsideEnrolment(pupil, days);
    RefreshSheet();
}

void RollForm::sheetKeyPressed(QKeyEvent *event)
{
    const SheetCursor &cursor = m_sheet->cellCursor();
    if (const auto move = SheetCursor::moveForKey(event->key(), event->modifiers())) {
        m_sheet->placeCursor(cursor.moved(*move, m_sheet->cursorBounds()));
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        clickSheet(cursor.cell(m_sheet->cursorBounds()).center());
        event->accept();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        clearCursorMark();
        event->accept();
        return;
    case Qt::Key_F4:
        m_reasons->editAtCursor();
        event->accept();
        return;
    default:
        break;
    }
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    const int code = plain && event->text().size() == 1 ? paletteCodeForKey(event->text().front()) : -1;
    if (code >= 0) {
        m_palette->choose(code);
        event->accept();
    }
}

void RollForm::clearCursorMark()
{
    const SheetCursor::Bounds bounds = m_sheet->cursorBounds();
    const SheetCursor &cursor = m_sheet->cellCursor();
    const int day = cursor.column - bounds.leadingColumns;
    if (day < 0 || cursor.row >= m_session.Register.PupilCount)
        return;
    if (m_access.readOnly) {
        m_platform.prompts.showStatus(this, ReadOnlyNote);
        return;
    }
    m_session.Register.Pupils[cursor.row].Marks[day].clear();
    RefreshSheet();
}

// SelectRow: the pupil that 削除, 上 and 下 act on, shown white on cyan until
// the sheet is next refreshed.
void RollForm::selectRow(int row)
{
    m_selectedPupil = row;
    m_sheet->setHighlightedRow(row);
}

void RollForm::deleteSelected()
{
    const RegisterMonth &month = m_session.Register;
    if (m_selectedPupil < 0 || m_selectedPupil >= month.PupilCount)
        return;
    const PromptMessage question{month.Pupils[m_selectedPupil].Name + u"のデータを削除します"_s, u"削除"_s,
                                 PromptIcon::Question, PromptButtons::YesNo};
    if (m_platform.prompts.ask(this, question) == PromptAnswer::No)
        return;
    PupilList::remove(m_session.Register, m_selectedPupil);
    m_selectedPupil = -1;
    RefreshSheet();
}

// 上 and 下: the selected pupil changes places with its neighbour, and the
// selection goes with it.
void RollForm::moveSelected(int step)
{
    const int target = m_selectedPupil + step;
    if (!PupilList::exchange(m_session.Register, m_selectedPupil, target))
        return;
    RefreshSheet();
    m_sheet->placeCursor({target, m_sheet->cellCursor().column});
    selectRow(target);
}

void RollForm::teacherNameEdited(const QString &typed)
{
    const auto name = acceptTypedText(m_platform, this, typed);
    if (!name) {
        m_teacher->setText(StoredText::asStored(m_session.Register.TeacherName));
        return;
    }
    if (*name != typed) {
        const int position = m_teacher->cursorPosition();
        m_teacher->setText(*name);
        m_teacher->setCursorPosition(position);
    }
    m_session.Register.TeacherName = *name;
    m_history.track(m_session.Register, RegisterHistory::StepKind::Typing);
    RefreshSheet();
}

void RollForm::undo()
{
    if (m_history.undo(m_session.Register))
        RefreshSheet();
}

void RollForm::redo()
{
    if (m_history.redo(m_session.Register))
        RefreshSheet();
}

bool RollForm::saveMonth()
{
    if (m_access.readOnly)
        return false;
    const SaveResult result = writeMonthFile();
    if (!result.ok)
        tell(m_platform, this, saveFailureMessage(result), PromptIcon::Warning);
    return result.ok;
}

// The reasons go right after the month file; once both are written, the
// recovery files have served.
SaveResult RollForm::writeMonthFile()
{
    const QString path = openMonthPath(m_session.State);
    SaveResult result = MonthFile::save(path, m_session.Register);
    if (result.ok)
        result = ReasonFile::save(path, m_session.Register);
    if (result.ok && m_recovery)
        m_recovery->discard();
    return result;
}

// The month stays in memory and on screen unless the user chooses to let it go.
bool RollForm::closeAfterFailedSave(const SaveResult &result)
{
    const QString text = saveFailureMessage(result)
                         + u"\n\nこの画面を開いたままにしますか？\n「いいえ」を選ぶと、保存しないで閉じます。"_s;
    const PromptMessage question{text, ProgramTitle, PromptIcon::Warning, PromptButtons::YesNo};
    return m_platform.prompts.ask(this, question) == PromptAnswer::No;
}

void RollForm::closeEvent(QCloseEvent *event)
{
    m_entry->finish();
    if (!m_access.readOnly) {
        // The recovery file first: whatever ends the program while the month
        // file is written, and when the user closes without saving, every
        // entry is in one of the two files.
        m_recovery->writeNow();
        const SaveResult result = writeMonthFile();
        if (!result.ok && !closeAfterFailedSave(result)) {
            event->ignore();
            return;
        }
    }
    // The session's month may be another one soon; nothing of this one is written after closing.
    delete std::exchange(m_recovery, nullptr);
    m_access.lock.reset();
    m_session.State.OpenSheet.clear();
    event->accept();
    emit closed();
}
