#include "rosterform.h"

#include "data/registerfont.h"
#include "data/session.h"
#include "data/settingsstore.h"
#include "roster/registerimport.h"
#include "roster/rosterimport.h"
#include "roster/textlistimport.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString WindowName = u"MEIBO_F"_s;
constexpr int ClientWidth = 4440; // twips
constexpr int ClientHeight = 2970;
constexpr int CandidateGroupTop = 120;

PromptIcon iconOf(ImportMessageKind kind)
{
    switch (kind) {
    case ImportMessageKind::Warning:
        return PromptIcon::Warning;
    case ImportMessageKind::Error:
        return PromptIcon::Critical;
    case ImportMessageKind::Plain:
        break;
    }
    return PromptIcon::None;
}

void showMessages(Platform &platform, QWidget *parent, const QList<ImportMessage> &messages)
{
    for (const ImportMessage &message : messages)
        tell(platform, parent, message.text, iconOf(message.kind),
             message.title.isEmpty() ? ProgramTitle : message.title);
}

} // namespace

RosterForm::RosterForm(Session &session, Platform &platform, std::function<void()> refreshSheet, QWidget *parent)
    : RememberedDialog(platform, WindowName, parent)
    , m_session(session)
    , m_refreshSheet(std::move(refreshSheet))
{
    setWindowTitle(u"名簿読込"_s);
    setFont(QFont(RegisterFontFamily, 9));
    createControls();
    placeControls();
    m_rosterFiles->setVisible(hasRosterFiles(m_session.State.YearFolder));
    m_textLayout->hide();
    m_candidateGroup->hide();
}

void RosterForm::createControls()
{
    m_lastMonth = namedChild<QRadioButton>(this, u"OPT1_0"_s, u"先月の名簿"_s);
    m_register = namedChild<QRadioButton>(this, u"OPT1_3"_s, u"出席簿の名簿"_s);
    m_rosterFiles = namedChild<QRadioButton>(this, u"OPT1_1"_s, u"児童・生徒名簿"_s);
    m_textFile = namedChild<QRadioButton>(this, u"OPT1_2"_s, u"その他(ﾃｷｽﾄ形式)"_s);
    m_textLayout = namedChild<QWidget>(this, u"FRAME_TEXT"_s);
    m_namesOnly = namedChild<QRadioButton>(m_textLayout, u"OPT11"_s, u"氏名"_s);
    m_namesAndSexes = namedChild<QRadioButton>(m_textLayout, u"OPT12"_s, u"氏名・性別"_s);
    m_load = namedChild<QPushButton>(this, u"BLOAD"_s, u"読込"_s);
    m_close = namedChild<QPushButton>(this, u"B_CLOSE"_s, u"閉じる"_s);
    m_candidateGroup = namedChild<QWidget>(this, u"FRAME_LIST"_s);
    m_candidateList = namedChild<QListWidget>(m_candidateGroup, u"List1"_s);
    m_all = namedChild<QPushButton>(m_candidateGroup, u"B_ALL"_s, u"全"_s);
    m_add = namedChild<QPushButton>(m_candidateGroup, u"B_ADD"_s, u"追加"_s);
    m_groupClose = namedChild<QPushButton>(m_candidateGroup, u"B_CLOSE"_s, u"閉じる"_s);

    // The sources and the two layouts are two separate choices.
    auto *sources = new QButtonGroup(this);
    for (QRadioButton *source : {m_lastMonth, m_register, m_rosterFiles, m_textFile})
        sources->addButton(source);
    m_namesOnly->setChecked(true);
    m_candidateList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_candidateList->setAccessibleName(u"読み込む児童・生徒"_s);
    m_all->setAccessibleName(u"全員を選ぶ・選ばない"_s);
    m_candidateGroup->setAutoFillBackground(true);
    for (QPushButton *button : {m_load, m_close, m_all, m_add, m_groupClose})
        button->setAutoDefault(false);

    connect(m_textFile, &QRadioButton::toggled, m_textLayout, &QWidget::setVisible);
    connect(m_load, &QPushButton::clicked, this, [this] { load(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_groupClose, &QPushButton::clicked, this, &QDialog::close);
    connect(m_all, &QPushButton::clicked, this, [this] { toggleAllCandidates(); });
    connect(m_add, &QPushButton::clicked, this, [this] { addChosenCandidates(); });
}

void RosterForm::placeControls()
{
    const TwipsPlacement twips(*this);
    const auto place = [&](QWidget *widget, int left, int top, int width, int height) {
        twips.place(widget, left, top, width, height);
    };
    setFixedSize(twips.x(ClientWidth), twips.y(ClientHeight));
    place(m_lastMonth, 480, 360, 2280, 285);
    place(m_register, 480, 720, 2280, 285);
    place(m_rosterFiles, 480, 1080, 2280, 285);
    place(m_textFile, 480, 1440, 2280, 285);
    place(m_textLayout, 720, 1680, 2640, 360);
    place(m_namesOnly, 120, 60, 840, 285);
    place(m_namesAndSexes, 1080, 60, 1440, 285);
    place(m_load, 3000, 360, 1095, 375);
    place(m_close, 3000, 840, 1095, 375);
    place(m_candidateGroup, 240, 2760, ClientWidth - 360, ClientHeight - CandidateGroupTop - 120);
    place(m_candidateList, 0, 0, 2520, ClientHeight - CandidateGroupTop - 120);
    place(m_all, 2760, 0, 1095, 375);
    place(m_add, 2760, 480, 1095, 375);
    place(m_groupClose, 2760, 960, 1095, 375);
}

void RosterForm::load()
{
    if (m_register->isChecked())
        showRegisterCandidates();
    else if (m_lastMonth->isChecked())
        importLastMonth();
    else if (m_rosterFiles->isChecked())
        importRosterFiles();
    else if (m_textFile->isChecked())
        importTextFile();
    else
        return;
    if (!m_register->isChecked())
        close();
}

void RosterForm::importLastMonth()
{
    const PupilImport import = ImportLastMonth(m_session.State, m_session.Register);
    if (import.replacesList && m_session.Register.PupilCount > 0) {
        const PromptMessage question{
            u"今月の名簿を先月の名簿で置き換えます。入力済みの記号も消えます。よろしいですか？"_s, ProgramTitle,
            PromptIcon::Question, PromptButtons::YesNo};
        if (m_platform.prompts.ask(this, question) != PromptAnswer::Yes)
            return;
    }
    apply(import);
}

void RosterForm::showRegisterCandidates()
{
    const QString path = askForFile(u"出席簿の名簿"_s, u"出席簿のファイル (*.ROD)"_s);
    if (path.isEmpty())
        return;
    const RegisterCandidates offered = LoadRegisterCandidates(path);
    showMessages(m_platform, this, offered.messages);
    if (!offered.read)
        return;
    m_candidates = offered.candidates;
    m_candidateList->clear();
    for (const PupilRecord &candidate : m_candidates)
        m_candidateList->addItem(candidate.Name);
    m_candidateGroup->move(m_candidateGroup->x(), TwipsPlacement(*this).y(CandidateGroupTop));
    m_candidateGroup->raise();
    m_candidateGroup->show();
}

void RosterForm::toggleAllCandidates()
{
    if (m_candidateList->count() == 0)
        return;
    if (m_candidateList->item(0)->isSelected())
        m_candidateList->clearSelection();
    else
        m_candidateList->selectAll();
}

void RosterForm::addChosenCandidates()
{
    QList<PupilRecord> chosen;
    for (int row = 0; row < m_candidateList->count(); ++row) {
        if (m_candidateList->item(row)->isSelected())
            chosen.append(m_candidates.value(row));
    }
    apply(importCandidates(chosen, m_session.Register.PupilCount));
    close();
}

void RosterForm::importRosterFiles()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PupilImport import = ImportRosterFiles(m_session.State, m_session.Settings, m_session.Register.PupilCount);
    QApplication::restoreOverrideCursor();
    apply(import);
    if (import.outcome == ImportOutcome::Taken)
        removeDecodedCopy(m_session.Settings.WorkFolder);
}

void RosterForm::importTextFile()
{
    const QString path = askForFile(u"その他(ﾃｷｽﾄ形式)"_s, u"すべてのファイル (*)"_s);
    if (path.isEmpty())
        return;
    const TextLayout layout = m_namesAndSexes->isChecked() ? TextLayout::NamesAndSexes : TextLayout::Names;
    apply(ImportTextFile(path, layout, m_session.Register.PupilCount));
}

QString RosterForm::askForFile(const QString &caption, const QString &filter)
{
    return m_platform.prompts.openFileName(this, caption, m_session.State.MonthFolder, filter);
}

void RosterForm::apply(const PupilImport &import)
{
    applyImport(m_session.Register, import);
    showMessages(m_platform, this, import.messages);
    if (const QString summary = importSummary(import); !summary.isEmpty())
        m_platform.prompts.showStatus(this, summary);
}

OptionalWindowPosition RosterForm::storedPosition() const
{
    const QSize screen = m_platform.screen.sizeTwips();
    return restoreRosterWindowPosition(m_platform.store, WindowName, screen.width(), screen.height());
}

void RosterForm::storePosition(QPoint twips)
{
    saveRosterWindowPosition(m_platform.store, WindowName, twips.x(), twips.y());
}

void RosterForm::done(int result)
{
    if (m_refreshSheet)
        m_refreshSheet();
    RememberedDialog::done(result);
}
